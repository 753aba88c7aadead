#pragma once

#include <string_view>

#include "toolkit/portable/Types.h"

// Reads a colour written as three decimal numbers for red, green and blue,
// separated by any non-digit characters ("0 68 214", "248, 248, 248").
// Missing components are 0, each is taken modulo 256; empty text gives
// Default.
TColor ParseRgbText(std::string_view Text, TColor Default);
