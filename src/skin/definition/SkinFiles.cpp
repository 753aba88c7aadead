#include "skin/definition/SkinFiles.h"

#include "skin/definition/QuickIni.h"

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
