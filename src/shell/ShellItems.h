#pragma once
// An owned, ordered list of shell objects that share one parent folder, and
// the shell commands that act on all of them at once.

#include <memory>
#include <string>
#include <vector>

#include "shell/ShellItem.h"

class TVintoShellItems {
 public:
  TVintoShellItems() = default;
  ~TVintoShellItems() { Clear(); }
  TVintoShellItems(const TVintoShellItems&) = delete;
  TVintoShellItems& operator=(const TVintoShellItems&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // Null for an index outside 0..Count-1.
  TVintoShellItem* Items(int Index) const;
  // Appends Item and returns its index. The first item added sets
  // ParentFolder; later items are assumed to share that parent.
  int Add(std::unique_ptr<TVintoShellItem> Item);
  int Add(LPCITEMIDLIST List) { return Add(std::make_unique<TVintoShellItem>(List)); }
  void Clear();
  IShellFolder* ParentFolder() const { return FParentFolder.Get(); }

  // An empty verb or "open" opens each item as the shell would (result
  // false); any other verb goes to the items' context menu, and the result
  // tells whether that menu carried it out.
  bool InvokeCommand(const std::string& Verb);
  bool DeleteItems() { return InvokeCommand("Delete"); }

 private:
  void OpenEach(bool WithVerb);
  bool InvokeContextMenuVerb(const std::string& Verb);

  std::vector<std::unique_ptr<TVintoShellItem>> FItems;
  TShellFolderPtr FParentFolder;
};
