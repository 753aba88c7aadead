#pragma once
// Wide text from the file system as the code-page text the shell components
// work in.

#include <windows.h>

#include <string>

// Length in characters, or -1 for text ending with a zero (the zero is then
// part of the result).
inline std::string CodePageText(const wchar_t* Text, int Length) {
  const int size = WideCharToMultiByte(CP_ACP, 0, Text, Length, nullptr, 0, nullptr, nullptr);
  std::string narrow(size > 0 ? size : 0, '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, Text, Length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}
