#include "shell/ShellItem.h"

TVintoShellItem::TVintoShellItem(LPCITEMIDLIST List)
    : FAbsoluteIDList(CopyIDList(List)), FShellFolder(BindToFolder(FAbsoluteIDList)) {}

TVintoShellItem::~TVintoShellItem() {
  FShellFolder.Reset();
  FreeIDList(FAbsoluteIDList);
}
