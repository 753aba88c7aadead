#pragma once
// The skin the program carries: the "SkinStream" of the main window's form
// description, as the build embedded it.

#include "skin/archive/Bytes.h"

// The skin's bytes, read once; empty when the description carries none.
const TBytes& EmbeddedProgramSkin();
