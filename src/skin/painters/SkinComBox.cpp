#include "skin/painters/SkinComBox.h"

#include <windowsx.h>

#include <utility>

#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/painters/ComboxScrollBar.h"
#include "skin/painters/SkinScrollbarH.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinComBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinComBox>("TSkinComBox", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

// Window properties of a subclassed edit: its painter, and the procedure
// the thunk passes messages on to. The second stays while the thunk stays
// in the edit's chain (someone may have subclassed the edit after us).
LPCSTR EditPainterProperty() {
  static const ATOM atom = GlobalAddAtomA("FernwickComboEditPainter");
  return MAKEINTATOM(atom);
}

LPCSTR EditNextProperty() {
  static const ATOM atom = GlobalAddAtomA("FernwickComboEditNext");
  return MAKEINTATOM(atom);
}

using TGetComboBoxInfo = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

// Looked up once: older systems lack it.
TGetComboBoxInfo ComboBoxInfoFunction() {
  static const auto function = reinterpret_cast<TGetComboBoxInfo>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetComboBoxInfo")));
  return function;
}

TRect ToTRect(const RECT& R) {
  return {R.left, R.top, R.right, R.bottom};
}

// A strip mirrored as a whole holds its frames in reverse order.
int MirroredFrame(int Frame, int FrameCount) {
  return FrameCount + 1 - Frame;
}

constexpr int kComboType = 3;  // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST
// The drop button is not shown (a simple combo box).
constexpr DWORD kButtonInvisible = 0x8000;

}  // namespace

TSkinComBox::TSkinComBox(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinComBox::~TSkinComBox() {
  DetachNow();
  FreeCompanions();
}

// ---------------------------------------------------------------------------
// Attaching

void TSkinComBox::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                                  TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  if (!FAttached || !FHandle) return;
  AttachCompanions();
  SubclassEdit();
}

void TSkinComBox::AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                                 TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachToWindow(Window, Data, FormSkinner, Canvas);
  if (!FAttached) return;
  SubclassEdit();
}

bool TSkinComBox::ReadComboInfo(COMBOBOXINFO& Info) const {
  Info = COMBOBOXINFO{};
  Info.cbSize = sizeof Info;
  const TGetComboBoxInfo function = ComboBoxInfoFunction();
  return function && FHandle && function(FHandle, &Info);
}

// The lists' scroll-bar painters belong to this painter, not to the form
// skinner: they go when it goes.
void TSkinComBox::AttachCompanions() {
  COMBOBOXINFO info;
  if (!FControl || !ReadComboInfo(info) || !info.hwndList) return;
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  const LONG_PTR listStyle = GetWindowLongPtrA(info.hwndList, GWL_STYLE);
  if ((style & kComboType) == CBS_SIMPLE) {
    if (!(listStyle & WS_CHILD) || (listStyle & WS_POPUP)) return;
    FSimpleListPainter = new TSkinScrollbarH(this);
    FSimpleListPainter->AttachToWindow(info.hwndList, FSkinData, nullptr, FCanvas);
  } else {
    FListPainter = new TComboxScrollBar(this);
    FListPainter->AttachToWindow(info.hwndList, FSkinData, nullptr, FCanvas);
  }
}

void TSkinComBox::FreeCompanions() {
  delete std::exchange(FListPainter, nullptr);
  delete std::exchange(FSimpleListPainter, nullptr);
}

// The lists' painters are not in the form skinner's list: they hear of a
// new skin from here.
void TSkinComBox::SkinChanged() {
  TSkinControl::SkinChanged();
  if (FListPainter) FListPainter->SkinChanged();
  if (FSimpleListPainter) FSimpleListPainter->SkinChanged();
}

