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
