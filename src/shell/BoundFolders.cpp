#include "shell/BoundFolders.h"

#include <algorithm>

TShellFolderPtr TBoundFolders::Bind(const void* Key, LPCITEMIDLIST List, const void* Parent) {
  if (!List) return nullptr;
  if (TShellFolderPtr known = Find(Key)) return known;
  TShellFolderPtr folder;
  if (TShellFolderPtr parent = Kept(Parent)) {
    if (FAILED(parent->BindToObject(LastID(List), nullptr, IID_IShellFolder,
                                    reinterpret_cast<void**>(folder.GetAddressOf()))))
      folder.Reset();
  }
  if (!folder) folder = BindToFolder(List);
  if (folder) Remember(Key, folder);
  return folder;
}

void TBoundFolders::Forget(const void* Key) {
  FEntries.erase(std::remove_if(FEntries.begin(), FEntries.end(),
                                [&](const TEntry& Entry) { return Entry.Key == Key; }),
                 FEntries.end());
}

TShellFolderPtr TBoundFolders::Find(const void* Key) {
  auto it = std::find_if(FEntries.begin(), FEntries.end(),
                         [&](const TEntry& Entry) { return Entry.Key == Key; });
  if (it == FEntries.end()) return nullptr;
  std::rotate(FEntries.begin(), it, it + 1);
  return FEntries.front().Folder;
}

void TBoundFolders::Remember(const void* Key, const TShellFolderPtr& Folder) {
  if (FCapacity == 0) return;
  if (FEntries.size() >= FCapacity) FEntries.pop_back();
  FEntries.insert(FEntries.begin(), {Key, Folder});
}
