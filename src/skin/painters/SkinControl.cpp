#include "skin/painters/SkinControl.h"

#include <windowsx.h>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinControl>("TSkinControl", &TComponent::StaticClass()).Info();
  return info;
}

namespace {

// The window property through which a replaced window procedure finds its
// painter.
LPCSTR PainterProperty() {
  static const ATOM atom = GlobalAddAtomA("FernwickSkinPainter");
  return MAKEINTATOM(atom);
}

// Reaches the toolkit control's protected reactions to the mouse.
struct TControlReactions : TControl {
  static void CallMouseDown(TControl& Control, TShiftState Shift, int X, int Y) {
    (Control.*(&TControlReactions::MouseDown))(mbLeft, Shift, X, Y);
  }
  static void CallClick(TControl& Control) { (Control.*(&TControlReactions::Click))(); }
};

}  // namespace

TSkinControl::TSkinControl(TComponent* AOwner) : TComponent(AOwner) {}

TSkinControl::~TSkinControl() {
  DetachNow();
}

// ---------------------------------------------------------------------------
// Attaching and detaching

void TSkinControl::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                                   TCanvas* Canvas) {
  if (FAttached) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  if (FSingleModeFlag) FMode = 1;
  FFormSkinner = FormSkinner;
  FSkinData = Data;
  FCanvas = Canvas;
  FControl = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) FHandle = windowed->WindowHandle();
  FIsUnicodeWindow = FHandle && IsWindowUnicode(FHandle);
  FSavedWindowProc = control->WindowProc;
  control->WindowProc = PainterHandler();
  if (FFormSkinner) FFormSkinner->RegisterPainter(this);
  FPaintBackground = PaintBackground;
  if (PaintBackground) {
    FSavedColor = control->GetColor();
    FSavedParentColor = control->GetParentColor();
    if (Data) control->SetColor(Data->Skin().Colours.ButtonFace);
  }
  control->Invalidate();
  FAttached = true;
  FLifeState = kLive;
}

void TSkinControl::AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                                  TCanvas* Canvas) {
  if (FAttached || !Window) return;
  FSkinData = Data;
  FCanvas = Canvas;
  FFormSkinner = FormSkinner;
  FHandle = Window;
  FEnabled = true;
  if (FFormSkinner) FFormSkinner->RegisterPainter(this);
  FIsUnicodeWindow = IsWindowUnicode(Window) != 0;
  FCaption = ReadWindowText(Window);
  SetPropA(Window, PainterProperty(), this);
  FWndProcThunk = &TSkinControl::ThunkProc;
  const auto proc = reinterpret_cast<LONG_PTR>(FWndProcThunk);
  FOldWndProc = reinterpret_cast<WNDPROC>(FIsUnicodeWindow
                                              ? SetWindowLongPtrW(Window, GWLP_WNDPROC, proc)
                                              : SetWindowLongPtrA(Window, GWLP_WNDPROC, proc));
  InvalidateRect(Window, nullptr, TRUE);
  FAttached = true;
  FLifeState = kLive;
}

void TSkinControl::RestoreMessagePath() {
  if (FControl && FSavedWindowProc.Assigned()) {
    FControl->WindowProc = FSavedWindowProc;
    FSavedWindowProc = TWndMethod();
  }
  if (FWndProcThunk) {
    if (IsWindow(FHandle)) {
      const auto old = reinterpret_cast<LONG_PTR>(FOldWndProc);
      FIsUnicodeWindow ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, old)
                       : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, old);
      RemovePropA(FHandle, PainterProperty());
    }
    FWndProcThunk = nullptr;
  }
}

void TSkinControl::DetachNow() {
  if (!FAttached) return;
  FAttached = false;
  if (FLifeState != kWindowDestroyed) Detach();
  RestoreMessagePath();
  if (FFormSkinner) FFormSkinner->UnregisterPainter(this);
  FFormSkinner = nullptr;
}

void TSkinControl::Detach() {
  if (!FPaintBackground || !FControl) return;
  FControl->SetColor(FSavedColor);
  // A control that followed its parent's colour follows it again.
  if (FSavedParentColor) FControl->SetParentColor(true);
}

void TSkinControl::SkinChanged() {
  if (FPaintBackground && FControl && FSkinData)
    FControl->SetColor(FSkinData->Skin().Colours.ButtonFace);
  Repaint();
}

// ---------------------------------------------------------------------------
// The message path

