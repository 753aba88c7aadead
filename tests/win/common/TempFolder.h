#pragma once
// A fresh folder under the temporary folder, removed with all it holds when
// the test is done.

#include <windows.h>

#include <string>

class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return FPath; }
  // Path + "\" + Relative.
  std::string operator/(const std::string& Relative) const { return FPath + "\\" + Relative; }
  std::string MakeFolder(const std::string& Relative) const;
  std::string MakeFile(const std::string& Relative, const std::string& Contents = "x") const;

  static void RemoveTree(const std::string& Path);

 private:
  std::string FPath;
};
