#include "skin/definition/FolderSkinFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "skin/archive/SkinReader.h"

namespace fs = std::filesystem;

const std::uintmax_t TFolderSkinFiles::kMaxFileSize = TSkinReader::kMaxArchiveSize;

TFolderSkinFiles::TFolderSkinFiles(fs::path Folder) : FFolder(std::move(Folder)) {
  std::error_code error;
  fs::directory_iterator it(FFolder, error);
  if (error) return;
  FListed = true;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    std::error_code kind;
    if (it->is_regular_file(kind)) FNames.push_back(it->path().filename().string());
  }
  std::sort(FNames.begin(), FNames.end(), [](const std::string& A, const std::string& B) {
    const std::string a = TSkinReader::LowerCase(A), b = TSkinReader::LowerCase(B);
    return a != b ? a < b : A < B;
  });
  for (const std::string& name : FNames) FByLowerName.emplace(TSkinReader::LowerCase(name), name);
}

std::string TFolderSkinFiles::DefinitionName() const {
  for (const std::string& name : FNames)
    if (TSkinReader::LowerCase(name).find(".ini") != std::string::npos) return name;
  return {};
}

const std::string* TFolderSkinFiles::Lookup(std::string_view Name) const {
  const auto found = FByLowerName.find(TSkinReader::LowerCase(Name));
  return found == FByLowerName.end() ? nullptr : &found->second;
}

bool TFolderSkinFiles::Read(const std::string& FileName, std::vector<std::uint8_t>& Target) const {
  Target.clear();
  const fs::path path = FFolder / FileName;
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size > kMaxFileSize) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  Target.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    Target.clear();
    return false;
  }
  return true;
}

void TFolderSkinFiles::ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const {
  Target.clear();
  if (const std::string* file = Lookup(Name)) Read(*file, Target);
}

TSkinFileState TFolderSkinFiles::State(std::string_view Name) const {
  const std::string* file = Lookup(Name);
  if (!file) return TSkinFileState::Missing;
  const fs::path path = FFolder / *file;
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size > kMaxFileSize || !std::ifstream(path, std::ios::binary))
    return TSkinFileState::Damaged;
  return TSkinFileState::Present;
}
