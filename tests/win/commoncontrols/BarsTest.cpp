// Tool bars, header controls and status bars: buttons that click, check
// and drop their menus down, sections that report clicks and sizing, and
// owner drawing through the published events.
#include "CommonControlsTest.h"
// (windows.h first)
#include <commctrl.h>

#include "toolkit/HeaderControl.h"
#include "toolkit/Menu.h"
#include "toolkit/StatusBar.h"
#include "toolkit/ToolBar.h"

namespace {

struct TBarEvents : TEventLog {
  void Clicked(TObject* Sender) { Note("click " + static_cast<TComponent*>(Sender)->GetName()); }
  void ItemClicked(TObject* Sender) { Note("item " + static_cast<TComponent*>(Sender)->GetName()); }
  void Popup(TObject*) { Note("popup"); }
  void DrawBar(TToolBar*, const RECT&, bool& DefaultDraw) { Note("draw bar"); }
  // "Owned" is painted wholly here; "Faced" gets a red face under the
  // bar's own caption, drawn in blue.
  void DrawButton(TToolBar* Bar, TToolButton* Button, TCustomDrawState, bool& DefaultDraw) {
    Note("draw " + Button->GetName());
    DefaultDraw = Button->GetName() != "Owned";
    if (Button->GetName() != "Faced") return;
    Bar->Canvas().Brush().SetColor(0x0000FF);
    Bar->Canvas().FillRect(Button->BoundsRect());
    Bar->Canvas().Font().SetColor(0xFF0000);
  }
};

// While a menu runs its own loop, a timer notes which menu window is open
// and closes it again.
struct TMenuWatcher {
  static inline bool Seen = false;
  static inline int Items = 0;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR Id, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    Seen = true;
    HMENU handle = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    Items = handle ? GetMenuItemCount(handle) : -1;
    KillTimer(nullptr, Id);
    EndMenu();
  }
  static void Arm() {
    Seen = false;
    Items = 0;
    SetTimer(nullptr, 0, 100, &TMenuWatcher::Tick);
  }
};

TMenuItem* AddItem(TMenuItem* Parent, const char* Name, const char* Caption) {
  auto* item = new TMenuItem(Parent->Owner());
  item->SetName(Name);
  item->SetCaption(Caption);
  Parent->Add(item);
  return item;
}

}  // namespace

class BarsTest : public CommonControlsTest {
 protected:
  TToolButton* AddButton(TToolBar* Bar, const char* Name, TToolButtonStyle Style) {
    auto* b = new TToolButton(Form);
    b->SetName(Name);
    b->SetText(Name);
    b->SetStyle(Style);
    b->SetParent(Bar);
    b->OnClick = TNotifyEvent(&Events, &TBarEvents::Clicked);
    return b;
  }
  TBarEvents Events;
};

TEST_F(BarsTest, ToolButtonsClickCheckAndDropTheirMenuDown) {
  auto* bar = Make<TToolBar>(0, 0, 0, 29);
  bar->SetShowCaptions(true);
  TToolButton* plain = AddButton(bar, "Plain", tbsButton);
  AddButton(bar, "Sep", tbsSeparator);
  TToolButton* check = AddButton(bar, "Check", tbsCheck);
  TToolButton* drop = AddButton(bar, "Drop", tbsDropDown);
  auto* menu = new TPopupMenu(Form);
  AddItem(menu->Items(), "One", "One");
  AddItem(menu->Items(), "Two", "Two");
  menu->OnPopup = TNotifyEvent(&Events, &TBarEvents::Popup);
  drop->SetDropdownMenu(menu);

  // Aligned along the top, across the form; the buttons sit where the
  // system control put them.
  HWND wnd = bar->Handle();
  EXPECT_EQ(bar->GetWidth(), Form->GetClientWidth());
  EXPECT_EQ(SendMessageA(wnd, TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_GT(check->GetLeft(), plain->GetLeft() + plain->GetWidth());

  ClickAt(wnd, CenterOf(plain->BoundsRect()));
  EXPECT_EQ(Events.Lines, (std::vector<std::string>{"click Plain"}));
  ClickAt(wnd, CenterOf(check->BoundsRect()));
  EXPECT_TRUE(check->GetDown());
  ClickAt(wnd, CenterOf(check->BoundsRect()));
  EXPECT_FALSE(check->GetDown());
  EXPECT_EQ(Events.Count("click Check"), 2);

  // The arrow part opens the drop-down menu below the button.
  TMenuWatcher::Arm();
  RECT r = drop->BoundsRect();
  ClickAt(wnd, {r.right - 4, (r.top + r.bottom) / 2});
  EXPECT_TRUE(TMenuWatcher::Seen);
  EXPECT_EQ(TMenuWatcher::Items, 2);
  EXPECT_EQ(Events.Count("popup"), 1);
  EXPECT_EQ(Events.Count("click Drop"), 0);

  // Resting the mouse on a button shows its hint as the tool tip.
  check->SetHint("Bold text");
  POINT over = CenterOf(check->BoundsRect());
  ClientToScreen(wnd, &over);
  SetCursorPos(over.x, over.y);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, over);
  HWND tip = reinterpret_cast<HWND>(SendMessageA(wnd, TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }, 3000));
  char tipText[64] = {};
  GetWindowTextA(tip, tipText, sizeof tipText);
  EXPECT_STREQ(tipText, "Bold text");

  // Disabled: the system control no longer clicks it.
  plain->SetEnabled(false);
  EXPECT_FALSE(SendMessageA(wnd, TB_ISBUTTONENABLED, plain->Command(), 0));
  ClickAt(wnd, CenterOf(plain->BoundsRect()));
  EXPECT_EQ(Events.Count("click Plain"), 1);
}

