#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>

#include "Command.h"
#include "SkinFile.h"
#include "skin/archive/SkinArchiveBuilder.h"

namespace fs = std::filesystem;

namespace {

// The regular files of Dir by name, sorted as the reader will name them
// (lower case), then byte-wise. Sub-folders are left
// out with a note: an archive has no folders.
std::vector<std::string> FileNames(const fs::path& Dir) {
  std::error_code error;
  if (!fs::is_directory(Dir, error)) throw ECommandError(Dir.string() + " is not a folder");
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(Dir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file()) {
      names.push_back(name);
    } else {
      std::fprintf(stderr, "skinpack pack: skipping %s: not a regular file\n", name.c_str());
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& A, const std::string& B) {
    const std::string a = TSkinReader::LowerCase(A), b = TSkinReader::LowerCase(B);
    return a != b ? a < b : A < B;
  });
  return names;
}

// Names the reader could not keep apart or could not split are refused.
void CheckNames(const std::vector<std::string>& Names) {
  if (Names.size() > TSkinReader::kMaxEntries)
    throw ECommandError("too many files: " + std::to_string(Names.size()) + " (at most " +
                        std::to_string(TSkinReader::kMaxEntries) + ")");
  std::map<std::string, std::string> byStoredName;
  for (const std::string& name : Names) {
    if (name.find_first_of("\r\n") != std::string::npos)
      throw ECommandError("a file name holds a line break: the name list cannot carry it");
    const auto [it, added] = byStoredName.emplace(TSkinReader::LowerCase(name), name);
    if (!added)
      throw ECommandError(it->second + " and " + name +
                          " differ only in case: the skin would only ever find the first");
  }
}

}  // namespace

int RunPack(const std::vector<std::string>& Args) {
  if (Args.size() != 2) throw EUsageError("expects DIR OUT");
  const fs::path dir = Args[0];
  const std::vector<std::string> names = FileNames(dir);
  CheckNames(names);

  TSkinArchiveBuilder builder;
  std::int64_t archiveSize = 0;
  for (const std::string& name : names) {
    TBytes bytes = ReadWholeFile((dir / name).string());
    archiveSize += static_cast<std::int64_t>(bytes.size() + name.size() + 6);
    if (archiveSize > TSkinReader::kMaxArchiveSize)
      throw ECommandError("the files add up to more than a skin may hold (" +
                          std::to_string(TSkinReader::kMaxArchiveSize) + " bytes)");
    builder.Add(name, std::move(bytes));
  }
  const TBytes blob = builder.BuildCompressed();

  // The encoder is ours too: check the result loads back before writing it.
  TSkinReader check;
  if (!check.LoadArchive(blob) || check.Names().size() != names.size())
    throw ECommandError("internal error: the packed skin does not load back");

  WriteWholeFile(Args[1], blob);
  std::printf("%s: %zu files, %lld bytes, compressed to %zu bytes\n", Args[1].c_str(), names.size(),
              static_cast<long long>(check.DataArea().size()), blob.size());
  return 0;
}
