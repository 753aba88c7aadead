#include "skin/painters/SkinControl.h"

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
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

}  // namespace

TSkinControl::TSkinControl(TComponent* AOwner) : TComponent(AOwner) {}

TSkinControl::~TSkinControl() {
  DetachNow();
}

void TSkinControl::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                                   TCanvas* Canvas) {
  if (FAttached) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  FFormSkinner = FormSkinner;
  FSkinData = Data;
  FCanvas = Canvas;
  FControl = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) FHandle = windowed->WindowHandle();
  FUnicode = FHandle && IsWindowUnicode(FHandle);
  FSavedWindowProc = control->WindowProc;
  control->WindowProc = TWndMethod(this, &TSkinControl::ControlMessage);
  if (FFormSkinner) FFormSkinner->RegisterPainter(this);
  FPaintBackground = PaintBackground;
  if (PaintBackground) {
    FSavedColor = control->GetColor();
    if (Data) control->SetColor(Data->Skin().Colours.ButtonFace);
  }
  control->Invalidate();
  FAttached = true;
  FLifeState = 1;
}

void TSkinControl::AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                                  TCanvas* Canvas) {
  if (FAttached || !Window) return;
  FSkinData = Data;
  FCanvas = Canvas;
  FFormSkinner = FormSkinner;
  FHandle = Window;
  if (FFormSkinner) FFormSkinner->RegisterPainter(this);
  FUnicode = IsWindowUnicode(Window) != 0;
  FCaption = ReadWindowText(Window);
  SetPropA(Window, PainterProperty(), this);
  const LONG_PTR proc = reinterpret_cast<LONG_PTR>(&TSkinControl::ThunkProc);
  FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(Window, GWLP_WNDPROC, proc)
                                                   : SetWindowLongPtrA(Window, GWLP_WNDPROC, proc));
  FThunkInstalled = true;
  InvalidateRect(Window, nullptr, TRUE);
  FAttached = true;
  FLifeState = 1;
}

void TSkinControl::RestoreMessagePath() {
  if (FControl && FSavedWindowProc.Assigned()) {
    FControl->WindowProc = FSavedWindowProc;
    FSavedWindowProc = TWndMethod();
  }
  if (FThunkInstalled) {
    if (IsWindow(FHandle)) {
      const LONG_PTR old = reinterpret_cast<LONG_PTR>(FOldWndProc);
      FUnicode ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, old)
               : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, old);
      RemovePropA(FHandle, PainterProperty());
    }
    FThunkInstalled = false;
  }
}

void TSkinControl::DetachNow() {
  if (!FAttached) return;
  FAttached = false;
  if (FLifeState != 6) Detach();
  RestoreMessagePath();
  if (FFormSkinner) FFormSkinner->UnregisterPainter(this);
  FFormSkinner = nullptr;
}

void TSkinControl::Detach() {
  if (FPaintBackground && FControl) FControl->SetColor(FSavedColor);
}

void TSkinControl::SkinChanged() {
  if (FPaintBackground && FControl && FSkinData)
    FControl->SetColor(FSkinData->Skin().Colours.ButtonFace);
  Repaint();
}

void TSkinControl::CallPrevious(TMessage& Message) {
  if (FSavedWindowProc.Assigned()) {
    FSavedWindowProc(Message);
    return;
  }
  if (!FOldWndProc) return;
  Message.Result =
      FUnicode ? CallWindowProcW(FOldWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam)
               : CallWindowProcA(FOldWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TSkinControl::Repaint() {
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
  RECT rect{0, 0, FWindowRect.right - FWindowRect.left, FWindowRect.bottom - FWindowRect.top};
  HDC dc = DC ? DC : GetWindowDC(FHandle);
  try {
    Paint(dc, rect);
  } catch (...) {
  }
  if (!DC) ReleaseDC(FHandle, dc);
}

// The painter's message handler, in front of the control's own.
void TSkinControl::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_RELEASE) {
    // The control is going: nothing of it may be touched after this.
    CallPrevious(Message);
    FLifeState = 6;
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
      FLifeState = 6;
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
