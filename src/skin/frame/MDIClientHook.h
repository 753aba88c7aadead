#pragma once
// The MDI client of a skinned MDI parent: its window procedure is replaced
// while the parent is skinned, so that the client's scroll bars, child
// creation and destruction, tiling and cascading keep the children's
// maximised state and the parent's menu in step with the skin.

#include <windows.h>

class TWinSkinForm;

class TMDIClientHook {
 public:
  TMDIClientHook(TWinSkinForm& Parent, HWND Client);
  ~TMDIClientHook();
  TMDIClientHook(const TMDIClientHook&) = delete;
  TMDIClientHook& operator=(const TMDIClientHook&) = delete;

  HWND Client() const { return FClient; }
  // Puts the client's own procedure back (also when the client goes).
  void Restore();

 private:
  static LRESULT CALLBACK ClientProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT Message(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT CallClient(UINT Msg, WPARAM WParam, LPARAM LParam);
  void OnChildDestroyed();

  TWinSkinForm& FParent;
  HWND FClient;
  WNDPROC FOldProc = nullptr;
  bool FInstalled = false;
  bool FSavedMenuUpdate = true;
};
