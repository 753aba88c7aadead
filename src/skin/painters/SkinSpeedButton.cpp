#include "skin/painters/SkinSpeedButton.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinSpeedButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinSpeedButton>("TSkinSpeedButton", &TSkinBitButton::StaticClass()).Info();
  return info;
}

namespace {

bool PublishedTrue(const TObject* Object, const char* Name) {
  return LowerAscii(GetEnumPropByName(Object, Name)) == "true";
}

TCanvas* CanvasOf(TControl* Control) {
  auto* graphic = dynamic_cast<TGraphicControl*>(Control);
  return graphic ? &graphic->Canvas() : nullptr;
}

}  // namespace

void TSkinSpeedButton::AttachToSpeedButton(TControl* Button, TSkinData* Data, TCanvas* Canvas,
                                           TWinSkinForm* FormSkinner) {
  if (FAttached || !Button) return;
  FSkinData = Data;
  FCanvas = Canvas;
  FFormSkinner = FormSkinner;
  FControl = Button;
  FCompanionControl = Button;
  FSavedWindowProc = Button->WindowProc;
  Button->WindowProc = PainterHandler();
  if (FFormSkinner) FFormSkinner->RegisterPainter(this);
  FAttached = true;
  FLifeState = kLive;
  FParentBackground = Button->GetTag() == kParentBackgroundTag ||
                      (Data && Data->GetOptions().Contains(xoTransparent));
  Button->Invalidate();
}

void TSkinSpeedButton::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool,
                                       TCanvas* Canvas) {
  AttachToSpeedButton(dynamic_cast<TControl*>(Owner()), Data, Canvas, FormSkinner);
}

RECT TSkinSpeedButton::ButtonRect() const {
  return FControl ? FControl->ClientRect() : RECT{};
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinSpeedButton::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (Message.WParam) PaintIntoCanvas(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallPrevious(Message);
      SetPressed(true);
      PaintNonClient(nullptr);
      return false;
    case WM_LBUTTONUP:
      return true;
    default:
      return TSkinButton::BeforeMessage(Message);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) SetPressedAndRepaint(true);
      break;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) SetPressedAndRepaint(false);
      break;
    case WM_LBUTTONUP:
      SetPressedAndRepaint(false);
      break;
    case WM_MOUSEMOVE:
      break;
    case CM_MOUSEENTER:
      SetMouseOver(true);
      PaintNonClient(nullptr);
      break;
    case CM_MOUSELEAVE:
      SetMouseOver(false);
      SetPressed(false);
      if (FControl && FControl->GetVisible()) PaintNonClient(nullptr);
      break;
    default:
      TSkinButton::AfterMessage(Message);
      break;
  }
}

void TSkinSpeedButton::SetPressedAndRepaint(bool Value) {
  SetPressed(Value);
  PaintNonClient(nullptr);
}

// ---------------------------------------------------------------------------
// Painting

void TSkinSpeedButton::PaintIntoCanvas(HDC DC) {
  TCanvas* canvas = CanvasOf(FControl);
  if (!canvas) return;
  canvas->SetHandle(DC);
  try {
    Paint(DC, ButtonRect());
  } catch (...) {
  }
  canvas->SetHandle(nullptr);
}

void TSkinSpeedButton::PaintNonClient(HDC DC) {
  TCanvas* canvas = CanvasOf(FControl);
  if (DC || (canvas && canvas->Handle())) {
    try {
      Paint(DC ? DC : canvas->Handle(), ButtonRect());
    } catch (...) {
    }
    return;
  }
  if (FControl) FControl->Repaint();
}

void TSkinSpeedButton::Paint(HDC DC, const RECT& Rect) {
  if (FPainting || !ButtonElement() || !FControl) return;
  if (Rect.right <= Rect.left || Rect.bottom <= Rect.top) return;
  FPainting = true;
  struct TGuard {
    bool& Flag;
    ~TGuard() { Flag = false; }
  } guard{FPainting};
  FEnabled = PublishedTrue(FControl, "Enabled");
  FFocused = false;
  const bool down = PublishedTrue(FControl, "Down");
  int frame = bfNormal, glyph = gnUp;
  if (down) {
    frame = bfPressed;
    glyph = gnDown;
  } else if (!FEnabled) {
    frame = bfDisabled;
    glyph = gnDisabled;
  } else if (Pressed()) {
    frame = bfPressed;
    glyph = gnPressed;
  } else if (MouseOver()) {
    frame = bfMouseOver;
  }
  const bool drawFrame = down || Pressed() || MouseOver() || !PublishedTrue(FControl, "Flat");
  HDC face = PrepareFace(Rect, frame, drawFrame);
  if (!face) return;
  FCaption = GetTextPropByName(FControl, "Caption");
  HGDIOBJ oldFont = SelectCaptionFont(face, frame);
  DrawGlyphAndCaption(face, RECT{0, 0, FFaceBitmap.Width(), FFaceBitmap.Height()},
                      ReadGlyphProps(), glyph);
  SelectObject(face, oldFont);
  FFaceBitmap.CopyTo(DC, Rect.left, Rect.top);
}
