#include "toolkit/ToolBar.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/Menu.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TToolBar::StaticClass() {
  using T = TToolBar;
  static const TClassInfo info =
      TClassBuilder<T>("TToolBar", &TToolWindow::StaticClass())
          .Creatable()
          .Prop("Align", &TControl::GetAlign, &TControl::SetAlign, alTop)
          .Prop("EdgeBorders", &TToolWindow::GetEdgeBorders, &TToolWindow::SetEdgeBorders,
                TEdgeBorders{ebTop})
          .Prop("Flat", &T::GetFlat, &T::SetFlat, false)
          .Prop("ShowCaptions", &T::GetShowCaptions, &T::SetShowCaptions, false)
          .Prop("List", &T::GetList, &T::SetList, false)
          .Prop("Wrapable", &T::GetWrapable, &T::SetWrapable, true)
          .Prop("Transparent", &T::GetTransparent, &T::SetTransparent, false)
          .Prop("ButtonWidth", &T::GetButtonWidth, &T::SetButtonWidth, 23)
          .Prop("ButtonHeight", &T::GetButtonHeight, &T::SetButtonHeight, 22)
          .Prop("Indent", &T::GetIndent, &T::SetIndent, 0)
          .PropNoDefault("Images", &T::GetImages, &T::SetImages)
          .PropNoDefault("Menu", &T::GetMenu, &T::SetMenu)
          .EventProp("OnCustomDraw", &T::OnCustomDraw)
          .EventProp("OnCustomDrawButton", &T::OnCustomDrawButton)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TToolBar);

TToolBar::TToolBar(TComponent* AOwner) : TToolWindow(AOwner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
  SetEdgeBorders({ebTop});
}

TToolBar::~TToolBar() {
  DestroyHandle();
  // The buttons are children and go with the bar; by then it is no tool
  // bar any more and they do not call back.
  FButtons.clear();
}

void TToolBar::CreateParams(TCreateParams& Params) {
  TToolWindow::CreateParams(Params);
  Params.BaseClassName = TOOLBARCLASSNAMEA;
  // The toolkit places the bar (Align), not the system control.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
  if (FFlat) Params.Style |= TBSTYLE_FLAT;
  if (FList) Params.Style |= TBSTYLE_LIST;
  if (FWrapable) Params.Style |= TBSTYLE_WRAPABLE;
  if (FTransparent) Params.Style |= TBSTYLE_TRANSPARENT;
}

