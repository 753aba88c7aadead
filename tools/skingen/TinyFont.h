// A 5 x 7 pixel font for the labels of the contact sheet: lower-case
// letters, digits and a few signs; other characters are left blank.
#pragma once

#include <string>

#include "Pixmap.h"

namespace TinyFont {

constexpr int Advance = 6;
constexpr int Height = 7;

// Draws text with its top-left at (x, y); returns the x after the text.
int Draw(TPixmap& target, int x, int y, const std::string& text, TColor color);

}  // namespace TinyFont
