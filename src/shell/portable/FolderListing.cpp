#include "shell/portable/FolderListing.h"

#include <algorithm>

namespace {

bool ByName(const TFolderEntry& A, const TFolderEntry& B) { return A.Name < B.Name; }

struct TSplit {
  std::vector<const TFolderEntry*> Removed, Added, Modified;
};

TSplit Split(const std::vector<TFolderEntry>& Before, const std::vector<TFolderEntry>& After) {
  TSplit split;
  auto before = Before.begin();
  auto after = After.begin();
  while (before != Before.end() || after != After.end()) {
    if (after == After.end() || (before != Before.end() && before->Name < after->Name)) {
      split.Removed.push_back(&*before++);
    } else if (before == Before.end() || after->Name < before->Name) {
      split.Added.push_back(&*after++);
    } else {
      if (before->IsFolder != after->IsFolder) {
        // A file replaced by a folder of the same name, or the reverse.
        split.Removed.push_back(&*before);
        split.Added.push_back(&*after);
      } else if (!after->IsFolder &&
                 (before->Size != after->Size || before->WriteTime != after->WriteTime)) {
        split.Modified.push_back(&*after);
      }
      ++before;
      ++after;
    }
  }
  return split;
}

std::vector<const TFolderEntry*> OfKind(const std::vector<const TFolderEntry*>& Entries,
                                        bool Folders) {
  std::vector<const TFolderEntry*> result;
  for (const TFolderEntry* entry : Entries)
    if (entry->IsFolder == Folders) result.push_back(entry);
  return result;
}

// Without Ids, one removed and one added entry of a kind, and nothing else
// of it, is taken for a rename (files also need the same size).
bool LooksRenamed(const std::vector<const TFolderEntry*>& Removed,
                  const std::vector<const TFolderEntry*>& Added, bool Folders) {
  if (Removed.size() != 1 || Added.size() != 1) return false;
  if (Removed[0]->Id != 0 || Added[0]->Id != 0) return false;
  return Folders || Removed[0]->Size == Added[0]->Size;
}

// Takes the pairs with the same known Id and the same time of making or of
// writing out of Removed and Added, as renames in the order of the removed
// names. Where the platform's time of making moves with the content, a
// folder renamed after its content changed is taken for a removal and an
// addition, which is true too; a number given again never makes a rename.
std::vector<TFolderChange> TakeRenamesById(std::vector<const TFolderEntry*>& Removed,
                                           std::vector<const TFolderEntry*>& Added,
                                           bool Folders) {
  std::vector<TFolderChange> renames;
  for (auto removed = Removed.begin(); removed != Removed.end();) {
    const TFolderEntry& was = **removed;
    auto added = was.Id == 0 ? Added.end()
                             : std::find_if(Added.begin(), Added.end(), [&](const TFolderEntry* E) {
                                 return E->Id == was.Id && (E->Created == was.Created ||
                                                            E->WriteTime == was.WriteTime);
                               });
    if (added == Added.end()) {
      ++removed;
      continue;
    }
    renames.push_back({TFolderChangeKind::Renamed, Folders, (*removed)->Name, (*added)->Name});
    Added.erase(added);
    removed = Removed.erase(removed);
  }
  return renames;
}

}  // namespace

TFolderListing::TFolderListing(std::vector<TFolderEntry> Entries) : FEntries(std::move(Entries)) {
  std::stable_sort(FEntries.begin(), FEntries.end(), ByName);
  FEntries.erase(std::unique(FEntries.begin(), FEntries.end(),
                             [](const TFolderEntry& A, const TFolderEntry& B) {
                               return A.Name == B.Name;
                             }),
                 FEntries.end());
}

const TFolderEntry* TFolderListing::Find(const std::string& Name) const {
  auto found = std::lower_bound(FEntries.begin(), FEntries.end(), TFolderEntry{Name}, ByName);
  return found != FEntries.end() && found->Name == Name ? &*found : nullptr;
}

std::vector<TFolderChange> TFolderListing::ChangesTo(const TFolderListing& Later) const {
  const TSplit split = Split(FEntries, Later.FEntries);
  std::vector<TFolderChange> changes;
  for (bool folders : {true, false}) {
    auto removed = OfKind(split.Removed, folders);
    auto added = OfKind(split.Added, folders);
    const std::vector<TFolderChange> renames = TakeRenamesById(removed, added, folders);
    changes.insert(changes.end(), renames.begin(), renames.end());
    if (LooksRenamed(removed, added, folders)) {
      changes.push_back({TFolderChangeKind::Renamed, folders, removed[0]->Name, added[0]->Name});
      continue;
    }
    for (const TFolderEntry* entry : removed)
      changes.push_back({TFolderChangeKind::Removed, folders, entry->Name, {}});
    for (const TFolderEntry* entry : added)
      changes.push_back({TFolderChangeKind::Added, folders, entry->Name, {}});
  }
  for (const TFolderEntry* entry : split.Modified)
    changes.push_back({TFolderChangeKind::Modified, false, entry->Name, {}});
  return changes;
}
