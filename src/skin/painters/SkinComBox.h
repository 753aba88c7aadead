#pragma once
// The painter of combo boxes, of toolkit forms and of system dialogs. The
// frame and the drop button are drawn from the skin over what the combo box
// painted: from the full-width combo image the skin composes ("ComboButton"
// style 2), else from the sunken edge with the button image stretched into
// the button's place, or (style 1) as a flat one-pixel frame with the
// button image. The text area stays the combo box's own. A combo box whose
// extended style puts the scroll bar on the left, and whose button the
// system places on the left, is drawn from the mirrored images.
//
// Companions: the edit of a drop-down combo box is subclassed so that the
// frame follows the edit's painting and presses; the drop-down list of a
// toolkit combo box gets skinned scroll bars that float over it, and the
// list of a simple one skinned scroll bars of its own. All of them go when
// the painter is detached.

#include <windows.h>

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TComboxScrollBar;
class TSkinScrollbarH;
class TDataSkinBorder;

class TSkinComBox : public TSkinControl {
  FW_CLASS(TSkinComBox)
 public:
  // Frames of the combo images (1-based).
  enum TComboFrame { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

  explicit TSkinComBox(TComponent* AOwner);
  ~TSkinComBox() override;

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;
  void AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                      TCanvas* Canvas) override;

  void SkinChanged() override;

  // The drop button's rectangle at the last paint (client coordinates).
  const RECT& ButtonRect() const { return FButtonRect; }
  bool DroppedDown() const { return FDroppedDown; }
  HWND SubclassedEdit() const { return FEdit; }
  TComboxScrollBar* ListPainter() const { return FListPainter; }
  TSkinScrollbarH* SimpleListPainter() const { return FSimpleListPainter; }
  // The frame the state selects now.
  int StateFrame() const;

 protected:
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  const TDataSkinBorder* ComboButton() const;
  bool ReadComboInfo(COMBOBOXINFO& Info) const;
  // The button is drawn mirrored at the left for a combo box whose scroll
  // bar is on the left, where the system put its button there too (some
  // systems keep it at the right).
  bool LeftButton() const { return (FExStyle & WS_EX_LEFTSCROLLBAR) != 0 && FSystemButtonLeft; }
  void ReadWindowState();
  void AttachCompanions();
  void FreeCompanions();
  void OnMouseMove(LPARAM Point);
  void SetMouseOverAndRepaint(bool Value);
  void SetPressedAndRepaint(bool Value);
  void OnComboCommand(WPARAM WParam);

  // Drawing into the face, which holds what the combo box painted.
  void DrawComposed(HDC Face, const RECT& Whole, int Frame) const;
  void DrawSunken(HDC Face, const RECT& Whole, int Frame);
  void DrawFlat(HDC Face, const RECT& Whole, int Frame);
  void DrawButtonImage(HDC Face, const RECT& Button, int Frame) const;
  // The part of the window the combo box's text takes, with a button Width
  // wide inside a border Border thick.
  RECT TextArea(const RECT& Whole, int Width, int Border) const;

  // The edit child's subclass.
  void SubclassEdit();
  void RemoveEditSubclass();
  void EditMessage(UINT Msg);
  static LRESULT CALLBACK EditThunk(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  LONG_PTR FStyle = 0;
  LONG_PTR FExStyle = 0;
  RECT FButtonRect{};
  bool FSystemButtonLeft = true;
  bool FDroppedDown = false;
  HWND FEdit = nullptr;
  bool FEditUnicode = false;
  TComboxScrollBar* FListPainter = nullptr;
  TSkinScrollbarH* FSimpleListPainter = nullptr;
  TOffscreenBitmap FFace;
};
