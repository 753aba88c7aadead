#include "skin/painters/SkinUpDown.h"

#include <windowsx.h>

#include <algorithm>

#include <commctrl.h>

#include "skin/engine/SkinData.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinUpDown::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinUpDown>("TSkinUpDown", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

constexpr int kStatesPerHalf = 4;

TRect ToTRect(const RECT& R) {
  return {R.left, R.top, R.right, R.bottom};
}

}  // namespace

TSkinUpDown::TSkinUpDown(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinUpDown::~TSkinUpDown() {
  DetachNow();
}

bool TSkinUpDown::Vertical() const {
  return !FHandle || (GetWindowLongPtrA(FHandle, GWL_STYLE) & UDS_HORZ) == 0;
}

int TSkinUpDown::HalfAt(int X, int Y) const {
  RECT client{};
  if (!FHandle || !GetClientRect(FHandle, &client)) return uhNone;
  const POINT p{X, Y};
  if (!PtInRect(&client, p)) return uhNone;
  for (int half : {uhFirst, uhSecond}) {
    const RECT r = HalfRect(client, half);
    if (PtInRect(&r, p)) return half;
  }
  return uhNone;
}

RECT TSkinUpDown::HalfRect(const RECT& Whole, int Half) const {
  RECT r = Whole;
  if (Vertical()) {
    const int middle = Whole.top + (Whole.bottom - Whole.top) / 2;
    (Half == uhFirst ? r.bottom : r.top) = middle;
  } else {
    const int middle = Whole.left + (Whole.right - Whole.left) / 2;
    (Half == uhFirst ? r.right : r.left) = middle;
  }
  return r;
}

int TSkinUpDown::HalfFrame(int Half) const {
  int state = asNormal;
  if (!FEnabled)
    state = asDisabled;
  else if (FPressedHalf == Half)
    state = asPressed;
  else if (FHotHalf == Half && FPressedHalf == uhNone)
    state = asMouseOver;
  return (Half == uhSecond ? kStatesPerHalf : 0) + state;
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinUpDown::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      PaintWholeWindow(Message);
      return false;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinUpDown::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressedHalf(HalfAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      SetPressedHalf(uhNone);
      break;
    case WM_MOUSEMOVE:
      SetHot(HalfAt(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
      if (FSkinData) FSkinData->TrackLeave(FHandle);
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      SetHot(uhNone);
      break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      FPressedHalf = FHotHalf = uhNone;
      TSkinControl::AfterMessage(Message);
      break;
    case WM_PAINT:
      // Painted in BeforeMessage.
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinUpDown::SetHot(int Half) {
  if (Half == FHotHalf) return;
  FHotHalf = Half;
  Repaint();
}

void TSkinUpDown::SetPressedHalf(int Half) {
  SetPressed(Half != uhNone);
  if (Half == FPressedHalf) return;
  FPressedHalf = Half;
  Repaint();
}

// ---------------------------------------------------------------------------
// Painting

const TDataSkinBorder* TSkinUpDown::Element() const {
  if (!FSkinData) return nullptr;
  const TParsedSkin& skin = FSkinData->Skin();
  const TDataSkinBorder* element = Vertical() ? skin.UpDownVert.get() : skin.UpDownHorz.get();
  return element && !element->Image.Empty() && element->FrameCount >= 2 * kStatesPerHalf
             ? element
             : nullptr;
}

void TSkinUpDown::Paint(HDC DC, const RECT& Rect) {
  FEnabled = FHandle && IsWindowEnabled(FHandle);
  FFocused = FHandle && GetFocus() == FHandle;
  if (!FFace.SetSize(Rect.right - Rect.left, Rect.bottom - Rect.top)) return;
  HDC face = FFace.DC();
  const RECT whole{0, 0, FFace.Width(), FFace.Height()};
  FillFace(face, whole);
  for (int half : {uhFirst, uhSecond}) DrawHalf(face, HalfRect(whole, half), half);
  FFace.CopyTo(DC, Rect.left, Rect.top);
}

void TSkinUpDown::DrawHalf(HDC DC, const RECT& Area, int Half) const {
  const TDataSkinBorder* element = Element();
  if (!element) {
    DrawPlainHalf(DC, Area, Half);
    return;
  }
  const int frame = HalfFrame(Half);
  DrawSliced(DC, ToTRect(Area), element->Image, false, element->Tile != 0, element->Trans != 0,
             element->FrameCount, frame, element->Margins);
  if (!element->SecondImage.Empty())
    DrawFrameCentered(DC, ToTRect(Area), element->SecondImage, true, element->FrameCount, frame);
}

// Without the skin's element: a raised half in the face colour with a
// triangle pointing away from the other half.
void TSkinUpDown::DrawPlainHalf(HDC DC, const RECT& Area, int Half) const {
  if (!FSkinData) return;
  const TSkinColours& colours = FSkinData->Skin().Colours;
  const int state = HalfFrame(Half) - (Half == uhSecond ? kStatesPerHalf : 0);
  TBrushHandle shadow(CreateSolidBrush(ColorToRGB(colours.ButtonShadow)));
  FrameRect(DC, &Area, shadow.Get());
  if (state == asPressed) {
    RECT inner = Area;
    InflateRect(&inner, -1, -1);
    FrameRect(DC, &inner, shadow.Get());
  }
  const int arrowColour = state == asDisabled ? colours.ButtonShadow : colours.ButtonDkShadow;
  TBrushHandle arrow(CreateSolidBrush(ColorToRGB(arrowColour)));
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(arrowColour)));
  const int cx = (Area.left + Area.right) / 2, cy = (Area.top + Area.bottom) / 2;
  const int size = std::max<int>(1, std::min<int>(Area.right - Area.left, Area.bottom - Area.top) / 4);
  POINT points[3];
  const bool first = Half == uhFirst;
  if (Vertical()) {
    const int tip = first ? cy - size / 2 - 1 : cy + size / 2 + 1;
    const int base = first ? tip + size : tip - size;
    points[0] = {cx, tip};
    points[1] = {cx - size, base};
    points[2] = {cx + size, base};
  } else {
    const int tip = first ? cx - size / 2 - 1 : cx + size / 2 + 1;
    const int base = first ? tip + size : tip - size;
    points[0] = {tip, cy};
    points[1] = {base, cy - size};
    points[2] = {base, cy + size};
  }
  HGDIOBJ oldBrush = SelectObject(DC, arrow.Get());
  HGDIOBJ oldPen = SelectObject(DC, pen.Get());
  Polygon(DC, points, 3);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
}
