#include "toolkit/TabControl.h"

#include <commctrl.h>

const TClassInfo& TCustomTabControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomTabControl>("TCustomTabControl", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TTabControl> b("TTabControl", &TCustomTabControl::StaticClass());
    b.Creatable()
        .PropNoDefault("Tabs", &TCustomTabControl::GetTabs, &TCustomTabControl::SetTabs)
        .Prop("TabIndex", &TCustomTabControl::GetTabIndex, &TCustomTabControl::SetTabIndex, -1);
    return PublishTabProperties(b).Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TTabControl);

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

TCustomTabControl::~TCustomTabControl() {
  DestroyHandle();
}

void TCustomTabControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_TABCONTROLA;
  Params.Style |= WS_CLIPCHILDREN;
  switch (FTabPosition) {
    case tpTop:
      break;
    case tpBottom:
      Params.Style |= TCS_BOTTOM;
      break;
    case tpLeft:
      Params.Style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case tpRight:
      Params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
  }
  if (FStyle == tsButtons) Params.Style |= TCS_BUTTONS;
  if (FStyle == tsFlatButtons) Params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  if (FMultiLine) Params.Style |= TCS_MULTILINE;
  if (FHotTrack) Params.Style |= TCS_HOTTRACK;
  if (FRaggedRight) Params.Style |= TCS_RAGGEDRIGHT;
  if (FTabWidth > 0) Params.Style |= TCS_FIXEDWIDTH;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyImages();
  ApplyTabSize();
  UpdateTabs();
}

void TCustomTabControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  TabCtrl_DeleteAllItems(wnd);
  for (size_t i = 0; i < FTabs.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(FTabs[i].c_str());
    item.iImage = GetImageIndex(static_cast<int>(i));
    SendMessageA(wnd, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  if (FTabIndex >= static_cast<int>(FTabs.size())) FTabIndex = -1;
  TabCtrl_SetCurSel(wnd, FTabIndex);
  Resized();
}

void TCustomTabControl::SetTabs(const std::vector<std::string>& Value) {
  FTabs = Value;
  if (FTabIndex >= static_cast<int>(FTabs.size())) FTabIndex = -1;
  UpdateTabs();
}

int TCustomTabControl::GetTabIndex() const {
  if (WindowHandle()) return TabCtrl_GetCurSel(WindowHandle());
  return FTabIndex;
}

void TCustomTabControl::SetTabIndex(int Value) {
  if (Value < -1 || Value >= static_cast<int>(FTabs.size())) {
    // Read before the tabs while loading; checked again when they come.
    if (!ComponentState().Contains(csLoading)) return;
  }
  FTabIndex = Value;
  if (HandleAllocated()) TabCtrl_SetCurSel(WindowHandle(), Value);
}

void TCustomTabControl::SetTabPosition(TTabPosition Value) {
  if (Value == FTabPosition) return;
  FTabPosition = Value;
  RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool Value) {
  if (Value == FMultiLine) return;
  FMultiLine = Value;
  RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool Value) {
  if (Value == FHotTrack) return;
  FHotTrack = Value;
  RecreateWnd();
}

void TCustomTabControl::SetRaggedRight(bool Value) {
  if (Value == FRaggedRight) return;
  FRaggedRight = Value;
  RecreateWnd();
}

void TCustomTabControl::SetTabHeight(int Value) {
  FTabHeight = Value < 0 ? 0 : Value;
  ApplyTabSize();
}

void TCustomTabControl::SetTabWidth(int Value) {
  bool fixed = FTabWidth > 0;
  FTabWidth = Value < 0 ? 0 : Value;
  if (fixed != (FTabWidth > 0)) RecreateWnd();
  ApplyTabSize();
}

void TCustomTabControl::ApplyTabSize() {
  if (!HandleAllocated() || (FTabWidth == 0 && FTabHeight == 0)) return;
  TabCtrl_SetItemSize(WindowHandle(), FTabWidth, FTabHeight);
  Resized();
}

void TCustomTabControl::SetImages(TImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ApplyImages();
}

void TCustomTabControl::ApplyImages() {
  if (HandleAllocated())
    TabCtrl_SetImageList(WindowHandle(), FImages ? FImages->Handle() : nullptr);
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (!ComponentState().Contains(csDestroying)) ApplyImages();
  }
}

RECT TCustomTabControl::DisplayRect() {
  RECT r = ClientRect();
  if (!HandleAllocated()) return r;
  GetClientRect(WindowHandle(), &r);
  TabCtrl_AdjustRect(WindowHandle(), FALSE, &r);
  return r;
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) {
  if (!HandleAllocated()) return -1;
  TCHITTESTINFO hit{{X, Y}, 0};
  return TabCtrl_HitTest(WindowHandle(), &hit);
}

RECT TCustomTabControl::TabRect(int Index) {
  RECT r{};
  if (HandleAllocated()) TabCtrl_GetItemRect(WindowHandle(), Index, &r);
  return r;
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      if (Message.LParam == kEngineMessageTag) break;
      switch (reinterpret_cast<NMHDR*>(Message.LParam)->code) {
        case TCN_SELCHANGING:
          Message.Result = CanChange() ? FALSE : TRUE;
          return;
        case TCN_SELCHANGE:
          FTabIndex = TabCtrl_GetCurSel(WindowHandle());
          Change();
          return;
      }
      break;
    case WM_SIZE:
      TWinControl::WndProc(Message);
      Resized();
      return;
    case WM_ERASEBKGND: {
      // The system control leaves the strip beside the tabs to the class
      // brush, which the toolkit's classes do not have.
      RECT r;
      GetClientRect(WindowHandle(), &r);
      FillRect(reinterpret_cast<HDC>(Message.WParam), &r, Brush().Handle());
      Message.Result = 1;
      return;
    }
  }
  TWinControl::WndProc(Message);
}