TEST_F(BarsTest, MenuOfAToolBarBecomesButtonsThatOpenTheItems) {
  auto* mainMenu = new TMainMenu(Form);
  TMenuItem* file = AddItem(mainMenu->Items(), "File", "File");
  AddItem(file, "Open", "Open");
  AddItem(file, "Save", "Save");
  AddItem(file, "Quit", "Quit");
  TMenuItem* help = AddItem(mainMenu->Items(), "Help", "Help");
  help->OnClick = TNotifyEvent(&Events, &TBarEvents::ItemClicked);
  auto* bar = Make<TToolBar>(0, 0, 0, 29);
  bar->SetMenu(mainMenu);
  ASSERT_EQ(bar->ButtonCount(), 2);
  EXPECT_EQ(bar->Buttons(0)->GetMenuItem(), file);
  EXPECT_EQ(bar->Buttons(1)->GetCaption(), "Help");

  TMenuWatcher::Arm();
  ClickAt(bar->Handle(), CenterOf(bar->Buttons(0)->BoundsRect()));
  EXPECT_TRUE(TMenuWatcher::Seen);
  EXPECT_EQ(TMenuWatcher::Items, 3);
  // An item without sub-items is clicked through its button.
  ClickAt(bar->Handle(), CenterOf(bar->Buttons(1)->BoundsRect()));
  EXPECT_EQ(Events.Count("item Help"), 1);
  // The menu going away takes its buttons.
  delete mainMenu;
  EXPECT_EQ(bar->ButtonCount(), 0);
}

TEST_F(BarsTest, OwnerDrawsTheBarAndTheButtonsItAsksFor) {
  auto* bar = Make<TToolBar>(0, 0, 0, 29);
  bar->SetShowCaptions(true);
  AddButton(bar, "Native", tbsButton);
  TToolButton* owned = AddButton(bar, "Owned", tbsButton);
  TToolButton* faced = AddButton(bar, "Faced", tbsButton);
  faced->SetText("WWWW");
  bar->OnCustomDraw = TTBCustomDrawEvent(&Events, &TBarEvents::DrawBar);
  bar->OnCustomDrawButton = TTBCustomDrawBtnEvent(&Events, &TBarEvents::DrawButton);
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(50);
  EXPECT_GE(Events.Count("draw bar"), 1);
  EXPECT_GE(Events.Count("draw Native"), 1);
  EXPECT_GE(Events.Count("draw Owned"), 1);
  // The face stays as the handler drew it, the caption lies over it.
  RECT r = faced->BoundsRect();
  int red = 0, blue = 0;
  for (int y = r.top + 2; y < r.bottom - 2; ++y)
    for (int x = r.left + 2; x < r.right - 2; ++x) {
      COLORREF c = PixelOf(bar->Handle(), x, y);
      red += c == RGB(255, 0, 0);
      blue += GetBValue(c) > 160 && GetRValue(c) < 90 && GetGValue(c) < 90;
    }
  EXPECT_GT(red, (r.right - r.left) * (r.bottom - r.top) / 3);
  EXPECT_GT(blue, 5);
  // The published events are found by name, as the skin engine looks them up.
  const TPropInfo* info = bar->ClassType().FindProperty("OnCustomDrawButton");
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(info->Get(*bar).Method.Assigned());
  EXPECT_NE(bar->ClassType().FindProperty("Flat"), nullptr);
  (void)owned;
}

