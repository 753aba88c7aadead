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
  // What the file system knows the entry by whatever its name (0: unknown),
  // and when it was made: a number can be given again to an entry made after
  // another was removed.
  std::uint64_t Id = 0;
  std::uint64_t Created = 0;
  // A folder that is a link to another place: listed, not looked into.
  bool LinksElsewhere = false;
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
  // with renames, then removals, then additions, by name; modified files
  // last. An entry removed and one added with the same known Id and the same
  // time of making or of writing is a rename.
  // Where Ids are unknown, one folder removed and one added (or one file
  // removed and one of the same size added) between the looks count as a
  // rename. A folder's own size and time change with its content and are not
  // compared.
  std::vector<TFolderChange> ChangesTo(const TFolderListing& Later) const;

 private:
  std::vector<TFolderEntry> FEntries;  // sorted by name
};
