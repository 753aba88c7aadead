#include "app/SkinSwitch.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "skin/archive/SkinMessages.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/engine/SkinData.h"
#include "toolkit/portable/TextUtil.h"

namespace {

std::string SystemErrorText(DWORD Code) {
  char* text = nullptr;
  FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, Code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = text ? text : "error " + std::to_string(Code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' ||
                             result.back() == ' ' || result.back() == '.'))
    result.pop_back();
  return result;
}

// Why the packed skin file cannot serve as a skin; empty when it can.
std::string SkinFileFault(const std::string& Path) {
  HANDLE file = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return "the file cannot be read (" + SystemErrorText(GetLastError()) + ")";
  CloseHandle(file);
  std::ifstream in(Path, std::ios::binary);
  const TBytes blob((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (blob.empty()) return "the file is empty";
  // The reader's own complaint becomes part of the one message.
  std::string complaint;
  auto previous = SkinMessages::SetHandler([&](const std::string& Text) { complaint = Text; });
  bool loaded = false;
  try {
    TSkinReader reader;
    loaded = reader.LoadArchive(blob);
    if (loaded) {
      TBytes definition;
      std::string name;
      reader.ExtractFirstMatching(".ini", definition, name);
      if (name.empty()) {
        SkinMessages::SetHandler(previous);
        return "it holds no skin definition";
      }
      // What the definition names is read when the skin is loaded; a skin
      // never fails for a missing section, key or image.
    }
  } catch (const std::exception& e) {
    complaint = e.what();
    loaded = false;
  }
  SkinMessages::SetHandler(previous);
  if (loaded) return {};
  for (char& c : complaint)
    if (c == '\r' || c == '\n') c = ' ';
  return "it is not a skin file" + (complaint.empty() ? std::string() : " (" + complaint + ")");
}

// Why the unpacked skin folder cannot serve as a skin; empty when it can.
// The definition is the first file whose name holds ".ini", as in a packed
// skin.
std::string SkinFolderFault(const std::string& Path) {
  std::string pattern = Path;
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
  pattern += "*.ini*";
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES)
      return "the folder holds no skin definition (a .ini file)";
    return "the folder cannot be read (" + SystemErrorText(error) + ")";
  }
  bool definition = false;
  do definition = !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  while (!definition && FindNextFileA(search, &found));
  FindClose(search);
  return definition ? std::string() : "the folder holds no skin definition (a .ini file)";
}

}  // namespace

std::string SkinSourceFault(const std::string& Path) {
  if (Path.empty()) return "no file or folder is named";
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return "it does not exist";
    return "it cannot be read (" + SystemErrorText(error) + ")";
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return SkinFolderFault(Path);
  return SkinFileFault(Path);
}

std::string ApplySkinSwitch(TSkinData& Data, const std::string& Value) {
  if (SameText(Value, "none")) {
    Data.SetActive(false);
    return {};
  }
  const std::string fault = SkinSourceFault(Value);
  if (fault.empty()) Data.SetSkinFile(Value);
  Data.SetActive(true);
  if (fault.empty()) return {};
  return "The skin \"" + Value + "\" cannot be used: " + fault +
         ".\nFernwick goes on with its own skin.";
}