TEST_F(BarsTest, ToolBarDrawsAnEtchedEdgeAlongTheSidesAskedFor) {
  auto* bar = Make<TToolBar>(0, 0, 0, 29);
  AddButton(bar, "Only", tbsButton);
  HWND wnd = bar->Handle();
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(50);
  const int x = bar->GetWidth() - 10;
  // An etched edge: a shadow line with a highlight line below it.
  EXPECT_EQ(PixelOf(wnd, x, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PixelOf(wnd, x, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_NE(PixelOf(wnd, x, bar->GetHeight() - 2), GetSysColor(COLOR_BTNSHADOW));
  bar->SetEdgeBorders({ebBottom});
  PumpMessages(50);
  EXPECT_NE(PixelOf(wnd, x, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PixelOf(wnd, x, bar->GetHeight() - 2), GetSysColor(COLOR_BTNSHADOW));
}

namespace {
struct THeaderEvents : TEventLog {
  void Clicked(TCustomHeaderControl*, THeaderSection* S) { Note("click " + S->GetText()); }
  void Resized(TCustomHeaderControl*, THeaderSection* S) {
    Note("resize " + S->GetText() + " " + std::to_string(S->GetWidth()));
  }
};
}  // namespace

TEST_F(BarsTest, HeaderSectionsReportClicksAndDraggedWidths) {
  auto* header = Make<THeaderControl>(0, 0, 0, 20);
  header->Sections().Add("Name", 120);
  header->Sections().Add("Size", 60).SetAlignment(taRightJustify);
  THeaderSection& locked = header->Sections().Add("Locked", 80);
  locked.SetAllowClick(false);
  header->Sections().Items(0).SetMinWidth(40);
  THeaderEvents events;
  header->OnSectionClick = TSectionNotifyEvent(&events, &THeaderEvents::Clicked);
  header->OnSectionResize = TSectionNotifyEvent(&events, &THeaderEvents::Resized);
  HWND wnd = header->Handle();
  ASSERT_EQ(Header_GetItemCount(wnd), 3);
  HDITEMA item{};
  item.mask = HDI_FORMAT | HDI_WIDTH;
  SendMessageA(wnd, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cxy, 60);
  EXPECT_TRUE(item.fmt & HDF_RIGHT);

  ClickAt(wnd, CenterOf(header->SectionRect(1)));
  ClickAt(wnd, CenterOf(header->SectionRect(2)));
  EXPECT_EQ(events.Lines, (std::vector<std::string>{"click Size"}));

  // Dragging the first divider to the left: the width follows the mouse but
  // stops at the section's minimum.
  RECT first = header->SectionRect(0);
  POINT from{first.right - 1, (first.top + first.bottom) / 2}, to{first.left + 10, from.y};
  ClientToScreen(wnd, &from);
  ClientToScreen(wnd, &to);
  SetCursorPos(from.x, from.y);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, to);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpMessages(80);
  EXPECT_EQ(header->Sections().Items(0).GetWidth(), 40);
  EXPECT_EQ(events.Lines.back(), "resize Name 40");
  EXPECT_EQ(header->Sections().Items(1).Left(), 40);
}

namespace {
struct TPanelPainter : TEventLog {
  void Draw(TCustomStatusBar* Bar, TStatusPanel* Panel, const RECT& R) {
    Note("draw " + Panel->GetText());
    Bar->Canvas().Brush().SetColor(0x0000FF);
    Bar->Canvas().FillRect(R);
  }
};
}  // namespace

TEST_F(BarsTest, StatusBarShowsPanelsSimpleTextAndOwnerDrawnPanels) {
  auto* status = Make<TStatusBar>(0, 0, 0, 20);
  status->Panels().Add("Left", 100);
  TStatusPanel& drawn = status->Panels().Add("Red", 60);
  drawn.SetStyle(psOwnerDraw);
  status->Panels().Add("Rest");
  TPanelPainter painter;
  status->OnDrawPanel = TDrawPanelEvent(&painter, &TPanelPainter::Draw);
  HWND wnd = status->Handle();
  RECT client;
  GetClientRect(Form->Handle(), &client);
  EXPECT_EQ(status->GetTop() + status->GetHeight(), client.bottom);
  EXPECT_TRUE(StyleOf(wnd) & SBARS_SIZEGRIP);
  int edges[4] = {};
  ASSERT_EQ(SendMessageA(wnd, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 160);
  EXPECT_EQ(edges[2], -1);

  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(50);
  EXPECT_GE(painter.Count("draw Red"), 1);
  RECT red = status->PanelRect(1);
  COLORREF c = PixelOf(wnd, (red.left + red.right) / 2, (red.top + red.bottom) / 2);
  EXPECT_EQ(c, RGB(255, 0, 0));

  // A panel removed or changed shows at once.
  status->Panels().Delete(0);
  EXPECT_EQ(SendMessageA(wnd, SB_GETPARTS, 0, 0), 2);
  status->Panels().Items(1).SetText("Changed");
  char text[32] = {};
  SendMessageA(wnd, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Changed");

  status->SetSimpleText("Working...");
  status->SetSimplePanel(true);
  EXPECT_TRUE(SendMessageA(wnd, SB_ISSIMPLE, 0, 0));
  // In simple mode the system control reads the simple text as part 0.
  SendMessageA(wnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Working...");

  // The form growing keeps the bar at its bottom.
  Form->SetBounds(Form->GetLeft(), Form->GetTop(), Form->GetWidth(), Form->GetHeight() + 30);
  PumpMessages(30);
  GetClientRect(Form->Handle(), &client);
  EXPECT_EQ(status->GetTop() + status->GetHeight(), client.bottom);
  Form->SetBounds(Form->GetLeft(), Form->GetTop(), Form->GetWidth(), Form->GetHeight() - 30);
}
