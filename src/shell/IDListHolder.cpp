#include "shell/IDListHolder.h"

#include "shell/ShellIDList.h"

TIDListHolder& TIDListHolder::operator=(TIDListHolder&& Other) noexcept {
  if (this != &Other) Reset(Other.Release());
  return *this;
}

TIDListHolder::~TIDListHolder() {
  Reset();
}

void TIDListHolder::Reset(LPITEMIDLIST List) {
  if (FList && FList != List) FreeIDList(FList);
  FList = List;
}

TIDListHolder PrefixOf(LPCITEMIDLIST List, UINT Count) {
  TIDListHolder prefix(CopyIDList(List));
  if (!prefix) return prefix;
  LPITEMIDLIST item = prefix.Get();
  for (UINT i = 0; i < Count && item->mkid.cb != 0; ++i) item = NextID(item);
  item->mkid.cb = 0;
  return prefix;
}
