#pragma once
// Keyboard shortcuts of menu items: a virtual-key code in the low byte
// with scShift, scCtrl and scAlt added, and their text ("Ctrl+S").

#include <string>
#include <string_view>

using TShortCut = int;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// "Ctrl+Shift+F5"; empty for 0 or a key without a name.
std::string ShortCutToText(TShortCut ShortCut);
// The reverse, ignoring ASCII case; 0 for text that names no shortcut.
TShortCut TextToShortCut(std::string_view Text);
