#include "skin/definition/SkinFiles.h"

#include "skin/definition/QuickIni.h"

TSkinFileState TSkinFiles::State(std::string_view Name) const {
  std::vector<std::uint8_t> bytes;
  ExtractFile(Name, bytes);
  return bytes.empty() ? TSkinFileState::Missing : TSkinFileState::Present;
}

void TMemorySkinFiles::Add(std::string_view Name, std::vector<std::uint8_t> Bytes) {
  FFiles[SkinText::LowerCase(Name)] = std::move(Bytes);
}

void TMemorySkinFiles::Add(std::string_view Name, std::string_view Text) {
  Add(Name, std::vector<std::uint8_t>(Text.begin(), Text.end()));
}

void TMemorySkinFiles::ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const {
  Target.clear();
  auto found = FFiles.find(SkinText::LowerCase(Name));
  if (found != FFiles.end()) Target = found->second;
}

TSkinFileState TMemorySkinFiles::State(std::string_view Name) const {
  return FFiles.count(SkinText::LowerCase(Name)) ? TSkinFileState::Present
                                                  : TSkinFileState::Missing;
}
