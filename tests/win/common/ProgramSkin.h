#pragma once
// The compressed skin the program embeds, taken from the main window's
// form description in the program's resources (every test program carries
// them).

#include "skin/archive/Bytes.h"

const TBytes& ProgramSkin();