void TSkinComBox::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FListPainter) FListPainter = nullptr;
  if (AComponent == FSimpleListPainter) FSimpleListPainter = nullptr;
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  RemoveEditSubclass();
  FreeCompanions();
  if (FLifeState != kWindowDestroyed && IsWindow(FHandle))
    RedrawWindow(FHandle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------
// The edit of a drop-down combo box

void TSkinComBox::SubclassEdit() {
  HWND child = GetTopWindow(FHandle);
  if (!child || LowerAscii(WindowClassName(child)) != "edit") return;
  if (GetPropA(child, EditPainterProperty())) return;
  FEdit = child;
  FEditUnicode = IsWindowUnicode(child) != 0;
  SetPropA(child, EditPainterProperty(), this);
  const auto thunk = reinterpret_cast<LONG_PTR>(&TSkinComBox::EditThunk);
  const LONG_PTR next = FEditUnicode ? SetWindowLongPtrW(child, GWLP_WNDPROC, thunk)
                                     : SetWindowLongPtrA(child, GWLP_WNDPROC, thunk);
  SetPropA(child, EditNextProperty(), reinterpret_cast<HANDLE>(next));
}

void TSkinComBox::RemoveEditSubclass() {
  HWND edit = std::exchange(FEdit, nullptr);
  if (!edit || !IsWindow(edit)) return;
  RemovePropA(edit, EditPainterProperty());
  const auto current = reinterpret_cast<WNDPROC>(
      FEditUnicode ? GetWindowLongPtrW(edit, GWLP_WNDPROC) : GetWindowLongPtrA(edit, GWLP_WNDPROC));
  // Only a thunk still at the head of the chain can leave it; otherwise it
  // stays and passes everything on.
  if (current != &TSkinComBox::EditThunk) return;
  const auto next = reinterpret_cast<LONG_PTR>(RemovePropA(edit, EditNextProperty()));
  FEditUnicode ? SetWindowLongPtrW(edit, GWLP_WNDPROC, next)
               : SetWindowLongPtrA(edit, GWLP_WNDPROC, next);
}

LRESULT CALLBACK TSkinComBox::EditThunk(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const auto next = reinterpret_cast<WNDPROC>(GetPropA(Window, EditNextProperty()));
  const bool unicode = IsWindowUnicode(Window) != 0;
  if (!next)
    return unicode ? DefWindowProcW(Window, Msg, WParam, LParam)
                   : DefWindowProcA(Window, Msg, WParam, LParam);
  const LRESULT result = unicode ? CallWindowProcW(next, Window, Msg, WParam, LParam)
                                 : CallWindowProcA(next, Window, Msg, WParam, LParam);
  if (Msg == WM_NCDESTROY) {
    RemovePropA(Window, EditPainterProperty());
    RemovePropA(Window, EditNextProperty());
    return result;
  }
  try {
    if (auto* painter = static_cast<TSkinComBox*>(GetPropA(Window, EditPainterProperty())))
      painter->EditMessage(Msg);
  } catch (...) {
    // Nothing crosses the window procedure.
  }
  return result;
}

void TSkinComBox::EditMessage(UINT Msg) {
  if (!FPaintingEnabled || !FAttached) return;
  switch (Msg) {
    case WM_PAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      PaintNonClient(nullptr);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressed(true);
      PaintNonClient(nullptr);
      break;
    case WM_LBUTTONUP:
      SetPressed(false);
      PaintNonClient(nullptr);
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------
// Messages

void TSkinComBox::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(Message.LParam);
      break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      // Painted in turn with the other windows, not at once: a dialog's
      // label may overlap the combo box and must not be painted after it.
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressedAndRepaint(true);
      break;
    case WM_LBUTTONUP:
      SetPressedAndRepaint(false);
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      SetMouseOverAndRepaint(false);
      break;
    case CN_COMMAND:
      OnComboCommand(Message.WParam);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinComBox::OnMouseMove(LPARAM Point) {
  const POINT p{GET_X_LPARAM(Point), GET_Y_LPARAM(Point)};
  const bool enabled = IsWindowEnabled(FHandle) != 0;
  SetMouseOverAndRepaint(enabled && PtInRect(&FButtonRect, p));
  if (FSkinData && MouseOver()) FSkinData->TrackLeave(FHandle);
}

void TSkinComBox::SetMouseOverAndRepaint(bool Value) {
  if (MouseOver() == Value) return;
  SetMouseOver(Value);
  Repaint();
}

void TSkinComBox::SetPressedAndRepaint(bool Value) {
  SetPressed(Value);
  Repaint();
}

void TSkinComBox::OnComboCommand(WPARAM WParam) {
  switch (HIWORD(WParam)) {
    case CBN_DROPDOWN:
      FDroppedDown = true;
      break;
    case CBN_CLOSEUP:
      FDroppedDown = false;
      // The release that ended the list's tracking went to the list.
      SetPressedAndRepaint(false);
      break;
    case CBN_SETFOCUS:
    case CBN_KILLFOCUS:
      Repaint();
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------
// Painting

const TDataSkinBorder* TSkinComBox::ComboButton() const {
  if (!FSkinData) return nullptr;
  const TDataSkinBorder* element = FSkinData->Skin().ComboButton.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

void TSkinComBox::ReadWindowState() {
  FStyle = GetWindowLongPtrA(FHandle, GWL_STYLE);
  FExStyle = GetWindowLongPtrA(FHandle, GWL_EXSTYLE);
  FEnabled = (FStyle & WS_DISABLED) == 0;
  HWND focus = GetFocus();
  FFocused = focus && (focus == FHandle || IsChild(FHandle, focus));
  // A press that ended where the painter did not see it (over the list).
  if (Pressed() && !(GetKeyState(VK_LBUTTON) & 0x8000)) SetPressed(false);
}

int TSkinComBox::StateFrame() const {
  if (!FEnabled) return cfDisabled;
  if (Pressed()) return cfPressed;
  if (FFocused || MouseOver()) return cfHot;
  return cfNormal;
}

RECT TSkinComBox::TextArea(const RECT& Whole, int Width, int Border) const {
  RECT text = Whole;
  InflateRect(&text, -Border, -Border);
  if (LeftButton())
    text.left += Width;
  else
    text.right -= Width;
  return text;
}

void TSkinComBox::Paint(HDC DC, const RECT& Rect) {
  const TDataSkinBorder* button = ComboButton();
  if (!button || !FHandle) return;
  ReadWindowState();
  COMBOBOXINFO info;
  if (ReadComboInfo(info)) {
    FButtonRect = info.rcButton;
    if (info.stateButton & kButtonInvisible) return;
    FSystemButtonLeft =
        info.rcButton.left + info.rcButton.right < Rect.right - Rect.left;
  }
  if ((FStyle & kComboType) == CBS_SIMPLE) return;
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  if (!FFace.SetSize(width, height)) return;
  HDC face = FFace.DC();
  const RECT whole{0, 0, width, height};
  // The face starts as what the combo box painted, so that the skin's
  // transparent parts show it.
  BitBlt(face, 0, 0, width, height, DC, Rect.left, Rect.top, SRCCOPY);
  const int frame = StateFrame();
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  // Style 2 leaves the text area to the image's transparent part.
  RECT text{};
  if (button->Style == 2) {
    DrawComposed(face, whole, frame);
  } else if (button->Style == 1) {
    DrawFlat(face, whole, frame);
    text = TextArea(whole, w + 2, 2);
  } else {
    DrawSunken(face, whole, frame);
    text = TextArea(whole, w + 4, 2);
  }
  // The text area and the edit stay the combo box's own.
  const int saved = SaveDC(DC);
  if (!IsRectEmpty(&text))
    ExcludeClipRect(DC, Rect.left + text.left, Rect.top + text.top, Rect.left + text.right,
                    Rect.top + text.bottom);
  if (FEdit && IsWindowVisible(FEdit)) {
    RECT edit{};
    GetWindowRect(FEdit, &edit);
    MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&edit), 2);
    ExcludeClipRect(DC, Rect.left + edit.left, Rect.top + edit.top, Rect.left + edit.right,
                    Rect.top + edit.bottom);
  }
  FFace.CopyTo(DC, Rect.left, Rect.top);
  RestoreDC(DC, saved);
}

// The skin's combo image spans the whole window; its text area is
// transparent.
void TSkinComBox::DrawComposed(HDC Face, const RECT& Whole, int Frame) const {
  const TParsedSkin& skin = FSkinData->Skin();
  const TDataSkinObject* image = LeftButton() && skin.SunkEdge ? static_cast<const TDataSkinObject*>(
                                                                     skin.SunkEdge.get())
                                                               : skin.ComboButton.get();
  if (!image || image->Image.Empty()) return;
  DrawSliced(Face, ToTRect(Whole), image->Image, false, image->Tile != 0, true, image->FrameCount,
             LeftButton() ? MirroredFrame(Frame, image->FrameCount) : Frame, image->Margins);
}

void TSkinComBox::DrawSunken(HDC Face, const RECT& Whole, int Frame) {
  const TParsedSkin& skin = FSkinData->Skin();
  if (const TDataSkinObject* edge = skin.SunkEdge.get(); edge && !edge->Image.Empty())
    DrawSliced(Face, ToTRect(Whole), edge->Image, false, edge->Tile != 0, edge->Trans != 0,
               edge->FrameCount, Frame, edge->Margins);
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  RECT button{Whole.right - 2 - w, Whole.top + 2, Whole.right - 2, Whole.bottom - 2};
  if (LeftButton()) button = {Whole.left + 2, Whole.top + 2, Whole.left + 2 + w, Whole.bottom - 2};
  DrawButtonImage(Face, button, Frame);
  FButtonRect = button;
}

// The flat look: a one-pixel frame, darker while focused or under the
// mouse, and the button image one pixel inside it.
void TSkinComBox::DrawFlat(HDC Face, const RECT& Whole, int Frame) {
  const TSkinColours& colours = FSkinData->Skin().Colours;
  const int line = Frame == cfHot || Frame == cfPressed ? colours.ButtonDkShadow
                                                         : colours.ButtonShadow;
  TBrushHandle frame(CreateSolidBrush(ColorToRGB(line)));
  FrameRect(Face, &Whole, frame.Get());
  RECT ring = Whole;
  InflateRect(&ring, -1, -1);
  const int background = FEnabled ? static_cast<int>(GetSysColor(COLOR_WINDOW))
                                  : static_cast<int>(ColorToRGB(colours.ButtonFace));
  TBrushHandle fill(CreateSolidBrush(static_cast<COLORREF>(background)));
  FrameRect(Face, &ring, fill.Get());
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  RECT button{Whole.right - 1 - w, Whole.top + 1, Whole.right - 1, Whole.bottom - 1};
  if (LeftButton()) button = {Whole.left + 1, Whole.top + 1, Whole.left + 1 + w, Whole.bottom - 1};
  DrawButtonImage(Face, button, Frame);
  FButtonRect = button;
}

void TSkinComBox::DrawButtonImage(HDC Face, const RECT& Button, int Frame) const {
  const TParsedSkin& skin = FSkinData->Skin();
  const TDataSkinBorder& combo = *skin.ComboButton;
  const bool mirrored = LeftButton() && !combo.SecondImage.Empty();
  DrawFrameStretched(Face, ToTRect(Button), mirrored ? combo.SecondImage : combo.Image, true,
                     combo.FrameCount, mirrored ? MirroredFrame(Frame, combo.FrameCount) : Frame);
  if (const TDataSkinObject* extra = skin.ExtraImages.get(); extra && !extra->Image.Empty())
    DrawFrameCentered(Face, ToTRect(Button), extra->Image, true, extra->FrameCount, Frame);
}
