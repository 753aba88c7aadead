// The standard controls answer real input: the system's mouse and keyboard
// (SendInput) change their state and fire their events, in the order a
// user of the toolkit expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CustomCheckBox.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/CustomListBox.h"
#include "toolkit/CustomMemo.h"
#include "toolkit/CustomRadioGroup.h"
#include "toolkit/RadioButton.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/ToolkitTestSupport.h"

namespace {

using namespace controls_test;

// Drops 'x' and types 'q' as 'Q'.
struct TKeyFilter {
  void KeyPress(TObject*, char& Key) {
    if (Key == 'x') Key = 0;
    if (Key == 'q') Key = 'Q';
  }
};

struct TEventLog {
  std::vector<std::string> Events;
  std::vector<TCheckBoxState> StatesAtClick;
  std::vector<TScrollCode> ScrollCodes;
  void Click(TObject* Sender) {
    Events.push_back("click " + Name(Sender));
    if (auto* box = dynamic_cast<TCustomCheckBox*>(Sender))
      StatesAtClick.push_back(box->GetState());
  }
  void DblClick(TObject* Sender) { Events.push_back("dblclick " + Name(Sender)); }
  void Change(TObject* Sender) { Events.push_back("change " + Name(Sender)); }
  void Select(TObject* Sender) { Events.push_back("select " + Name(Sender)); }
  void DropDown(TObject* Sender) { Events.push_back("dropdown " + Name(Sender)); }
  void CloseUp(TObject* Sender) { Events.push_back("closeup " + Name(Sender)); }
  void Scroll(TObject*, TScrollCode Code, int&) { ScrollCodes.push_back(Code); }
  int Count(const std::string& Event) const {
    return static_cast<int>(std::count(Events.begin(), Events.end(), Event));
  }
  static std::string Name(TObject* Sender) { return static_cast<TComponent*>(Sender)->GetName(); }
};

// Handles messages as the application's loop does (tab navigation included).
void PumpApplication(DWORD Milliseconds = 100) {
  DWORD end = GetTickCount() + Milliseconds;
  do {
    Application->ProcessMessages();
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

class ControlsInputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(60, 60, 520, 360);
    Form->Show();
    PumpMessages();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  void SetUp() override {
    SetForegroundWindow(Form->Handle());
    PumpMessages(30);
  }
  void TearDown() override {
    Form->DestroyOwnedComponents();
    MoveMouse({2, 2});
    DrainQuit();
  }

  template <class T>
  T* Make(const char* Name, int Left, int Top, int Width, int Height) {
    auto* c = new T(Form);
    c->SetName(Name);
    c->SetBounds(Left, Top, Width, Height);
    c->SetParent(Form);
    return c;
  }

  static inline TForm* Form = nullptr;
  TEventLog Log;
};

TEST_F(ControlsInputTest, ClicksCheckABoxAndCycleAThreeStateOne) {
  auto* plain = Make<TCheckBox>("Plain", 10, 10, 120, 20);
  auto* three = Make<TCheckBox>("Three", 10, 40, 120, 20);
  three->SetAllowGrayed(true);
  plain->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
  three->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
  PumpMessages();

  ClickIn(plain->WindowHandle(), {6, 10});
  EXPECT_TRUE(plain->GetChecked());
  EXPECT_EQ(SendMessageA(plain->WindowHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  ClickIn(plain->WindowHandle(), {6, 10});
  EXPECT_FALSE(plain->GetChecked());

  for (int i = 0; i < 3; ++i) ClickIn(three->WindowHandle(), {6, 10});
  // OnClick sees the state the click led to.
  EXPECT_EQ(Log.StatesAtClick, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked,
                                                            cbGrayed, cbUnchecked}));
  EXPECT_EQ(SendMessageA(three->WindowHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  // The space bar works the box as well.
  three->SetFocus();
  PressKey(VK_SPACE);
  EXPECT_EQ(three->GetState(), cbChecked);

  // Disabled: a click changes nothing.
  plain->SetEnabled(false);
  ClickIn(plain->WindowHandle(), {6, 10});
  EXPECT_FALSE(plain->GetChecked());
  EXPECT_EQ(Log.Count("click Plain"), 2);
}

TEST_F(ControlsInputTest, RadioGroupItemsAreExclusiveAndReportTheChosenItem) {
  auto* group = Make<TRadioGroup>("Group", 10, 10, 200, 130);
  group->GetItems()->SetStrings({"One", "Two", "Three", "Four"});
  group->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
  // Loose radio buttons of another parent are a group of their own.
  auto* loose = Make<TRadioButton>("Loose", 250, 10, 100, 20);
  loose->SetChecked(true);
  PumpMessages();

  ClickIn(group->Buttons(1)->WindowHandle(), {6, 8});
  EXPECT_EQ(group->GetItemIndex(), 1);
  ClickIn(group->Buttons(3)->WindowHandle(), {6, 8});
  EXPECT_EQ(group->GetItemIndex(), 3);
  EXPECT_FALSE(group->Buttons(1)->GetChecked());
  EXPECT_EQ(SendMessageA(group->Buttons(1)->WindowHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(group->Buttons(3)->GetChecked());
  // A click on the chosen item changes nothing but is still a click (made
  // slowly: a quick second click is a double click).
  Sleep(GetDoubleClickTime() + 50);
  ClickIn(group->Buttons(3)->WindowHandle(), {6, 8});
  EXPECT_EQ(group->GetItemIndex(), 3);
  EXPECT_EQ(Log.Count("click Group"), 3);
  EXPECT_TRUE(loose->GetChecked());

  // The arrow keys move through the items, round from the last to the
  // first; only the chosen item is a tab stop.
  PressKey(VK_DOWN);
  EXPECT_EQ(group->GetItemIndex(), 0);
  EXPECT_EQ(GetFocus(), group->Buttons(0)->WindowHandle());
  PressKey(VK_RIGHT);
  EXPECT_EQ(group->GetItemIndex(), 1);
  PressKey(VK_UP);
  EXPECT_EQ(group->GetItemIndex(), 0);
  EXPECT_EQ(Log.Count("click Group"), 6);
  for (int i = 0; i < group->ButtonCount(); ++i)
    EXPECT_EQ(group->Buttons(i)->GetTabStop(), i == 0) << i;

  // Fewer items: the chosen one is gone, so none is chosen.
  group->SetItemIndex(3);
  group->GetItems()->Delete(3);
  EXPECT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->GetItemIndex(), -1);
}

TEST_F(ControlsInputTest, TypingInAMemoEditsItsLinesAsItsSettingsSay) {
  auto* memo = Make<TMemo>("Memo", 10, 10, 200, 100);
  auto* after = Make<TEdit>("After", 10, 120, 100, 21);
  memo->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
  PumpMessages();
  ClickIn(memo->WindowHandle(), {20, 10});
  TypeText("ab");
  PressKey(VK_RETURN);
  TypeText("cd");
  EXPECT_EQ(memo->GetLines()->GetStrings(), (std::vector<std::string>{"ab", "cd"}));
  EXPECT_EQ(Log.Count("change Memo"), 5);

  // Without WantReturns, Enter starts no line.
  memo->SetWantReturns(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(memo->GetLines()->Count(), 2);

  // Tab moves on, unless the memo wants tabs.
  Key(VK_TAB, false);
  Key(VK_TAB, true);
  PumpApplication();
  EXPECT_EQ(GetFocus(), after->WindowHandle());
  memo->SetWantTabs(true);
  memo->SetFocus();
  Key(VK_TAB, false);
  Key(VK_TAB, true);
  PumpApplication();
  EXPECT_EQ(GetFocus(), memo->WindowHandle());
  EXPECT_NE(memo->GetText().find('\t'), std::string::npos);
}

TEST_F(ControlsInputTest, ChoosingInADropDownListFiresItsEventsInOrder) {
  auto* combo = Make<TComboBox>("Combo", 10, 10, 150, 21);
  combo->SetStyle(csDropDownList);
  combo->GetItems()->SetStrings({"red", "green", "blue", "black"});
  combo->OnSelect = TNotifyEvent(&Log, &TEventLog::Select);
  combo->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
  combo->OnDropDown = TNotifyEvent(&Log, &TEventLog::DropDown);
  combo->OnCloseUp = TNotifyEvent(&Log, &TEventLog::CloseUp);
  PumpMessages();

  ClickCentre(combo->WindowHandle());
  ASSERT_TRUE(PumpUntil([&] { return combo->GetDroppedDown(); }, 2000));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->WindowHandle(), &info));
  RECT item;
  SendMessageA(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  ClickIn(info.hwndList, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  ASSERT_TRUE(PumpUntil([&] { return !combo->GetDroppedDown(); }, 2000));
  EXPECT_EQ(combo->GetItemIndex(), 2);
  EXPECT_EQ(combo->GetText(), "blue");
  ASSERT_GE(Log.Events.size(), 4u);
  EXPECT_EQ(Log.Events.front(), "dropdown Combo");
  EXPECT_EQ(Log.Count("select Combo"), 1);
  EXPECT_EQ(Log.Count("closeup Combo"), 1);

  // The arrow keys choose as well, without dropping the list.
  Log.Events.clear();
  PressKey(VK_DOWN);
  EXPECT_EQ(combo->GetItemIndex(), 3);
  EXPECT_EQ(Log.Events, (std::vector<std::string>{"select Combo", "change Combo"}));
}

TEST_F(ControlsInputTest, TypingInADropDownComboGoesThroughItsKeyEvents) {
  auto* combo = Make<TComboBox>("Combo", 10, 10, 150, 21);
  auto* after = Make<TEdit>("After", 10, 60, 100, 21);
  combo->GetItems()->SetStrings({"alpha", "beta"});
  combo->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
  combo->OnSelect = TNotifyEvent(&Log, &TEventLog::Select);
  TKeyFilter filter;
  combo->OnKeyPress = TKeyPressEvent(&filter, &TKeyFilter::KeyPress);
  PumpMessages();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->WindowHandle(), &info));
  ClickCentre(info.hwndItem);
  TypeText("nexwq");
  // The combo box's own key handler saw the keys typed in its edit.
  EXPECT_EQ(combo->GetText(), "newQ");
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(Log.Count("change Combo"), 4);
  EXPECT_EQ(Log.Count("select Combo"), 0);
  // Tab leaves the edit for the next control.
  Key(VK_TAB, false);
  Key(VK_TAB, true);
  PumpApplication();
  EXPECT_EQ(GetFocus(), after->WindowHandle());
}

TEST_F(ControlsInputTest, ClicksInAListBoxSelectAndDoubleClicksReport) {
  auto* list = Make<TListBox>("List", 10, 10, 150, 120);
  list->GetItems()->SetStrings({"zero", "one", "two", "three"});
  list->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
  list->OnDblClick = TNotifyEvent(&Log, &TEventLog::DblClick);
  PumpMessages();
  RECT r = list->ItemRect(2);
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  EXPECT_EQ(list->ItemAtPos(middle), 2);
  ClickIn(list->WindowHandle(), middle);
  EXPECT_EQ(list->GetItemIndex(), 2);
  EXPECT_EQ(Log.Count("click List"), 1);
  ClickIn(list->WindowHandle(), middle);
  EXPECT_EQ(Log.Count("dblclick List"), 1);
  // Clicking the selected item again selects nothing new.
  EXPECT_EQ(Log.Count("click List"), 1);

  // Several items: without extended selection each click toggles one.
  list->SetMultiSelect(true);
  list->SetExtendedSelect(false);
  PumpMessages();
  RECT first = list->ItemRect(0);
  POINT top{(first.left + first.right) / 2, (first.top + first.bottom) / 2};
  ClickIn(list->WindowHandle(), top);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_TRUE(list->Selected(0));
  EXPECT_TRUE(list->Selected(2));
  EXPECT_FALSE(list->Selected(1));
  ClickIn(list->WindowHandle(), middle);
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_FALSE(list->Selected(2));
}

TEST_F(ControlsInputTest, SpeedButtonsOfAGroupGoDownOneAtATime) {
  TSpeedButton* buttons[3];
  const char* names[3] = {"B0", "B1", "B2"};
  for (int i = 0; i < 3; ++i) {
    buttons[i] = Make<TSpeedButton>(names[i], 10 + i * 30, 10, 25, 25);
    buttons[i]->SetGroupIndex(1);
    buttons[i]->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
  }
  auto* other = Make<TSpeedButton>("Other", 200, 10, 25, 25);
  other->SetGroupIndex(2);
  other->SetDown(true);
  PumpMessages();
  HWND wnd = Form->Handle();
  auto centre = [](TSpeedButton* B) {
    return POINT{B->GetLeft() + B->GetWidth() / 2, B->GetTop() + B->GetHeight() / 2};
  };

  ClickIn(wnd, centre(buttons[0]));
  EXPECT_TRUE(buttons[0]->GetDown());
  ClickIn(wnd, centre(buttons[1]));
  EXPECT_TRUE(buttons[1]->GetDown());
  EXPECT_FALSE(buttons[0]->GetDown());
  EXPECT_TRUE(other->GetDown());  // another group
  // Without AllowAllUp the down button stays down. (Quick clicks in one
  // place: each is a click.)
  ClickIn(wnd, centre(buttons[1]));
  EXPECT_TRUE(buttons[1]->GetDown());
  buttons[1]->SetAllowAllUp(true);
  ClickIn(wnd, centre(buttons[1]));
  EXPECT_FALSE(buttons[1]->GetDown());
  EXPECT_EQ(Log.Count("click B1"), 3);

  // Pressed, then released elsewhere: no click, and not down.
  POINT start = ToScreen(wnd, centre(buttons[2]));
  MoveMouse(start);
  SendMouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, start);
  PumpMessages(40);
  EXPECT_TRUE(buttons[2]->Pressed());
  POINT away = ToScreen(wnd, {300, 200});
  MoveMouse(away);
  EXPECT_FALSE(buttons[2]->Pressed());
  SendMouse(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, away);
  PumpMessages(60);
  EXPECT_FALSE(buttons[2]->GetDown());
  EXPECT_EQ(Log.Count("click B2"), 0);
}

TEST_F(ControlsInputTest, ScrollBarArrowsAndTrackMoveThePositionBySteps) {
  auto* bar = Make<TScrollBar>("Bar", 10, 10, 200, 17);
  bar->SetSmallChange(2);
  bar->SetLargeChange(10);
  bar->OnChange = TNotifyEvent(&Log, &TEventLog::Change);
  bar->OnScroll = TScrollEvent(&Log, &TEventLog::Scroll);
  PumpMessages();
  HWND wnd = bar->WindowHandle();
  ClickIn(wnd, {200 - 6, 8});  // the right arrow
  EXPECT_EQ(bar->GetPosition(), 2);
  ClickIn(wnd, {150, 8});  // the track right of the thumb
  EXPECT_EQ(bar->GetPosition(), 12);
  ClickIn(wnd, {6, 8});  // the left arrow
  EXPECT_EQ(bar->GetPosition(), 10);
  EXPECT_EQ(Log.Count("change Bar"), 3);
  ASSERT_GE(Log.ScrollCodes.size(), 3u);
  EXPECT_EQ(Log.ScrollCodes[0], scLineDown);
  EXPECT_NE(std::find(Log.ScrollCodes.begin(), Log.ScrollCodes.end(), scPageDown),
            Log.ScrollCodes.end());
  EXPECT_NE(std::find(Log.ScrollCodes.begin(), Log.ScrollCodes.end(), scLineUp),
            Log.ScrollCodes.end());
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(wnd, SB_CTL, &si);
  EXPECT_EQ(si.nPos, 10);
}

TEST_F(ControlsInputTest, ScrollBoxScrollsItsChildrenWithTheWheelAndItsBars) {
  auto* box = Make<TScrollBox>("Box", 10, 10, 150, 100);
  auto* distant = new TButton(Form);
  distant->SetBounds(10, 300, 80, 25);
  distant->SetParent(box);
  box->UpdateScrollRange();
  PumpMessages();
  RECT client;
  GetClientRect(box->WindowHandle(), &client);
  Wheel(ToScreen(box->WindowHandle(), {client.right / 2, client.bottom / 2}), -WHEEL_DELTA);
  EXPECT_EQ(box->ScrollPosition().y, 24);
  EXPECT_EQ(distant->GetTop(), 300 - 24);
  RECT r;
  GetWindowRect(distant->WindowHandle(), &r);
  POINT p{r.left, r.top};
  ScreenToClient(box->WindowHandle(), &p);
  EXPECT_EQ(p.y, 300 - 24);
  // To the end and no further: the button's bottom edge meets the client's.
  box->ScrollTo(0, 10000);
  EXPECT_EQ(distant->GetTop() + distant->GetHeight(), client.bottom);
  box->ScrollInView(distant);
  EXPECT_EQ(distant->GetTop() + distant->GetHeight(), client.bottom);
  box->ScrollTo(0, 0);
  EXPECT_EQ(distant->GetTop(), 300);
}

TEST_F(ControlsInputTest, BitBtnClicksAndShowsItsPressedFace) {
  auto* button = Make<TBitBtn>("Bit", 10, 10, 100, 30);
  button->SetKind(bkYes);
  button->OnClick = TNotifyEvent(&Log, &TEventLog::Click);
  PumpMessages();
  EXPECT_EQ(button->GetText(), "&Yes");
  ClickCentre(button->WindowHandle());
  EXPECT_EQ(Log.Count("click Bit"), 1);
  // A quick second click is a click too.
  ClickCentre(button->WindowHandle());
  EXPECT_EQ(Log.Count("click Bit"), 2);
  PressKey(VK_SPACE);
  EXPECT_EQ(Log.Count("click Bit"), 3);
}

}  // namespace
