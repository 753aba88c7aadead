#include "shell/ShellOleDragDropInfo.h"

#include <oleidl.h>

void TVintoShellOleDragDropInfo::Replace(std::unique_ptr<TVintoShellItem>& Held,
                                         LPCITEMIDLIST List) {
  if (Held && SameIDList(Held->AbsoluteIDList(), List)) return;
  Held.reset();
  if (List) Held = std::make_unique<TVintoShellItem>(List);
}

BYTE TVintoShellOleDragDropInfo::EffectOf(DWORD DropEffect) {
  BYTE effect = 0;
  if (DropEffect & DROPEFFECT_COPY) effect = 1;
  if (DropEffect & DROPEFFECT_MOVE) effect = 2;
  if (DropEffect & DROPEFFECT_LINK) effect = 3;
  return effect;
}
