#include "skin/painters/SkinEdit.h"

#include <utility>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/painters/SkinUpDown.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinEdit>("TSkinEdit", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

bool IsDeviceContext(WPARAM Value) {
  const DWORD type = Value ? GetObjectType(reinterpret_cast<HGDIOBJ>(Value)) : 0;
  return type == OBJ_DC || type == OBJ_MEMDC;
}

bool IsUpDownClass(const std::string& LowerClassName) {
  return LowerClassName == "msctls_updown32" ||
         LowerClassName.find("spin") != std::string::npos ||
         LowerClassName.find("updown") != std::string::npos;
}

void FrameWith(HDC DC, const RECT& Rect, COLORREF Colour) {
  TBrushHandle brush(CreateSolidBrush(Colour));
  FrameRect(DC, &Rect, brush.Get());
}

}  // namespace

TSkinEdit::TSkinEdit(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinEdit::~TSkinEdit() {
  DetachNow();
  delete std::exchange(FUpDown, nullptr);
}

void TSkinEdit::Detach() {
  TSkinControl::Detach();
  delete std::exchange(FUpDown, nullptr);
  // The edit draws its own border again.
  if (FLifeState != kWindowDestroyed && IsWindow(FHandle))
    RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

// The up-down painter is not in the form skinner's list: it hears of a
// new skin from here.
void TSkinEdit::SkinChanged() {
  TSkinControl::SkinChanged();
  if (FUpDown) FUpDown->SkinChanged();
}

void TSkinEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FUpDown) FUpDown = nullptr;
}

bool TSkinEdit::BeforeMessage(TMessage& Message) {
  if (Message.Msg == WM_PRINTCLIENT && IsDeviceContext(Message.WParam))
    FPrintState = SaveDC(reinterpret_cast<HDC>(Message.WParam));
  return TSkinControl::BeforeMessage(Message);
}

void TSkinEdit::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      PaintNonClient(reinterpret_cast<HDC>(Message.WParam));
      break;
    case WM_NCPAINT:
      // The system draws the native border here, without a WM_PAINT when
      // only the frame was uncovered.
      PaintNonClient(nullptr);
      break;
    case WM_PRINTCLIENT:
      try {
        // The edit may leave its own clipping in the context; the border
        // is drawn with the caller's.
        if (FPrintState) RestoreDC(reinterpret_cast<HDC>(Message.WParam), FPrintState);
        FPrintState = 0;
        PrintClientBorder(reinterpret_cast<HDC>(Message.WParam));
      } catch (...) {
      }
      break;
    case SM_PAINTCLIENTDC:
      if (Message.LParam == kEngineMessageTag) {
        PaintIntoDC(Message);
        break;
      }
      TSkinControl::AfterMessage(Message);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinEdit::PaintIntoDC(TMessage& Message) {
  if (IsDeviceContext(Message.WParam)) {
    TMessage paint{WM_PAINT, Message.WParam, 0, 0};
    CallPrevious(paint);
  }
  Message.Result = kEngineMessageTag;
}

bool TSkinEdit::HasBorder(RECT* Window, RECT* Client) const {
  RECT window{}, client{};
  if (!GetWindowRect(FHandle, &window) || !GetClientRect(FHandle, &client)) return false;
  if (Window) *Window = window;
  if (Client) *Client = client;
  return client.right != window.right - window.left &&
         client.bottom != window.bottom - window.top;
}

void TSkinEdit::PrintClientBorder(HDC DC) {
  RECT window{}, client{};
  HasBorder(&window, &client);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width - client.right <= 2 || height - client.bottom <= 2) return;
  HDC dc = DC ? DC : GetWindowDC(FHandle);
  if (!dc) return;
  RECT outer{0, 0, width, height};
  RECT inner = outer;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  if (FSkinData) FrameWith(dc, outer, ColorToRGB(FSkinData->Skin().Colours.ButtonShadow));
  if (!DC) ReleaseDC(FHandle, dc);
}

void TSkinEdit::AttachUpDownChild() {
  if (FUpDown || !FSkinData || !FSkinData->GetSkinControls().Contains(xcSpin)) return;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUpDownClass(LowerAscii(WindowClassName(child)))) continue;
    // Owned by this painter: it goes when the edit's painter goes.
    auto* painter = new TSkinUpDown(this);
    painter->AttachToWindow(child, FSkinData, nullptr, FCanvas);
    if (!painter->Attached()) {
      delete painter;
      return;
    }
    FUpDown = painter;
    return;
  }
}

void TSkinEdit::Paint(HDC DC, const RECT& Rect) {
  AttachUpDownChild();
  if (!HasBorder() || !FSkinData) return;
  const int saved = SaveDC(DC);
  ExcludeChildren(DC, Rect);
  RECT frame = Rect;
  FrameWith(DC, frame, ColorToRGB(FSkinData->Skin().Colours.ButtonShadow));
  for (int ring = 0; ring < 2; ++ring) {
    InflateRect(&frame, -1, -1);
    FrameWith(DC, frame, RGB(255, 255, 255));
  }
  RestoreDC(DC, saved);
}

// The inner ring lies in the client area, where child windows (the arrows
// of a date-time picker) paint themselves.
void TSkinEdit::ExcludeChildren(HDC DC, const RECT& Rect) const {
  RECT window{};
  if (!GetWindowRect(FHandle, &window)) return;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    OffsetRect(&r, Rect.left - window.left, Rect.top - window.top);
    ExcludeClipRect(DC, r.left, r.top, r.right, r.bottom);
  }
}
