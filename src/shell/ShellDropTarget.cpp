#include "shell/ShellDropTarget.h"

#include "shell/AutoScroll.h"
#include "shell/IDListHolder.h"
#include "shell/ShellFolderDropTarget.h"
#include "shell/ShellModule.h"
#include "shell/portable/IDListArray.h"
#include "shell/portable/IDListBytes.h"

using Microsoft::WRL::ComPtr;

namespace {

// A list read from a block of Limit bytes, copied whole with the shell's
// allocator (a list cut short ends where the block does).
TIDListHolder CopyFromBlock(const IDListArray::TView::TList& List) {
  return TIDListHolder(reinterpret_cast<LPITEMIDLIST>(
      IDListBytes::CopyIDList(TShellModule::Instance().Allocator(), List.Start, List.Limit)));
}

class TGlobalLock {
 public:
  explicit TGlobalLock(HGLOBAL Memory) : FMemory(Memory), FBytes(GlobalLock(Memory)) {}
  ~TGlobalLock() {
    if (FBytes) GlobalUnlock(FMemory);
  }
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  const std::uint8_t* Bytes() const { return static_cast<const std::uint8_t*>(FBytes); }
  std::size_t Size() const { return FBytes ? GlobalSize(FMemory) : 0; }

 private:
  HGLOBAL FMemory;
  void* FBytes;
};

}  // namespace

TVintoShellDropTarget::~TVintoShellDropTarget() = default;

void TVintoShellDropTarget::Detach() {
  FHost = nullptr;
  FData.Reset();
  FInfo.reset();
}

