#include "skin/painters/SkinButton.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/Font.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinButton>("TSkinButton", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

bool StartsWith(const std::string& Text, const char* Prefix) {
  return Text.rfind(Prefix, 0) == 0;
}

}  // namespace

void TSkinButton::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                                  TCanvas* Canvas) {
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  FMode = 0;
  if (!FControl) return;
  const std::string className = LowerAscii(FControl->ClassName());
  if (StartsWith(className, "trz") || StartsWith(className, "tel")) FMode = 1;
  FParentBackground = FControl->GetTag() == kParentBackgroundTag ||
                      (Data && Data->GetOptions().Contains(xoTransparent));
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinButton::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      PaintWholeWindow(Message);
      return false;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
    case WM_TIMER:
      if (FHandle) KillTimer(FHandle, 1);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLeftButtonDown(Message);
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinButton::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT:
      PaintNonClient(nullptr);
      break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) SetPressedAndRepaint(true);
      break;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) SetPressedAndRepaint(false);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove();
      break;
    case WM_LBUTTONUP:
      OnLeftButtonUp();
      break;
    case WM_MOUSELEAVE:
      SetMouseOver(false);
      SetPressedAndRepaint(false);
      break;
    case CM_DEFAULTCHANGED:
    case CM_FOCUSCHANGED:
      Repaint();
      break;
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
      // The system button draws these changes at once, outside WM_PAINT.
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinButton::OnLeftButtonDown(TMessage& Message) {
  if (GetFocus() != FHandle) SetFocus(FHandle);
  SetPressed(true);
  PaintNonClient(nullptr);
  if (FMode == 0 && FControl) MouseDownToControl(Message);
}

void TSkinButton::OnMouseMove() {
  if (FEnabled && !MouseOver()) {
    SetMouseOver(true);
    Repaint();
  }
  if (FSkinData) FSkinData->TrackLeave(FHandle);
}

void TSkinButton::OnLeftButtonUp() {
  if (!Pressed()) return;
  SetPressedAndRepaint(false);
  ClickButton();
}

void TSkinButton::SetPressedAndRepaint(bool Value) {
  SetPressed(Value);
  Repaint();
}

void TSkinButton::ClickButton() {
  if (FControl) {
    ClickControl();
    return;
  }
  HWND parent = GetParent(FHandle);
  const WPARAM id =
      LowerAscii(WindowClassName(FHandle)) == "tbutton" ? 0 : GetDlgCtrlID(FHandle) & 0xFFFF;
  PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(FHandle));
}

// ---------------------------------------------------------------------------
// Painting

const TDataSkinButton* TSkinButton::ButtonElement() const {
  if (!FSkinData) return nullptr;
  const TDataSkinButton* element = FSkinData->Skin().Buttons.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

void TSkinButton::ReadWindowState() {
  FFocused = FHandle && GetFocus() == FHandle;
  FEnabled = !FHandle || (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
}

bool TSkinButton::IsDefaultButton() const {
  // An owner-drawn toolkit button carries no default style; it says so.
  if (FControl && LowerAscii(GetEnumPropByName(FControl, "Default")) == "true") return true;
  return FHandle && (GetWindowLongPtrA(FHandle, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

int TSkinButton::FaceFrame() const {
  const int frame = ButtonStateFrame();
  return frame == bfNormal && IsDefaultButton() ? bfFocused : frame;
}

HDC TSkinButton::PrepareFace(const RECT& Rect, int Frame, bool DrawFrame) {
  const TDataSkinButton* element = ButtonElement();
  if (!element || !FFaceBitmap.SetSize(Rect.right - Rect.left, Rect.bottom - Rect.top))
    return nullptr;
  HDC face = FFaceBitmap.DC();
  const RECT whole{0, 0, FFaceBitmap.Width(), FFaceBitmap.Height()};
  if (FParentBackground && FControl)
    DrawParentBackground(FControl, face);
  else
    FillFace(face, whole);
  if (!DrawFrame) return face;
  DrawSliced(face, TRect{0, 0, whole.right, whole.bottom}, element->Image, false,
             element->Tile != 0, element->Trans != 0, element->FrameCount, Frame,
             element->Margins);
  return face;
}

COLORREF TSkinButton::CaptionColour(int Frame) const {
  if (!FEnabled) return GetSysColor(COLOR_BTNSHADOW);
  const TDataSkinButton* element = ButtonElement();
  if (element) {
    if (Frame == bfNormal && element->NormalColour2Given) return ColorToRGB(element->NormalColour2);
    if (Frame == bfMouseOver && element->MouseOverColour2Given)
      return ColorToRGB(element->MouseOverColour2);
    if (Frame == bfPressed && element->PressedColour2Given)
      return ColorToRGB(element->PressedColour2);
  }
  // A colour given to the control's font wins over the skin's text colour;
  // the font's default (a system colour) does not.
  if (auto* font = dynamic_cast<TFont*>(GetObjectPropByName(FControl, "Font")))
    if (font->GetColor() >= 0) return ColorToRGB(font->GetColor());
  return FSkinData ? ColorToRGB(FSkinData->Skin().Colours.ButtonText)
                   : GetSysColor(COLOR_BTNTEXT);
}

HGDIOBJ TSkinButton::SelectCaptionFont(HDC DC, int Frame) {
  HFONT font = nullptr;
  if (auto* published = dynamic_cast<TFont*>(GetObjectPropByName(FControl, "Font")))
    font = published->Handle();
  else if (FHandle)
    font = reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(DC, CaptionColour(Frame));
  return SelectObject(DC, font);
}

bool TSkinButton::WantsFocusRect() const {
  return FFocused && !(FSkinData && FSkinData->GetOptions().Contains(xoNoFocusRect));
}

void TSkinButton::Paint(HDC DC, const RECT& Rect) {
  if (!ButtonElement()) return;
  ReadWindowState();
  FMultiLine = false;
  if (FControl) {
    FCaption = GetTextPropByName(FControl, "Caption");
    FMultiLine = LowerAscii(GetEnumPropByName(FControl, "MultiLine")) == "true";
  } else {
    FCaption = ReadWindowText(FHandle);
  }
  const int frame = FaceFrame();
  HDC face = PrepareFace(Rect, frame);
  if (!face) return;
  HGDIOBJ oldFont = SelectCaptionFont(face, frame);
  DrawCaption(face, RECT{0, 0, FFaceBitmap.Width(), FFaceBitmap.Height()}, DT_CENTER,
              WantsFocusRect());
  SelectObject(face, oldFont);
  FFaceBitmap.CopyTo(DC, Rect.left, Rect.top);
}
