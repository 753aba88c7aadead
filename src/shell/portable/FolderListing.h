#pragma once
// What a folder held when it was last looked at, and what changed between
// two looks. Used where a folder's changes cannot be had from the platform
// and are found by looking again.

#include <cstdint>
#include <string>
#include <vector>

struct TFolderEntry {
  std::string Name;
  bool IsFolder = false;
  std::uint64_t Size = 0;
  std::uint64_t WriteTime = 0;
};

enum class TFolderChangeKind { Added, Removed, Renamed, Modified };

struct TFolderChange {
  TFolderChangeKind Kind = TFolderChangeKind::Added;
  bool IsFolder = false;
  std::string Name;
  std::string NewName;  // Renamed only
};

class TFolderListing {
 public:
  TFolderListing() = default;
  // Entries in any order; a name listed twice counts once.
  explicit TFolderListing(std::vector<TFolderEntry> Entries);

  const std::vector<TFolderEntry>& Entries() const { return FEntries; }
  const TFolderEntry* Find(const std::string& Name) const;

  // What turns this listing into Later: folders first, then files, each
  // with removals before additions and by name; modified files last. One
  // folder removed and one added
  // (or one file removed and one of the same size added) between the looks
  // count as a rename. A folder's own size and time change with its
  // content and are not compared.
  std::vector<TFolderChange> ChangesTo(const TFolderListing& Later) const;

 private:
  std::vector<TFolderEntry> FEntries;  // sorted by name
};
