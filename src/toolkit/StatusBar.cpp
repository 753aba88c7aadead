#include "toolkit/StatusBar.h"

#include <commctrl.h>

#include <vector>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomStatusBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomStatusBar>("TCustomStatusBar", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TStatusBar::StaticClass() {
  using T = TCustomStatusBar;
  static const TClassInfo info =
      TClassBuilder<TStatusBar>("TStatusBar", &TCustomStatusBar::StaticClass())
          .Creatable()
          .Prop("Align", &TControl::GetAlign, &TControl::SetAlign, alBottom)
          .CollectionProp("Panels", &T::GetPanels)
          .Prop("SimplePanel", &T::GetSimplePanel, &T::SetSimplePanel, false)
          .Prop("SimpleText", &T::GetSimpleText, &T::SetSimpleText, std::string())
          .Prop("SizeGrip", &T::GetSizeGrip, &T::SetSizeGrip, true)
          .EventProp("OnDrawPanel", &T::OnDrawPanel)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TStatusBar);

TCustomStatusBar::TCustomStatusBar(TComponent* AOwner)
    : TWinControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this)) {
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

TCustomStatusBar::~TCustomStatusBar() {
  DestroyHandle();
  // The panels must not call back into a bar that is going.
  FPanels.reset();
}

void TCustomStatusBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = STATUSCLASSNAMEA;
  // The toolkit places the bar (Align), not the system control.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (FSizeGrip) Params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
  ApplySimple();
}

void TCustomStatusBar::UpdatePanels() {
  if (!HandleAllocated() || !FPanels) return;
  HWND wnd = WindowHandle();
  std::vector<TStatusPanel*> panels;
  for (int i = 0; i < FPanels->Count(); ++i)
    if (FPanels->Items(i).Alive()) panels.push_back(&FPanels->Items(i));
  if (panels.empty()) {
    int whole = -1;
    SendMessageA(wnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
    SendMessageA(wnd, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
    return;
  }
  std::vector<int> edges;
  int right = 0;
  for (TStatusPanel* p : panels) edges.push_back(right += p->GetWidth());
  // The last panel reaches the end of the bar.
  edges.back() = -1;
  SendMessageA(wnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels.size(); ++i) {
    TStatusPanel* p = panels[i];
    WPARAM flags = i;
    if (p->GetBevel() == pbNone) flags |= SBT_NOBORDERS;
    if (p->GetBevel() == pbRaised) flags |= SBT_POPOUT;
    if (p->GetStyle() == psOwnerDraw) {
      SendMessageA(wnd, SB_SETTEXTA, flags | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(p));
      continue;
    }
    // The system control centres text after one tab and right-aligns it
    // after two.
    std::string text = p->GetText();
    if (p->GetAlignment() == taCenter) text = "\t" + text;
    if (p->GetAlignment() == taRightJustify) text = "\t\t" + text;
    SendMessageA(wnd, SB_SETTEXTA, flags, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TCustomStatusBar::ApplySimple() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageA(wnd, SB_SIMPLE, FSimplePanel, 0);
  SendMessageA(wnd, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TCustomStatusBar::SetSimplePanel(bool Value) {
  FSimplePanel = Value;
  ApplySimple();
}

void TCustomStatusBar::SetSimpleText(const std::string& Value) {
  FSimpleText = Value;
  ApplySimple();
}

void TCustomStatusBar::SetSizeGrip(bool Value) {
  if (Value == FSizeGrip) return;
  FSizeGrip = Value;
  RecreateWnd();
}

RECT TCustomStatusBar::PanelRect(int Index) {
  RECT r{};
  if (HandleAllocated())
    SendMessageA(WindowHandle(), SB_GETRECT, Index, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomStatusBar::DrawPanel(TStatusPanel* Panel, const RECT& Rect) {
  OnDrawPanel(this, Panel, Rect);
}

void TCustomStatusBar::WndProc(TMessage& Message) {
  if (Message.Msg == CN_DRAWITEM) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
    FCanvas.SetHandle(item->hDC);
    FCanvas.Font().Assign(*GetFont());
    FCanvas.Brush().SetColor(GetColor());
    try {
      DrawPanel(reinterpret_cast<TStatusPanel*>(item->itemData), item->rcItem);
    } catch (...) {
      FCanvas.SetHandle(nullptr);
      throw;
    }
    FCanvas.SetHandle(nullptr);
    Message.Result = TRUE;
    return;
  }
  TWinControl::WndProc(Message);
}
