#include "app/SkinSwitch.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/SkinMessageCapture.h"
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

// Faults that keep a skin from being shown as its author made it: a damaged
// archive or a missing definition always; for a user (not an author
// judging the skin), missing and unreadable bitmaps too. Values brought
// into range never do.
bool Refuses(TSkinFindingKind Kind, TSkinReading Reading) {
  switch (Kind) {
    case TSkinFindingKind::DamagedArchive:
    case TSkinFindingKind::MissingDefinition:
      return true;
    case TSkinFindingKind::MissingFile:
    case TSkinFindingKind::UnreadableBitmap:
      return Reading == TSkinReading::srForUser;
    default:
      return false;
  }
}

std::string DamageFault(const TSkinFindings& Findings, TSkinReading Reading) {
  TSkinFindings damage;
  for (const TSkinFinding& finding : Findings.Items())
    if (Refuses(finding.Kind, Reading)) damage.Add(finding);
  if (damage.Empty()) return {};
  return "it is damaged (" + damage.Summary() + ")";
}

// Reads the skin with Load on its own, nothing applied: why it cannot serve,
// or empty. The reader's own complaint becomes part of the one message.
template <class TLoad>
std::string ReadFault(TLoad Load, const char* Refusal, TSkinReading Reading) {
  TSkinMessageCapture said;
  TParsedSkin skin;
  TSkinFindings findings;
  bool loaded = false;
  std::string complaint;
  try {
    loaded = Load(skin, findings);
  } catch (const std::exception& e) {
    complaint = e.what();
  }
  if (loaded) return DamageFault(findings, Reading);
  if (complaint.empty()) complaint = said.Joined(" ");
  return Refusal + (complaint.empty() ? std::string() : " (" + complaint + ")");
}

// Why the packed skin file cannot serve as a skin; empty when it can.
std::string SkinFileFault(const std::string& Path, TSkinReading Reading) {
  HANDLE file = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return "the file cannot be read (" + SystemErrorText(GetLastError()) + ")";
  CloseHandle(file);
  std::ifstream in(Path, std::ios::binary);
  const TBytes blob((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (blob.empty()) return "the file is empty";
  return ReadFault([&](TParsedSkin& Skin,
                       TSkinFindings& Findings) { return LoadSkinBlob(blob, Skin, &Findings); },
                   "it is not a skin file", Reading);
}

// Why the unpacked skin folder cannot serve as a skin; empty when it can.
// The definition is the first file whose name holds ".ini", as in a packed
// skin.
std::string SkinFolderFault(const std::string& Path, TSkinReading Reading) {
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
  if (!definition) return "the folder holds no skin definition (a .ini file)";
  return ReadFault(
      [&](TParsedSkin& Skin, TSkinFindings& Findings) {
        return LoadSkinFromFolder(std::filesystem::path(Path), Skin, &Findings);
      },
      "the folder cannot be read as a skin", Reading);
}

}  // namespace

std::string SkinSourceFault(const std::string& Path, TSkinReading Reading) {
  if (Path.empty()) return "no file or folder is named";
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return "it does not exist";
    return "it cannot be read (" + SystemErrorText(error) + ")";
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return SkinFolderFault(Path, Reading);
  return SkinFileFault(Path, Reading);
}

std::string ApplySkinSwitch(TSkinData& Data, const std::string& Value) {
  if (SameText(Value, "none")) {
    Data.SetActive(false);
    return {};
  }
  std::string fault = SkinSourceFault(Value, TSkinReading::srForUser);
  if (fault.empty()) {
    TSkinMessageCapture said;
    Data.SetSkinFile(Value);
    fault = said.Joined(" ");
  }
  Data.SetActive(true);
  if (!fault.empty())
    return "The skin \"" + Value + "\" cannot be used: " + fault +
           ".\nFernwick goes on with its own skin.";
  if (Data.Findings().Empty()) return {};
  return "The skin \"" + Value + "\" has faults; Fernwick works around them:\n\n" +
         FindingsText(Data.Findings());
}

std::string FindingsText(const TSkinFindings& Findings, std::size_t MostLines) {
  const std::vector<std::string> lines = Findings.Lines();
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < MostLines; ++i)
    text += (i ? "\n" : "") + lines[i];
  if (lines.size() > MostLines)
    text += "\n... and " + std::to_string(lines.size() - MostLines) + " more.";
  return text;
}