void TToolBar::CreateWnd() {
  TToolWindow::CreateWnd();
  HWND wnd = WindowHandle();
  SendMessageA(wnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(wnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  RebuildButtons();
}

void TToolBar::Loaded() {
  TToolWindow::Loaded();
  if (FMenu) MakeMenuButtons();
  RebuildButtons();
}

TToolButton* TToolBar::ButtonByCommand(int Command) const {
  for (TToolButton* b : FButtons)
    if (b->FCommand == Command) return b;
  return nullptr;
}

void TToolBar::InsertButton(TToolButton* Button) {
  FButtons.push_back(Button);
  ButtonsChanged();
}

void TToolBar::RemoveButton(TToolButton* Button) {
  FButtons.erase(std::remove(FButtons.begin(), FButtons.end(), Button), FButtons.end());
  FMenuButtons.erase(std::remove(FMenuButtons.begin(), FMenuButtons.end(), Button),
                     FMenuButtons.end());
  ButtonsChanged();
}

void TToolBar::ButtonsChanged() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  RebuildButtons();
}

void TToolBar::RebuildButtons() {
  if (!HandleAllocated() || FRebuilding) return;
  FRebuilding = true;
  HWND wnd = WindowHandle();
  SendMessageA(wnd, WM_SETREDRAW, FALSE, 0);
  while (SendMessageA(wnd, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(wnd, TB_DELETEBUTTON, 0, 0);
  SendMessageA(wnd, TB_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(FImages ? FImages->Handle() : nullptr));
  int imageW = FImages ? FImages->GetWidth() : 16, imageH = FImages ? FImages->GetHeight() : 16;
  if (!FImages && FShowCaptions) imageW = imageH = 0;
  SendMessageA(wnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageW, imageH));
  SendMessageA(wnd, TB_SETINDENT, static_cast<WPARAM>(FIndent), 0);
  for (TToolButton* b : FButtons) {
    if (!b->GetVisible()) continue;
    TBBUTTON button{};
    button.idCommand = b->FCommand;
    button.dwData = reinterpret_cast<DWORD_PTR>(b);
    button.iString = -1;
    const std::string caption = b->GetText();  // copied by the system control
    const bool separator = b->FStyle == tbsSeparator || b->FStyle == tbsDivider;
    if (separator) {
      button.fsStyle = BTNS_SEP;
      button.iBitmap = b->GetWidth() > 0 ? b->GetWidth() : 8;
    } else {
      button.iBitmap = FImages && b->FImageIndex >= 0 ? b->FImageIndex : I_IMAGENONE;
      if (FShowCaptions) button.iString = reinterpret_cast<INT_PTR>(caption.c_str());
      switch (b->FStyle) {
        case tbsCheck:
          button.fsStyle = b->FGrouped ? BTNS_CHECKGROUP : BTNS_CHECK;
          break;
        case tbsDropDown:
          button.fsStyle = BTNS_DROPDOWN;
          break;
        default:
          button.fsStyle = BTNS_BUTTON;
          break;
      }
      if (b->FAutoSize || FShowCaptions) button.fsStyle |= BTNS_AUTOSIZE;
    }
    if (b->GetEnabled()) button.fsState |= TBSTATE_ENABLED;
    if (b->FDown) button.fsState |= TBSTATE_CHECKED;
    if (b->FIndeterminate) button.fsState |= TBSTATE_INDETERMINATE;
    if (b->FWrap) button.fsState |= TBSTATE_WRAP;
    SendMessageA(wnd, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
  if (!FShowCaptions)
    SendMessageA(wnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
  SendMessageA(wnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(wnd, nullptr, TRUE);
  PlaceButtons();
  FRebuilding = false;
}

// Each button's bounds follow where the system control put it.
void TToolBar::PlaceButtons() {
  HWND wnd = WindowHandle();
  for (TToolButton* b : FButtons) {
    RECT r{};
    if (!b->GetVisible() || !SendMessageA(wnd, TB_GETRECT, static_cast<WPARAM>(b->FCommand),
                                          reinterpret_cast<LPARAM>(&r)))
      continue;
    b->TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
}

void TToolBar::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  RecreateWnd();
}

void TToolBar::SetShowCaptions(bool Value) {
  if (Value == FShowCaptions) return;
  FShowCaptions = Value;
  RecreateWnd();
}

void TToolBar::SetList(bool Value) {
  if (Value == FList) return;
  FList = Value;
  RecreateWnd();
}

void TToolBar::SetWrapable(bool Value) {
  if (Value == FWrapable) return;
  FWrapable = Value;
  RecreateWnd();
}

void TToolBar::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  RecreateWnd();
}

void TToolBar::SetButtonWidth(int Value) {
  FButtonWidth = Value;
  ButtonsChanged();
}

void TToolBar::SetButtonHeight(int Value) {
  FButtonHeight = Value;
  ButtonsChanged();
}

void TToolBar::SetIndent(int Value) {
  FIndent = Value;
  ButtonsChanged();
}

void TToolBar::SetImages(TImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ButtonsChanged();
}

void TToolBar::SetMenu(TMainMenu* Value) {
  if (Value == FMenu) return;
  FMenu = Value;
  if (Value) Value->FreeNotification(this);
  if (!ComponentState().Contains(csLoading)) MakeMenuButtons();
}

// One button per top-level item of the menu, in place of the buttons made
// for an earlier menu.
void TToolBar::MakeMenuButtons() {
  for (TToolButton* b : std::vector<TToolButton*>(FMenuButtons)) delete b;
  FMenuButtons.clear();
  if (!FMenu) return;
  FShowCaptions = true;
  TMenuItem* root = FMenu->Items();
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    auto* button = new TToolButton(this);
    button->SetText(item->GetCaption());
    button->SetMenuItem(item);
    button->SetGrouped(true);
    button->SetAutoSize(true);
    FMenuButtons.push_back(button);
    button->SetParent(this);
  }
  RecreateWnd();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TToolWindow::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) {
    FImages = nullptr;
    ButtonsChanged();
  }
  if (AComponent == FMenu) {
    FMenu = nullptr;
    if (!ComponentState().Contains(csDestroying)) MakeMenuButtons();
  }
}

void TToolBar::ButtonCommand(int Command) {
  TToolButton* button = ButtonByCommand(Command);
  if (!button) return;
  // Check buttons: the system control toggled them (and their group).
  for (TToolButton* b : FButtons)
    if (b->FStyle == tbsCheck)
      b->FDown = SendMessageA(WindowHandle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(b->FCommand),
                              0) != 0;
  button->Click();
}

bool TToolBar::CustomDraw(const RECT& Rect) {
  bool defaultDraw = true;
  OnCustomDraw(this, Rect, defaultDraw);
  return defaultDraw;
}

bool TToolBar::CustomDrawButton(TToolButton* Button, TCustomDrawState State) {
  bool defaultDraw = true;
  OnCustomDrawButton(this, Button, State, defaultDraw);
  return defaultDraw;
}

LRESULT TToolBar::HandleCustomDraw(NMTBCUSTOMDRAW& Draw) {
  struct TBound {
    TCanvas& Canvas;
    TBound(TCanvas& C, HDC DC) : Canvas(C) { Canvas.SetHandle(DC); }
    ~TBound() { Canvas.SetHandle(nullptr); }
  };
  switch (Draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
      LRESULT result = CDRF_DODEFAULT;
      if (OnCustomDraw.Assigned()) {
        TBound bound(FCanvas, Draw.nmcd.hdc);
        if (!CustomDraw(Draw.nmcd.rc)) result = CDRF_SKIPDEFAULT;
      }
      if (OnCustomDrawButton.Assigned()) result |= CDRF_NOTIFYITEMDRAW;
      return result;
    }
    case CDDS_ITEMPREPAINT: {
      TToolButton* button = ButtonByCommand(static_cast<int>(Draw.nmcd.dwItemSpec));
      if (!button || !OnCustomDrawButton.Assigned()) return CDRF_DODEFAULT;
      const UINT s = Draw.nmcd.uItemState;
      TCustomDrawState state;
      const std::pair<UINT, TCustomDrawStateFlag> flags[] = {
          {CDIS_SELECTED, cdsSelected},
          {CDIS_GRAYED, cdsGrayed},
          {CDIS_DISABLED, cdsDisabled},
          {CDIS_CHECKED, cdsChecked},
          {CDIS_FOCUS, cdsFocused},
          {CDIS_DEFAULT, cdsDefault},
          {CDIS_HOT, cdsHot},
          {CDIS_MARKED, cdsMarked},
          {CDIS_INDETERMINATE, cdsIndeterminate}};
      for (const auto& [bit, flag] : flags)
        if (s & bit) state.Include(flag);
      TBound bound(FCanvas, Draw.nmcd.hdc);
      FCanvas.Font().Assign(*GetFont());
      FCanvas.Font().SetColor(static_cast<int>(Draw.clrText));
      if (!CustomDrawButton(button, state)) return CDRF_SKIPDEFAULT;
      // The handler painted the face; the system control adds the glyph and
      // the caption in the canvas's font colour.
      Draw.clrText = Draw.clrTextHighlight = ColorToRGB(FCanvas.Font().GetColor());
      return CDRF_DODEFAULT | TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND;
    }
  }
  return CDRF_DODEFAULT;
}

bool TToolBar::HandleNotify(TMessage& Message) {
  auto* header = reinterpret_cast<NMHDR*>(Message.LParam);
  switch (header->code) {
    case NM_CUSTOMDRAW:
      Message.Result = HandleCustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(Message.LParam));
      return true;
    case TBN_GETINFOTIPA: {
      // A button's hint is its tool tip.
      auto* tip = reinterpret_cast<NMTBGETINFOTIPA*>(Message.LParam);
      if (TToolButton* button = ButtonByCommand(tip->iItem); button && tip->cchTextMax > 0)
        lstrcpynA(tip->pszText, button->GetHint().c_str(), tip->cchTextMax);
      return true;
    }
    case TBN_GETINFOTIPW: {
      auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(Message.LParam);
      if (TToolButton* button = ButtonByCommand(tip->iItem); button && tip->cchTextMax > 0)
        MultiByteToWideChar(CP_ACP, 0, button->GetHint().c_str(), -1, tip->pszText,
                            tip->cchTextMax);
      return true;
    }
    case TBN_DROPDOWN: {
      auto* info = reinterpret_cast<NMTOOLBARA*>(Message.LParam);
      if (TToolButton* button = ButtonByCommand(info->iItem)) button->CheckMenuDropdown();
      Message.Result = TBDDRET_DEFAULT;
      return true;
    }
  }
  return false;
}

void TToolBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      ButtonCommand(LOWORD(Message.WParam));
      return;
    case CN_NOTIFY:
      if (Message.LParam != kEngineMessageTag && HandleNotify(Message)) return;
      break;
    case WM_SIZE:
      TToolWindow::WndProc(Message);
      PlaceButtons();
      return;
    default:
      // The buttons are drawn and pressed by the system control: the mouse
      // goes to it, not to the buttons as windowless children.
      if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        TControl::WndProc(Message);
        return;
      }
      break;
  }
  TToolWindow::WndProc(Message);
}
