#pragma once
// The OLE drop target of a shell tree or list view. Each report from the
// platform is passed on to the shell's own drop target of the folder under
// the cursor, which decides the effect by the keys held and does the copy,
// move or link on a drop; this object adds what the component asks for: the
// forced effect, no drop into the folder the items come from, the
// component's acceptance, the drop highlight, opening a folder that is
// hovered over and scrolling near the edges.

#include <oleidl.h>

#include <atomic>
#include <memory>

#include "shell/ShellDropHost.h"
#include "shell/ShellIDList.h"
#include "shell/ShellOleDragDropInfo.h"

class TVintoShellDropTarget : public IDropTarget {
 public:
  explicit TVintoShellDropTarget(TVintoShellDropHost* Host) : FHost(Host) {}
  virtual ~TVintoShellDropTarget();

  // The component is going: later reports are refused.
  void Detach();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* Data, DWORD Keys, POINTL Point,
                                      DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD Keys, POINTL Point, DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* Data, DWORD Keys, POINTL Point,
                                 DWORD* Effect) override;

  // The drag in progress; null outside a drag.
  TVintoShellOleDragDropInfo* Info() const { return FInfo.get(); }

  // Reads the "Shell IDList Array" of Data into Info's source folder and
  // items; false (Info unchanged) when Data holds no such block, or a
  // damaged one.
  static bool ReadShellItems(IDataObject* Data, TVintoShellOleDragDropInfo& Info);

 private:
  HRESULT Enter(IDataObject* Data, DWORD Keys, POINTL Point, DWORD* Effect);
  HRESULT Over(DWORD Keys, POINTL Point, DWORD* Effect);
  HRESULT Dropped(IDataObject* Data, DWORD Keys, POINTL Point, DWORD* Effect);
  void EndDrag();
  POINT ToClient(POINTL Point) const;
  // The item under the point becomes the highlighted drop target (opened
  // when hovered over long enough); returns the shell's drop target for it.
  Microsoft::WRL::ComPtr<IDropTarget> ShellTargetAt(POINT Client, void*& Item);
  Microsoft::WRL::ComPtr<IDropTarget> ShellTargetOf(LPCITEMIDLIST List) const;
  void ForceEffect(DWORD& Effect) const;

  std::atomic<ULONG> FRefs{1};
  TVintoShellDropHost* FHost;
  Microsoft::WRL::ComPtr<IDataObject> FData;
  std::unique_ptr<TVintoShellOleDragDropInfo> FInfo;
  bool FLeftButton = false;
  // The item the last report was about, and whether it was refused.
  void* FItem = nullptr;
  bool FItemKnown = false;
  bool FRefused = false;
  // The item hovered over, and since when, while it would open.
  void* FHoverItem = nullptr;
  bool FHovering = false;
  DWORD FHoverStart = 0;
  DWORD FLastScroll = 0;
};