void TSkinControl::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_RELEASE) {
    // The control is going: nothing of it may be touched after this.
    CallPrevious(Message);
    FLifeState = kWindowDestroyed;
    DetachNow();
    FControl = nullptr;
    return;
  }
  if (Message.Msg == SM_SETPAINTING) {
    FPaintingEnabled = static_cast<LONG_PTR>(Message.WParam) > 0;
    if (FPaintingEnabled) Repaint();
    return;
  }
  if (!FPaintingEnabled) {
    CallPrevious(Message);
    return;
  }
  if (BeforeMessage(Message)) {
    CallPrevious(Message);
    AfterMessage(Message);
  }
}

bool TSkinControl::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCDESTROY:
      CallPrevious(Message);
      FPaintingEnabled = false;
      FLifeState = kWindowDestroyed;
      Detach();
      RestoreMessagePath();
      return false;
    case SM_ISSKINNED:
      Message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Repaint();
      break;
    case WM_PAINT:
      PaintNonClient(reinterpret_cast<HDC>(Message.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::CallPrevious(TMessage& Message) {
  if (FSavedWindowProc.Assigned()) {
    FSavedWindowProc(Message);
    return;
  }
  if (!FOldWndProc) return;
  Message.Result = FIsUnicodeWindow ? CallWindowProcW(FOldWndProc, FHandle, Message.Msg,
                                                      Message.WParam, Message.LParam)
                                    : CallWindowProcA(FOldWndProc, FHandle, Message.Msg,
                                                      Message.WParam, Message.LParam);
}

LRESULT CALLBACK TSkinControl::ThunkProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* painter = static_cast<TSkinControl*>(GetPropA(Window, PainterProperty()));
  if (!painter) return DefWindowProcA(Window, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    painter->Dispatch(message);
  } catch (...) {
    // Nothing crosses the window procedure; the message counts as handled.
  }
  return message.Result;
}

// ---------------------------------------------------------------------------
// Painting

int TSkinControl::ButtonStateFrame() const {
  if (!FEnabled) return bfDisabled;
  if (Pressed()) return bfPressed;
  if (MouseOver()) return bfMouseOver;
  if (FFocused) return bfFocused;
  return bfNormal;
}

void TSkinControl::Repaint() {
  if (FCompanionControl) {
    FCompanionControl->Invalidate();
    return;
  }
  if (FControl && !FHandle) {
    FControl->Invalidate();
    return;
  }
  if (!FHandle) return;
  InvalidateRect(FHandle, nullptr, TRUE);
  UpdateWindow(FHandle);
}

void TSkinControl::PaintNonClient(HDC DC) {
  if (!FHandle || !GetWindowRect(FHandle, &FWindowRect)) return;
  const RECT rect{0, 0, FWindowRect.right - FWindowRect.left, FWindowRect.bottom - FWindowRect.top};
  HDC dc = DC ? DC : GetWindowDC(FHandle);
  if (!dc) return;
  try {
    Paint(dc, rect);
  } catch (...) {
  }
  if (!DC) ReleaseDC(FHandle, dc);
}

void TSkinControl::PaintWholeWindow(TMessage& Message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  const bool ownPaint = dc == nullptr;
  if (ownPaint) dc = BeginPaint(FHandle, &ps);
  if (dc && GetWindowRect(FHandle, &FWindowRect)) {
    const RECT rect{0, 0, FWindowRect.right - FWindowRect.left,
                    FWindowRect.bottom - FWindowRect.top};
    try {
      Paint(dc, rect);
    } catch (...) {
    }
  }
  if (ownPaint) EndPaint(FHandle, &ps);
  Message.Result = 0;
}

bool TSkinControl::PaintInsteadOfControl(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PRINTCLIENT:
      // Printed as it is shown (the system's animations print windows).
      if (!Message.WParam) return false;
      PaintWholeWindow(Message);
      return true;
    case WM_PAINT:
      PaintWholeWindow(Message);
      return true;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return true;
    default:
      return false;
  }
}

COLORREF TSkinControl::SkinColorRef(int Color) const {
  return ColorToRGB(Color);
}

void TSkinControl::FillFace(HDC DC, const RECT& Rect) const {
  const int face = FSkinData ? FSkinData->Skin().Colours.ButtonFace : COLOR_BTNFACE | 0x80000000;
  TBrushHandle brush(CreateSolidBrush(SkinColorRef(face)));
  FillRect(DC, &Rect, brush.Get());
}

void TSkinControl::FillControlColor(HDC DC, const RECT& Rect) const {
  const int face = FSkinData ? FSkinData->Skin().Colours.ButtonFace : COLOR_BTNFACE | 0x80000000;
  const auto colour = static_cast<int>(GetColorPropByName(FControl, face));
  TBrushHandle brush(CreateSolidBrush(SkinColorRef(colour)));
  FillRect(DC, &Rect, brush.Get());
}

