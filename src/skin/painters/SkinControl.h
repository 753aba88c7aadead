#pragma once
// The base of every control painter: it sits in front of one control's
// message path, lets the control do its work and paints it from the skin.
//
// A painter is attached either to a toolkit control (AttachToControl: its
// WindowProc method pointer is saved and replaced) or to a bare window
// (AttachToWindow: its window procedure is saved and replaced). Detaching,
// which destruction does, puts back exactly what was replaced, and the
// painter leaves its form skinner's painter list. Every attached painter
// answers SM_ISSKINNED with 1, which keeps recognition from attaching a
// second one.

#include <windows.h>

#include <string>

#include "toolkit/Control.h"
#include "toolkit/portable/Component.h"

class TSkinData;
class TWinSkinForm;
class TCanvas;

class TSkinControl : public TComponent {
  FW_CLASS(TSkinControl)
 public:
  explicit TSkinControl(TComponent* AOwner);
  ~TSkinControl() override;

  // Attaches to a toolkit control (the painter's owner is that control).
  virtual void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                               TCanvas* Canvas);
  // Attaches to a bare window (the painter's owner is the form skinner).
  virtual void AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                              TCanvas* Canvas);
  // Re-reads the skin after a skin change.
  virtual void SkinChanged();
  virtual void PaintNonClient(HDC DC);

  bool Attached() const { return FAttached; }
  HWND Handle() const { return FHandle; }
  TControl* Control() const { return FControl; }
  TSkinData* SkinData() const { return FSkinData; }
  TWinSkinForm* FormSkinner() const { return FFormSkinner; }
  // 0 created, 1 attached, 6 the window got WM_NCDESTROY.
  int LifeState() const { return FLifeState; }
  bool PaintingEnabled() const { return FPaintingEnabled; }
  bool PaintBackground() const { return FPaintBackground; }
  // Painters of this kind are freed without being detached.
  int Kind() const { return FKind; }
  const std::wstring& Caption() const { return FCaption; }

  // The form skinner lets go of the painter (it is being freed or
  // released): undo everything now.
  void DetachNow();

 protected:
  // Undoes visual changes; the base gives the control its colour back.
  virtual void Detach();
  // Before the previous handler; true lets the message go on to it.
  virtual bool BeforeMessage(TMessage& Message);
  // After the previous handler, for messages that were passed on.
  virtual void AfterMessage(TMessage& Message);
  // Draws the whole window into DC; nothing in the base.
  virtual void Paint(HDC DC, const RECT& Rect) {}

  void CallPrevious(TMessage& Message);
  void Repaint();

  TCanvas* FCanvas = nullptr;
  RECT FWindowRect{};
  bool FPaintBackground = false;
  int FKind = 0;
  std::wstring FCaption;

 private:
  void Dispatch(TMessage& Message);
  void ControlMessage(TMessage& Message) { Dispatch(Message); }
  void RestoreMessagePath();
  static LRESULT CALLBACK ThunkProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  TSkinData* FSkinData = nullptr;
  TWinSkinForm* FFormSkinner = nullptr;
  TControl* FControl = nullptr;
  HWND FHandle = nullptr;
  bool FUnicode = false;
  bool FAttached = false;
  bool FPaintingEnabled = true;
  int FLifeState = 0;
  TWndMethod FSavedWindowProc;
  WNDPROC FOldWndProc = nullptr;
  bool FThunkInstalled = false;
  int FSavedColor = 0;
};
