#pragma once
// Text helpers of the toolkit.

#include <string>
#include <string_view>

// Equal ignoring ASCII letter case.
bool SameText(std::string_view A, std::string_view B);
std::string LowerCase(std::string_view Text);
// Narrows each code unit; units above 255 become '?'.
std::string NarrowText(std::wstring_view Text);
// Widens each byte as it is (0..255).
std::wstring WidenText(std::string_view Text);