HRESULT TVintoShellDropTarget::QueryInterface(REFIID Iid, void** Object) {
  if (!Object) return E_POINTER;
  if (IsEqualIID(Iid, IID_IUnknown) || IsEqualIID(Iid, IID_IDropTarget)) {
    *Object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *Object = nullptr;
  return E_NOINTERFACE;
}

ULONG TVintoShellDropTarget::Release() {
  const ULONG refs = --FRefs;
  if (refs == 0) delete this;
  return refs;
}

// ---- The platform's reports: nothing thrown gets past them ---------------

HRESULT TVintoShellDropTarget::DragEnter(IDataObject* Data, DWORD Keys, POINTL Point,
                                         DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  try {
    return Enter(Data, Keys, Point, Effect);
  } catch (...) {
    *Effect = DROPEFFECT_NONE;
    return E_UNEXPECTED;
  }
}

HRESULT TVintoShellDropTarget::DragOver(DWORD Keys, POINTL Point, DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  try {
    return Over(Keys, Point, Effect);
  } catch (...) {
    *Effect = DROPEFFECT_NONE;
    return E_UNEXPECTED;
  }
}

HRESULT TVintoShellDropTarget::DragLeave() {
  try {
    if (FHost && FInfo) {
      POINT cursor;
      GetCursorPos(&cursor);
      FHost->AcceptDrag(FInfo.get(), ToClient({cursor.x, cursor.y}), dsDragLeave);
    }
    EndDrag();
  } catch (...) {
    FData.Reset();
    FInfo.reset();
  }
  return S_OK;
}

HRESULT TVintoShellDropTarget::Drop(IDataObject* Data, DWORD Keys, POINTL Point, DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  try {
    return Dropped(Data, Keys, Point, Effect);
  } catch (...) {
    *Effect = DROPEFFECT_NONE;
    FData.Reset();
    FInfo.reset();
    return E_UNEXPECTED;
  }
}

// ---- The work ------------------------------------------------------------

HRESULT TVintoShellDropTarget::Enter(IDataObject* Data, DWORD Keys, POINTL Point, DWORD* Effect) {
  if (!FHost || !Data) {
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  FData = Data;
  FInfo = std::make_unique<TVintoShellOleDragDropInfo>();
  FLeftButton = (Keys & MK_LBUTTON) != 0;
  FItem = nullptr;
  FItemKnown = false;
  FRefused = false;
  FHovering = false;
  FHoverItem = nullptr;
  ReadShellItems(Data, *FInfo);
  if (!FHost->AcceptDrag(FInfo.get(), ToClient(Point), dsDragEnter)) {
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  // The first cursor already tells what a drop here would do.
  return Over(Keys, Point, Effect);
}

HRESULT TVintoShellDropTarget::Over(DWORD Keys, POINTL Point, DWORD* Effect) {
  if (!FHost || !FInfo) {
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  const POINT client = ToClient(Point);
  const DWORD now = GetTickCount();
  if (now - FLastScroll > static_cast<DWORD>(FHost->DropAutoScrollInterval())) {
    AutoScrollControl(FHost->DropWindow(), POINT{Point.x, Point.y});
    FLastScroll = now;
  }
  void* item = FHost->DropItemAt(client);
  TVintoShellItem* source = FInfo->SourceFolder();
  if (item && source && SameIDList(FHost->DropItemIDList(item), source->AbsoluteIDList())) {
    // Into the folder the items come from: nothing to do there.
    FItem = item;
    FItemKnown = true;
    FHost->HighlightDropItem(nullptr);
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  ForceEffect(*Effect);
  ComPtr<IDropTarget> target = ShellTargetAt(client, item);
  if (!target) {
    FItem = item;
    FItemKnown = true;
    *Effect = DROPEFFECT_NONE;
    return S_OK;
  }
  DWORD entered = *Effect;
  target->DragEnter(FData.Get(), Keys, Point, &entered);
  HRESULT result = target->DragOver(Keys, Point, Effect);
  target->DragLeave();
  if (!FItemKnown || item != FItem) {
    FItem = item;
    FItemKnown = true;
    FRefused = false;
    FInfo->SetTargetFolder(FHost->DropItemIDList(item));
    if (*Effect != DROPEFFECT_NONE && !FHost->AcceptDrag(FInfo.get(), client, dsDragMove)) {
      FRefused = true;
      *Effect = DROPEFFECT_NONE;
      result = S_OK;
    }
  } else if (FRefused) {
    *Effect = DROPEFFECT_NONE;
  }
  return result;
}

HRESULT TVintoShellDropTarget::Dropped(IDataObject* Data, DWORD Keys, POINTL Point, DWORD* Effect) {
  if (!FHost || !FInfo || !Data) {
    *Effect = DROPEFFECT_NONE;
    EndDrag();
    return S_OK;
  }
  const POINT client = ToClient(Point);
  void* item = FHost->DropItemAt(client);
  if (item) {
    switch (FHost->DropEffectSetting()) {
      case deCopyOnly:
        *Effect = DROPEFFECT_COPY;
        Keys |= MK_CONTROL;
        break;
      case deMoveOnly:
        *Effect = DROPEFFECT_MOVE;
        Keys = (Keys & ~MK_CONTROL) | MK_SHIFT;
        break;
      case deLinkOnly:
        *Effect = DROPEFFECT_LINK;
        Keys |= MK_SHIFT | MK_CONTROL;
        break;
      case deDefault:
        break;
    }
  }
  // With the button named, the shell's target does its default action
  // instead of asking with its right-drag menu.
  if (FLeftButton) Keys |= MK_LBUTTON;
  ComPtr<IDropTarget> target = ShellTargetAt(client, item);
  if (!target) {
    *Effect = DROPEFFECT_NONE;
    EndDrag();
    return S_OK;
  }
  DWORD entered = *Effect;
  target->DragEnter(Data, Keys, Point, &entered);
  const HRESULT result = target->Drop(Data, Keys, Point, Effect);
  FInfo->Effect = TVintoShellOleDragDropInfo::EffectOf(*Effect);
  FInfo->SetTargetFolder(FHost->DropItemIDList(item));
  FHost->DragDropped(FInfo.get(), client);
  EndDrag();
  return result;
}

void TVintoShellDropTarget::EndDrag() {
  FData.Reset();
  FInfo.reset();
  if (FHost) FHost->HighlightDropItem(nullptr);
  FItem = nullptr;
  FItemKnown = false;
  FHovering = false;
  FHoverItem = nullptr;
}

POINT TVintoShellDropTarget::ToClient(POINTL Point) const {
  POINT p{Point.x, Point.y};
  if (FHost) ScreenToClient(FHost->DropWindow(), &p);
  return p;
}

void TVintoShellDropTarget::ForceEffect(DWORD& Effect) const {
  switch (FHost->DropEffectSetting()) {
    case deCopyOnly:
      Effect = DROPEFFECT_COPY;
      break;
    case deMoveOnly:
      Effect = DROPEFFECT_MOVE;
      break;
    case deLinkOnly:
      Effect = DROPEFFECT_LINK;
      break;
    case deDefault:
      break;
  }
}

ComPtr<IDropTarget> TVintoShellDropTarget::ShellTargetAt(POINT Client, void*& Item) {
  Item = FHost->DropItemAt(Client);
  FHost->HighlightDropItem(Item);
  const DWORD now = GetTickCount();
  if (Item != FHoverItem) {
    FHoverItem = Item;
    FHovering = Item && FHost->DropItemOpens(Item);
    FHoverStart = now;
  } else if (FHovering && now - FHoverStart > static_cast<DWORD>(FHost->DropAutoExpandInterval())) {
    FHovering = false;
    FHost->OpenDropItem(Item);
    Item = FHost->DropItemAt(Client);
    FHoverItem = Item;
    FHost->HighlightDropItem(Item);
  }
  return Item ? ShellTargetOf(FHost->DropItemIDList(Item)) : nullptr;
}

ComPtr<IDropTarget> TVintoShellDropTarget::ShellTargetOf(LPCITEMIDLIST List) const {
  ComPtr<IDropTarget> target;
  if (!List) return target;
  HWND owner = FHost->DropWindow();
  if (IsDesktopIDList(List)) {
    IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
    if (!desktop || FAILED(desktop->CreateViewObject(
                        owner, IID_IDropTarget, reinterpret_cast<void**>(target.GetAddressOf()))))
      target.Reset();
    return target;
  }
  if (TVintoShellFolderDropTarget::PlatformNeedsStandIn()) {
    const std::string path = IDListToPath(List);
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      target.Attach(new TVintoShellFolderDropTarget(owner, path));
      return target;
    }
  }
  TShellFolderPtr parent = BindToParentFolder(List);
  LPCITEMIDLIST item = LastID(List);
  if (!parent || FAILED(parent->GetUIObjectOf(owner, 1, &item, IID_IDropTarget, nullptr,
                                              reinterpret_cast<void**>(target.GetAddressOf()))))
    target.Reset();
  return target;
}

bool TVintoShellDropTarget::ReadShellItems(IDataObject* Data, TVintoShellOleDragDropInfo& Info) {
  const UINT format = TShellModule::Instance().IDListArrayFormat();
  if (!Data || !format) return false;
  FORMATETC wanted{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  if (Data->QueryGetData(&wanted) != S_OK) return false;
  STGMEDIUM medium{};
  if (Data->GetData(&wanted, &medium) != S_OK) return false;
  bool read = false;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    TGlobalLock lock(medium.hGlobal);
    IDListArray::TView view;
    if (IDListArray::Read(lock.Bytes(), lock.Size(), view)) {
      TIDListHolder parent = CopyFromBlock(view.Parent);
      if (parent) {
        Info.SetSourceFolder(parent.Get());
        for (const auto& entry : view.Items) {
          TIDListHolder item = CopyFromBlock(entry);
          TIDListHolder absolute(ConcatIDLists(parent.Get(), item.Get()));
          if (item && absolute) Info.Items().Add(absolute.Get());
        }
        read = true;
      }
    }
  }
  ReleaseStgMedium(&medium);
  return read;
}
