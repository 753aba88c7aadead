#pragma once

#include <string>
#include <string_view>

#include "toolkit/portable/Types.h"

// Reads a colour written as three decimal numbers for red, green and blue,
// separated by any non-digit characters ("0 68 214", "248, 248, 248").
// Missing components are 0, each is taken modulo 256; empty text gives
// Default.
TColor ParseRgbText(std::string_view Text, TColor Default);

// What ParseRgbText has to make up for in Text, in words for the skin's
// author ("is not three numbers (red, green and blue)"); empty when Text is
// three numbers from 0 to 255, or empty.
std::string RgbTextFault(std::string_view Text);
