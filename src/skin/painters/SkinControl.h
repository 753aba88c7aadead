#pragma once
// The base of every control painter: it sits in front of one control's
// message path, lets the control do its work and paints the control's whole
// window from the skin.
//
// A painter is attached either to a toolkit control (AttachToControl: its
// WindowProc method pointer is saved and replaced) or to a bare window
// (AttachToWindow: its window procedure is saved and replaced). Every
// message then goes through Dispatch: SM_SETPAINTING switches painting on
// and off, a painter with painting off passes everything on untouched, and
// otherwise BeforeMessage decides whether the previous handler sees the
// message, AfterMessage reacts to what it did. Detaching, which destruction
// does, puts back exactly what was replaced, and the painter leaves its form
// skinner's painter list. Every attached painter answers SM_ISSKINNED with
// 1, which keeps recognition from attaching a second one.
//
// When the window is destroyed while the painter is attached, the painter
// stops painting (LifeState 6) and gives the control its colour back, but
// stays in its form skinner's list until the skinner frees its painters.

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
  // Bits of StateFlags.
  static constexpr unsigned char kMouseOver = 1;
  static constexpr unsigned char kPressed = 2;
  // Frames of the skin's push-button element (1-based).
  enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfMouseOver = 4, bfFocused = 5 };
  // LifeState values.
  static constexpr int kCreated = 0;
  static constexpr int kLive = 1;
  static constexpr int kWindowDestroyed = 6;
  // The Tag by which a control asks for its parent's image behind it.
  static constexpr int kParentBackgroundTag = 5555;

  // The virtual operations, in their slot order.
  explicit TSkinControl(TComponent* AOwner);
  ~TSkinControl() override;
  // Attaches to a toolkit control (the painter's owner is that control).
  virtual void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                               TCanvas* Canvas);
  // Attaches to a bare window (the painter's owner is the form skinner).
  virtual void AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                              TCanvas* Canvas);

 protected:
  // Undoes visual changes; the base gives the control its colour back.
  virtual void Detach();
  // Before the previous handler; true lets the message go on to it.
  virtual bool BeforeMessage(TMessage& Message);
  // After the previous handler, for messages that were passed on.
  virtual void AfterMessage(TMessage& Message);

 public:
  // Paints the whole window into DC, or into a window DC when DC is null.
  // Nothing raised while painting gets out; the next paint tries again.
  virtual void PaintNonClient(HDC DC);

 protected:
  // Draws the whole window into DC; Rect is the window, zero-based.
  virtual void Paint(HDC DC, const RECT& Rect) {}

 public:
  // Re-reads the skin after a skin change.
  virtual void SkinChanged();
  virtual bool CanPaint() const { return true; }

  bool Attached() const { return FAttached; }
  HWND Handle() const { return FHandle; }
  TControl* Control() const { return FControl; }
  TSkinData* SkinData() const { return FSkinData; }
  TWinSkinForm* FormSkinner() const { return FFormSkinner; }
  TCanvas* Canvas() const { return FCanvas; }
  int LifeState() const { return FLifeState; }
  bool PaintingEnabled() const { return FPaintingEnabled; }
  bool IsUnicodeWindow() const { return FIsUnicodeWindow; }
  bool PaintBackground() const { return FPaintBackground; }
  const std::wstring& Caption() const { return FCaption; }
  const RECT& WindowRect() const { return FWindowRect; }

  unsigned char StateFlags() const { return FStateFlags; }
  bool MouseOver() const { return (FStateFlags & kMouseOver) != 0; }
  bool Pressed() const { return (FStateFlags & kPressed) != 0; }
  // As the last paint found them.
  bool Enabled() const { return FEnabled; }
  bool Focused() const { return FFocused; }

  // A class-specific variant selector; 0 after construction.
  int Mode() const { return FMode; }
  void SetMode(int Value) { FMode = Value; }
  // Set before attaching: AttachToControl then sets Mode to 1.
  void SetSingleModeFlag(bool Value) { FSingleModeFlag = Value; }
  // A replacement or companion window owned by the painter; repaint
  // requests go to it when set.
  TControl* CompanionControl() const { return FCompanionControl; }
  void SetCompanionControl(TControl* Value) { FCompanionControl = Value; }

  // Painters of this kind are freed without being detached.
  int Kind() const { return FKind; }

  // The form skinner lets go of the painter (it is being freed or
  // released): undo everything now.
  void DetachNow();

  // Replaces only the first occurrence of Find.
  static std::wstring ReplaceFirst(const std::wstring& Text, const std::wstring& Find,
                                   const std::wstring& Replacement);

 protected:
  void SetMouseOver(bool Value) { SetStateFlag(kMouseOver, Value); }
  void SetPressed(bool Value) { SetStateFlag(kPressed, Value); }

  // The push-button frame for the current state. Priority: disabled,
  // pressed, mouse over, focused, normal.
  int ButtonStateFrame() const;

  void CallPrevious(TMessage& Message);
  void Repaint();
  // WM_PAINT answered by painting the whole window: into the DC in wParam,
  // or between BeginPaint and EndPaint.
  void PaintWholeWindow(TMessage& Message);
  // For painters that draw the whole control: a paint, or a print into a
  // DC, is answered by PaintWholeWindow and the erase is skipped. True when
  // Message was one of these and has been answered.
  bool PaintInsteadOfControl(TMessage& Message);
  void FillFace(HDC DC, const RECT& Rect) const;
  // The control's published "Color", else the skin's button face.
  void FillControlColor(HDC DC, const RECT& Rect) const;
  // A focus rectangle around Caption as DrawText with Flags would place it
  // in Rect.
  void FocusAroundText(HDC DC, UINT Flags, const RECT& Rect);
  // Adds right-to-left reading when the control (or the companion) reads
  // right to left.
  UINT TextFlags(UINT Flags) const;
  // Lets the parent of Control paint the part of itself under Control into
  // DC (whose origin is Control's top-left corner).
  void DrawParentBackground(TControl* Control, HDC DC);
  // The toolkit control's mouse-down reaction to a left-button message.
  void MouseDownToControl(const TMessage& Message);
  // The toolkit control's click.
  void ClickControl();
  // Caption, its first "||" made a line break, drawn in Rect with the
  // alignment flag (DT_CENTER, DT_LEFT or DT_RIGHT) in the DC's font and
  // text colour; with FocusRect the text box gets a focus rectangle.
  // Returns the text box.
  RECT DrawCaption(HDC DC, const RECT& Rect, UINT Alignment, bool FocusRect);
  // The skin's colour (a system colour reference resolved) as COLORREF.
  COLORREF SkinColorRef(int Color) const;

  unsigned char FStateFlags = 0;
  TCanvas* FCanvas = nullptr;
  bool FEnabled = true;
  bool FFocused = false;
  std::wstring FCaption;
  WNDPROC FWndProcThunk = nullptr;
  WNDPROC FOldWndProc = nullptr;
  bool FPaintingEnabled = true;
  bool FIsUnicodeWindow = false;
  TSkinData* FSkinData = nullptr;
  HWND FHandle = nullptr;
  TWndMethod FSavedWindowProc;
  TControl* FControl = nullptr;
  RECT FWindowRect{};
  TControl* FCompanionControl = nullptr;
  bool FPaintBackground = false;
  int FSavedColor = 0;
  bool FSavedParentColor = false;
  bool FAttached = false;
  int FLifeState = kCreated;
  TWinSkinForm* FFormSkinner = nullptr;
  int FMode = 0;
  bool FSingleModeFlag = false;
  int FKind = 0;

  // The painter's message handler, installed in front of the control's.
  void Dispatch(TMessage& Message);
  void ControlMessage(TMessage& Message) { Dispatch(Message); }
  // The handler to install as a toolkit control's WindowProc.
  TWndMethod PainterHandler() { return TWndMethod(this, &TSkinControl::ControlMessage); }
  // Puts back the saved WindowProc or window procedure.
  void RestoreMessagePath();

 private:
  void SetStateFlag(unsigned char Bit, bool Value) {
    FStateFlags = Value ? (FStateFlags | Bit) : (FStateFlags & ~Bit);
  }
  static LRESULT CALLBACK ThunkProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
};
