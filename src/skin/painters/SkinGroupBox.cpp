#include "skin/painters/SkinGroupBox.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/painters/ControlTextStyle.h"
#include "skin/render/DeviceDrawing.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/Messages.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinGroupBox>("TSkinGroupBox", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

// Text distance from the box's side.
constexpr int kCaptionIndent = 8;

TRect ToTRect(const RECT& R) {
  return TRect{R.left, R.top, R.right, R.bottom};
}

}  // namespace

void TSkinGroupBox::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                    bool PaintBackground, TCanvas* Canvas) {
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  if (!FAttached) return;
  FParentBackground = (FControl && FControl->GetTag() == kParentBackgroundTag) ||
                      (Data && Data->GetOptions().Contains(xoTransparent));
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinGroupBox::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  return !PaintInsteadOfControl(Message);
}

void TSkinGroupBox::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_BIDIMODECHANGED:
    case WM_UPDATEUISTATE:
      Repaint();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // A group box shows no focus.
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

// ---------------------------------------------------------------------------
// Painting

void TSkinGroupBox::Paint(HDC DC, const RECT& Rect) {
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  if (!FFace.SetSize(width, height)) return;
  HDC face = FFace.DC();
  const RECT whole{0, 0, width, height};
  FEnabled = !FHandle || (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  FCaption = FControl ? GetTextPropByName(FControl, "Caption") : ReadWindowText(FHandle);

  if (FParentBackground && FControl)
    DrawParentBackground(FControl, face);
  else
    FillFace(face, whole);

  HGDIOBJ oldFont = SelectObject(face, ControlFont(FControl, FHandle));
  const UINT flags = FControl ? TextFlags(DT_SINGLELINE)
                              : DT_SINGLELINE | ((GetWindowLongPtrA(FHandle, GWL_EXSTYLE) &
                                                  WS_EX_RTLREADING)
                                                     ? DT_RTLREADING
                                                     : 0);
  TEXTMETRICW metrics{};
  GetTextMetricsW(face, &metrics);
  SIZE text{0, metrics.tmHeight};
  if (!FCaption.empty()) {
    RECT measured{0, 0, width, height};
    DrawSkinText(face, FCaption, measured, flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
    text.cx = measured.right - measured.left;
  }
  RECT edge = whole;
  edge.top = FCaption.empty() ? 0 : text.cy / 2;
  DrawEdge(face, edge);
  FLabelRect = RECT{};
  if (!FCaption.empty()) {
    const RECT textRect = PlaceLabel(whole, text);
    DrawLabel(face, FLabelRect, textRect, flags);
  }
  SelectObject(face, oldFont);
  PaintWindowlessChildren(face);
  FFace.CopyTo(DC, Rect.left, Rect.top);
}

void TSkinGroupBox::DrawEdge(HDC DC, const RECT& Edge) {
  const TDataSkinObject* element = FSkinData ? FSkinData->Skin().GroupBoxEdge.get() : nullptr;
  if (element && !element->Image.Empty()) {
    const int frames = element->FrameCount > 0 ? element->FrameCount : 1;
    const int frame = !FEnabled && frames >= 2 ? 2 : 1;
    DrawSliced(DC, ToTRect(Edge), element->Image, false, element->Tile != 0, element->Trans != 0,
               frames, frame, element->Margins);
    return;
  }
  const int shadow = FSkinData ? FSkinData->Skin().Colours.ButtonShadow : 0x80000010;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(shadow)));
  FrameRect(DC, &Edge, brush.Get());
}

RECT TSkinGroupBox::PlaceLabel(const RECT& Rect, SIZE Size) {
  const TDataSkinBoxLabel* label = FSkinData ? FSkinData->Skin().GroupBox.get() : nullptr;
  const int leftShift = label ? label->BackgroundLeftShift : 2;
  const int rightShift = label ? label->BackgroundRightShift : 2;
  // 0 left, 1 right, 2 centre; a right-to-left box mirrors left and right.
  int alignment = label ? label->BackgroundAlignment : 0;
  if (FControl && FControl->UseRightToLeftAlignment() && alignment != 2) alignment = 1 - alignment;
  int left;
  if (alignment == 1)
    left = Rect.right - kCaptionIndent - rightShift - Size.cx;
  else if (alignment == 2)
    left = Rect.left + (Rect.right - Rect.left - Size.cx) / 2;
  else
    left = Rect.left + kCaptionIndent + leftShift;
  const RECT text{left, Rect.top, left + Size.cx, Rect.top + Size.cy};
  FLabelRect = RECT{text.left - leftShift, text.top, text.right + rightShift, text.bottom};
  return text;
}

void TSkinGroupBox::DrawLabel(HDC DC, const RECT& Label, const RECT& Text, UINT Flags) {
  const TDataSkinBoxLabel* element = FSkinData ? FSkinData->Skin().GroupBox.get() : nullptr;
  if (element && !element->Image.Empty())
    DrawSliced(DC, ToTRect(Label), element->Image, false, element->Tile != 0, element->Trans != 0,
               element->FrameCount > 0 ? element->FrameCount : 1, 1, element->Margins);
  else
    FillFace(DC, Label);
  const COLORREF oldText = SetTextColor(DC, ControlTextColour(FControl, FSkinData, FEnabled));
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  RECT text = Text;
  DrawSkinText(DC, FCaption, text, Flags | DT_NOCLIP | DT_EXPANDTABS);
  SetBkMode(DC, oldMode);
  SetTextColor(DC, oldText);
}

void TSkinGroupBox::PaintWindowlessChildren(HDC DC) {
  auto* box = dynamic_cast<TWinControl*>(FControl);
  if (!box) return;
  // The window's client area is the whole window (a group box has no
  // border of its own).
  for (int i = 0; i < box->ControlCount(); ++i) {
    TControl* child = box->Controls(i);
    if (dynamic_cast<TWinControl*>(child) || !child->GetVisible()) continue;
    const RECT bounds = child->BoundsRect();
    const int saved = SaveDC(DC);
    OffsetViewportOrgEx(DC, bounds.left, bounds.top, nullptr);
    IntersectClipRect(DC, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, saved);
  }
}
