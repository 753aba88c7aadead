#pragma once
// The files of an unpacked skin: a folder holding the definition text and
// the bitmaps it names, as "skinpack unpack" leaves it. Names are matched
// ignoring case, as in a packed skin; when two files of the folder differ
// only in case, the one a packed skin would store first is used.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "skin/definition/SkinFiles.h"

class TFolderSkinFiles : public TSkinFiles {
 public:
  // A file above this size is not read (it counts as damaged): no file of a
  // packed skin can be larger.
  static const std::uintmax_t kMaxFileSize;

  // Lists the folder's regular files; their bytes are read when asked for.
  explicit TFolderSkinFiles(std::filesystem::path Folder);

  // Whether the folder could be listed at all.
  bool Listed() const { return FListed; }
  const std::filesystem::path& Folder() const { return FFolder; }
  // The regular files' names, in the order a packed skin stores them
  // (lower-cased name first, then byte-wise).
  const std::vector<std::string>& Names() const { return FNames; }
  // The definition text: the first file, in that order, whose lower-cased
  // name contains ".ini", as in a packed skin; empty when there is none.
  std::string DefinitionName() const;

  void ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const override;
  TSkinFileState State(std::string_view Name) const override;

 private:
  const std::string* Lookup(std::string_view Name) const;
  bool Read(const std::string& FileName, std::vector<std::uint8_t>& Target) const;

  std::filesystem::path FFolder;
  bool FListed = false;
  std::vector<std::string> FNames;
  std::map<std::string, std::string> FByLowerName;  // lower-cased name -> file name
};
