#include "shell/ShellDragSource.h"

#include <wrl/client.h>

#include "shell/ShellDropSource.h"

using Microsoft::WRL::ComPtr;

DWORD AllowedDragEffects(ULONG Attributes, TVintoShellOleDragEffects Effects) {
  DWORD allowed = DROPEFFECT_NONE;
  if ((Attributes & SFGAO_CANCOPY) && Effects.Contains(deCopy)) allowed |= DROPEFFECT_COPY;
  if ((Attributes & SFGAO_CANMOVE) && Effects.Contains(deMove)) allowed |= DROPEFFECT_MOVE;
  if ((Attributes & SFGAO_CANLINK) && Effects.Contains(deLink)) allowed |= DROPEFFECT_LINK;
  return allowed;
}

bool RunShellDrag(const TVintoShellDragRequest& Request, TVintoShellDragOwner& Owner,
                  bool* CancelledByButton) {
  if (!Request.Folder || Request.Items.empty()) return false;
  HWND main = Request.Owner ? GetAncestor(Request.Owner, GA_ROOT) : nullptr;
  auto* items = const_cast<LPCITEMIDLIST*>(Request.Items.data());
  const UINT count = static_cast<UINT>(Request.Items.size());
  ComPtr<IDataObject> data;
  if (FAILED(Request.Folder->GetUIObjectOf(main, count, items, IID_IDataObject, nullptr,
                                           reinterpret_cast<void**>(data.GetAddressOf()))) ||
      !data)
    return false;
  ComPtr<TVintoShellDropSource> source;
  source.Attach(new TVintoShellDropSource(Request.Button));
  ULONG attributes = SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK;
  if (FAILED(Request.Folder->GetAttributesOf(count, items, &attributes))) attributes = 0;
  const DWORD allowed = AllowedDragEffects(attributes, Request.Effects);

  Owner.DragStarting();
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data.Get(), source.Get(), allowed, &effect);
  if (CancelledByButton) *CancelledByButton = source->CancelledByButton();
  if (result == DRAGDROP_S_DROP) {
    TVintoShellOleDragDropInfo info;
    info.Effect = TVintoShellOleDragDropInfo::EffectOf(effect);
    info.SetSourceFolder(Request.SourceFolder);
    POINT cursor;
    GetCursorPos(&cursor);
    Owner.DragEnded(&info, cursor);
  } else {
    Owner.DragEnded(nullptr, POINT{-1, -1});
  }
  return true;
}