void TSkinControl::FocusAroundText(HDC DC, UINT Flags, const RECT& Rect) {
  RECT box = Rect;
  DrawSkinText(DC, FCaption, box, Flags | DT_CALCRECT | DT_NOCLIP);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (Flags & DT_CENTER)
    box.left = Rect.left + (Rect.right - Rect.left - width) / 2;
  else if (Flags & DT_RIGHT)
    box.left = Rect.right - width;
  else
    box.left = Rect.left;
  box.top = Rect.top + (Rect.bottom - Rect.top - height) / 2;
  box.right = box.left + width;
  box.bottom = box.top + height;
  InflateRect(&box, 2, 1);
  IntersectRect(&box, &box, &Rect);
  DrawFocusRect(DC, &box);
}

UINT TSkinControl::TextFlags(UINT Flags) const {
  const TControl* control = FControl ? FControl : FCompanionControl;
  if (control && control->UseRightToLeftReading()) Flags |= DT_RTLREADING;
  return Flags;
}

void TSkinControl::DrawParentBackground(TControl* Control, HDC DC) {
  TWinControl* parent = Control ? Control->Parent() : nullptr;
  if (!parent) return;
  const int saved = SaveDC(DC);
  const RECT bounds = Control->BoundsRect();
  POINT origin{};
  GetViewportOrgEx(DC, &origin);
  SetViewportOrgEx(DC, origin.x - bounds.left, origin.y - bounds.top, nullptr);
  IntersectClipRect(DC, bounds.left, bounds.top, bounds.right, bounds.bottom);
  const bool designing = parent->ComponentState().Contains(csDesigning);
  const auto perform = [&](UINT Msg) {
    if (!designing) {
      parent->Perform(Msg, reinterpret_cast<WPARAM>(DC), 0);
      return;
    }
    try {
      parent->Perform(Msg, reinterpret_cast<WPARAM>(DC), 0);
    } catch (...) {
    }
  };
  perform(WM_ERASEBKGND);
  perform(WM_PAINT);
  RestoreDC(DC, saved);
}

void TSkinControl::MouseDownToControl(const TMessage& Message) {
  if (!FControl) return;
  int x = GET_X_LPARAM(Message.LParam);
  int y = GET_Y_LPARAM(Message.LParam);
  if (FControl->GetWidth() > 0x8000 || FControl->GetHeight() > 0x8000) {
    // Coordinates in lParam are 16 bits wide; beyond them the cursor tells.
    POINT cursor{};
    GetCursorPos(&cursor);
    cursor = FControl->ScreenToClient(cursor);
    x = cursor.x;
    y = cursor.y;
  }
  TControlReactions::CallMouseDown(*FControl, KeysToShiftState(Message.WParam), x, y);
}

void TSkinControl::ClickControl() {
  if (FControl) TControlReactions::CallClick(*FControl);
}

std::wstring TSkinControl::ReplaceFirst(const std::wstring& Text, const std::wstring& Find,
                                        const std::wstring& Replacement) {
  if (Find.empty()) return Text;
  const auto at = Text.find(Find);
  if (at == std::wstring::npos) return Text;
  std::wstring result = Text;
  result.replace(at, Find.size(), Replacement);
  return result;
}

RECT TSkinControl::DrawCaption(HDC DC, const RECT& Rect, UINT Alignment, bool FocusRect) {
  FCaption = ReplaceFirst(FCaption, L"||", L"\r\n");
  RECT box = Rect;
  InflateRect(&box, -2, -2);
  const int left = box.left, right = box.right;
  SetBkMode(DC, TRANSPARENT);
  DrawSkinText(DC, FCaption, box,
               DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | Alignment);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  box.top = Rect.top + (Rect.bottom - Rect.top - height) / 2;
  box.bottom = box.top + height;
  if (Alignment & DT_CENTER) {
    box.left = Rect.left + (Rect.right - Rect.left - width) / 2;
    box.right = box.left + width;
  } else {
    box.left = left;
    box.right = right;
  }
  RECT drawn = box;
  DrawSkinText(DC, FCaption, drawn, TextFlags(DT_WORDBREAK | DT_EXPANDTABS | Alignment));
  if (FocusRect) {
    RECT focus = box;
    InflateRect(&focus, 2, 2);
    DrawFocusRect(DC, &focus);
  }
  return box;
}
