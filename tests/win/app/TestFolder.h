#pragma once
// A fresh folder under the temporary folder, removed with everything in it
// (read-only and hidden files too) when the test is done.

#include <windows.h>

#include <atomic>
#include <string>

class TTestFolder {
 public:
  TTestFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    FPath = std::wstring(temp) + L"fwk-main-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    RemoveTree(FPath);
    CreateDirectoryW(FPath.c_str(), nullptr);
  }
  ~TTestFolder() {
    // A save dialog may have made it the process's current folder, which
    // keeps it from being removed.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    RemoveTree(FPath);
  }
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;

  const std::wstring& WidePath() const { return FPath; }
  // The path in the code page; the temporary folder's path has no other
  // characters.
  std::string Path() const { return Narrow(FPath); }

  static std::string Narrow(const std::wstring& Text) {
    char buffer[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, Text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
  }

  static void RemoveTree(const std::wstring& Path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((Path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = Path + L"\\" + name;
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(child);
        else
          DeleteFileW(child.c_str());
      } while (FindNextFileW(find, &entry));
      FindClose(find);
    }
    SetFileAttributesW(Path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(Path.c_str());
  }

 private:
  std::wstring FPath;
};
