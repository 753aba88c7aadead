#include "skin/painters/SkinScrollbarH.h"

#include "skin/engine/SkinData.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/painters/WScrollbar.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinScrollbarH::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinScrollbarH>("TSkinScrollbarH", &TSkinControl::StaticClass()).Info();
  return info;
}

TSkinScrollbarH::TSkinScrollbarH(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinScrollbarH::~TSkinScrollbarH() {
  DetachNow();
}

void TSkinScrollbarH::AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                                     TCanvas* Canvas) {
  if (Attached() || !Window) return;
  TSkinControl::AttachToWindow(Window, Data, FormSkinner, Canvas);
  if (!Attached()) return;
  const LONG_PTR style = GetWindowLongPtrA(Window, GWL_STYLE);
  if (!PopupBars() && !(style & WS_CLIPSIBLINGS)) {
    SetWindowLongPtrA(Window, GWL_STYLE, style | WS_CLIPSIBLINGS);
    FAddedClipSiblings = true;
  }
  FBars.Create(this, Window, PopupBars());
  FBars.SetEnabled(IsWindowEnabled(Window) != 0);
}

void TSkinScrollbarH::PlaceBars() {
  FBars.Place();
}

void TSkinScrollbarH::SkinChanged() {
  PlaceBars();
  TSkinControl::SkinChanged();
}

void TSkinScrollbarH::Detach() {
  TSkinControl::Detach();
  if (LifeState() == 6) {
    FBars.Hide();
    return;
  }
  FBars.Free();
  if (FAddedClipSiblings && IsWindow(Handle()))
    SetWindowLongPtrA(Handle(), GWL_STYLE,
                      GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPSIBLINGS));
  FAddedClipSiblings = false;
  if (IsWindow(Handle())) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbarH::AfterMessage(TMessage& Message) {
  // A hidden window shows no overlay (both are hidden).
  if (!IsWindowVisible(Handle())) FBars.Hide();
  switch (Message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED:
      PlaceBars();
      FBars.Refresh();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      FBars.Scrolled(Message.Msg, Message.WParam);
      break;
    case WM_MOUSEWHEEL:
      FBars.Refresh();
      break;
    case WM_ENABLE:
      FBars.SetEnabled(Message.WParam != 0);
      TSkinControl::AfterMessage(Message);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinScrollbarH::Paint(HDC DC, const RECT&) {
  if (SkinData())
    FBars.FollowPaint(Handle(), DC,
                      static_cast<COLORREF>(ResolveColor(SkinData()->Skin().Colours.ButtonFace)));
}
