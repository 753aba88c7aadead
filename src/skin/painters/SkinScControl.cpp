#include "skin/painters/SkinScControl.h"

#include "skin/painters/WScrollbar.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinScControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinScControl>("TSkinScControl", &TSkinControl::StaticClass()).Info();
  return info;
}

TSkinScControl::TSkinScControl(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinScControl::~TSkinScControl() {
  DetachNow();
  FreeBar();
}

void TSkinScControl::AttachScrollBar(TWinControl* Control, TSkinData* Data,
                                     TWinSkinForm* FormSkinner, TCanvas* Canvas) {
  if (Attached() || !Control || Control != Owner()) return;
  Control->HandleNeeded();
  AttachToControl(FormSkinner, Data, false, Canvas);
  if (Attached()) MakeBar();
}

void TSkinScControl::MakeBar() {
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control) return;
  FreeBar();
  FBar = new TWScrollbar(this);
  FBar->BindToWindow(this, control, TWScrollbar::bkControl);
  FBar->SetEnabled(control->GetEnabled());
  if (!control->GetVisible()) FBar->HideOverlay();
}

void TSkinScControl::FreeBar() {
  delete FBar;
  FBar = nullptr;
}

void TSkinScControl::Detach() {
  TSkinControl::Detach();
  if (LifeState() != 6) {
    FreeBar();
    if (IsWindow(Handle())) InvalidateRect(Handle(), nullptr, TRUE);
  } else if (FBar) {
    FBar->HideOverlay();
  }
}

void TSkinScControl::AfterMessage(TMessage& Message) {
  if (!FBar) {
    TSkinControl::AfterMessage(Message);
    return;
  }
  switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      FBar->Scrolled(LOWORD(Message.WParam));
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
      FBar->Refresh();
      break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      FBar->Place();
      break;
    case CM_VISIBLECHANGED:
      if (Message.WParam)
        FBar->Place();
      else
        FBar->HideOverlay();
      break;
    case CM_ENABLEDCHANGED:
      FBar->SetEnabled(Control() && Control()->GetEnabled());
      FBar->Refresh();
      break;
    case CM_RECREATEWND:
      // A new window (the bar was turned): a new overlay over it.
      MakeBar();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinScControl::Paint(HDC, const RECT&) {
  if (!FBar) return;
  if (FBar->Shown())
    InvalidateRect(FBar->WindowHandle(), nullptr, FALSE);
  else
    FBar->Place();
}
