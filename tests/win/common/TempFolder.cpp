#include "common/TempFolder.h"

#include <atomic>

TTempFolder::TTempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  char longTemp[MAX_PATH];
  if (GetLongPathNameA(temp, longTemp, MAX_PATH)) lstrcpyA(temp, longTemp);
  std::string base(temp);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (;;) {
    FPath = base + "\\fwtest-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter++);
    if (CreateDirectoryA(FPath.c_str(), nullptr)) break;
  }
}

TTempFolder::~TTempFolder() {
  RemoveTree(FPath);
}

std::string TTempFolder::MakeFolder(const std::string& Relative) const {
  const std::string path = *this / Relative;
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string TTempFolder::MakeFile(const std::string& Relative, const std::string& Contents) const {
  const std::string path = *this / Relative;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, Contents.data(), static_cast<DWORD>(Contents.size()), &written, nullptr);
    CloseHandle(file);
  }
  return path;
}

void TTempFolder::RemoveTree(const std::string& Path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((Path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = Path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        DeleteFileA(child.c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(Path.c_str());
}
