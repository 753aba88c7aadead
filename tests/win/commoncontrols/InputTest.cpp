// The common controls react to real mouse and keyboard input and report
// it through their events.
#include "CommonControlsTest.h"
// (windows.h first)
#include <commctrl.h>

#include "toolkit/CustomEdit.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabSheet.h"
#include "toolkit/TrackBar.h"
#include "toolkit/UpDown.h"

namespace {

struct TTabEvents : TEventLog {
  void Changing(TObject*, bool& Allow) {
    Note("changing");
    Allow = !Refuse;
  }
  void Changed(TObject*) { Note("change"); }
};

}  // namespace

class InputTest : public CommonControlsTest {};

TEST_F(InputTest, ClickingATabShowsItsPageUnlessTheChangeIsRefused) {
  auto* pages = Make<TPageControl>(10, 10, 300, 200);
  TTabSheet* sheets[3];
  for (int i = 0; i < 3; ++i) {
    sheets[i] = new TTabSheet(Form);
    sheets[i]->SetPageControl(pages);
    sheets[i]->SetText("Page " + std::to_string(i + 1));
  }
  TTabEvents events;
  pages->OnChanging = TTabChangingEvent(&events, &TTabEvents::Changing);
  pages->OnChange = TNotifyEvent(&events, &TTabEvents::Changed);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  HWND tabs = pages->Handle();

  ClickAt(tabs, CenterOf(pages->TabRect(2)));
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  EXPECT_TRUE(IsWindowVisible(sheets[2]->Handle()));
  EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
  EXPECT_EQ(events.Lines, (std::vector<std::string>{"changing", "change"}));

  events.Refuse = true;
  ClickAt(tabs, CenterOf(pages->TabRect(1)));
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  EXPECT_EQ(events.Count("change"), 1);

  // A page that loses its tab is skipped; removing the active page
  // activates another one.
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 2);
  EXPECT_EQ(pages->FindNextPage(sheets[0], true), sheets[2]);
  delete sheets[2];
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  EXPECT_TRUE(IsWindowVisible(sheets[0]->Handle()));
}

TEST_F(InputTest, CtrlTabMovesToTheNextPageAndItsFirstControl) {
  auto* pages = Make<TPageControl>(10, 10, 300, 200);
  TEdit* edits[3];
  TTabSheet* sheets[3];
  for (int i = 0; i < 3; ++i) {
    sheets[i] = new TTabSheet(Form);
    sheets[i]->SetPageControl(pages);
    sheets[i]->SetText("Page " + std::to_string(i + 1));
    edits[i] = new TEdit(Form);
    edits[i]->SetParent(sheets[i]);
    edits[i]->SetBounds(10, 10, 100, 22);
    edits[i]->SetTabStop(true);
  }
  sheets[1]->SetTabVisible(false);
  TTabEvents events;
  pages->OnChange = TNotifyEvent(&events, &TTabEvents::Changed);
  edits[0]->SetFocus();
  PumpMessages(30);
  ASSERT_EQ(GetFocus(), edits[0]->Handle());
  // Keys go through the application's own message handling.
  auto pressThroughApplication = [](WORD Modifier2) {
    INPUT keys[6] = {};
    int n = 0;
    auto key = [&](WORD K, bool Up) {
      keys[n].type = INPUT_KEYBOARD;
      keys[n].ki.wVk = K;
      keys[n++].ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
    };
    key(VK_CONTROL, false);
    if (Modifier2) key(Modifier2, false);
    key(VK_TAB, false);
    key(VK_TAB, true);
    if (Modifier2) key(Modifier2, true);
    key(VK_CONTROL, true);
    SendInput(n, keys, sizeof(INPUT));
    for (int i = 0; i < 10; ++i) {
      Application->ProcessMessages();
      Sleep(10);
    }
  };
  pressThroughApplication(0);
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);  // the page without a tab is passed over
  EXPECT_EQ(GetFocus(), edits[2]->Handle());
  EXPECT_EQ(events.Count("change"), 1);
  pressThroughApplication(0);  // wraps round
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  pressThroughApplication(VK_SHIFT);
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);
  EXPECT_EQ(GetFocus(), edits[2]->Handle());
}

namespace {
struct TTrackEvents : TEventLog {
  TTrackBar* Bar = nullptr;
  void Changed(TObject*) { Note(std::to_string(Bar->GetPosition())); }
};
}  // namespace

TEST_F(InputTest, TrackBarMovesWithTheKeysAndReportsEachMove) {
  auto* track = Make<TTrackBar>(10, 10, 200, 45);
  track->SetMax(20);
  track->SetPageSize(5);
  TTrackEvents events;
  events.Bar = track;
  track->OnChange = TNotifyEvent(&events, &TTrackEvents::Changed);
  track->SetFocus();
  PumpMessages(30);
  ASSERT_EQ(GetFocus(), track->Handle());

  PressKey(VK_RIGHT);
  EXPECT_EQ(track->GetPosition(), 1);
  PressKey(VK_NEXT);
  EXPECT_EQ(track->GetPosition(), 6);
  PressKey(VK_END);
  EXPECT_EQ(track->GetPosition(), 20);
  PressKey(VK_RIGHT);  // at the end: no move, no event
  EXPECT_EQ(track->GetPosition(), 20);
  EXPECT_EQ(events.Lines, (std::vector<std::string>{"1", "6", "20"}));

  // Set in code: the bar follows and the event fires once; out of range is
  // held at the bounds.
  track->SetPosition(-4);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(events.Lines.back(), "0");
}

namespace {
struct TUpDownEvents : TEventLog {
  void Clicked(TObject*, TUDBtnType Button) { Note(Button == updown::btNext ? "next" : "prev"); }
  void Changing(TObject*, bool& Allow) { Allow = !Refuse; }
};
}  // namespace

TEST_F(InputTest, UpDownArrowsAndKeysChangeItsEdit) {
  auto* edit = Make<TEdit>(10, 10, 80, 22);
  auto* upDown = Make<TUpDown>(0, 0, 17, 22);
  upDown->SetMax(10);
  upDown->SetPosition(9);
  upDown->SetAssociate(edit);
  TUpDownEvents events;
  upDown->OnClick = TUDClickEvent(&events, &TUpDownEvents::Clicked);
  upDown->OnChanging = TUDChangingEvent(&events, &TUpDownEvents::Changing);
  EXPECT_EQ(edit->GetText(), "9");
  HWND ud = upDown->Handle();
  RECT r;
  GetClientRect(ud, &r);
  const POINT upper{r.right / 2, r.bottom / 4}, lower{r.right / 2, r.bottom * 3 / 4};

  ClickAt(ud, upper);
  EXPECT_EQ(edit->GetText(), "10");
  EXPECT_EQ(upDown->GetPosition(), 10);
  ClickAt(ud, upper);  // at Max, no wrap
  EXPECT_EQ(edit->GetText(), "10");
  ClickAt(ud, lower);
  EXPECT_EQ(edit->GetText(), "9");
  EXPECT_EQ(events.Lines.front(), "next");
  EXPECT_EQ(events.Lines.back(), "prev");

  // The arrow keys in the edit step it too.
  edit->SetFocus();
  PumpMessages(30);
  PressKey(VK_DOWN);
  EXPECT_EQ(edit->GetText(), "8");
  events.Refuse = true;
  PressKey(VK_DOWN);
  EXPECT_EQ(edit->GetText(), "8");

  // A position typed into the edit is what the up-down reads.
  edit->SetText("4");
  EXPECT_EQ(upDown->GetPosition(), 4);
  // The associate going away leaves the up-down alone.
  delete edit;
  EXPECT_EQ(upDown->GetAssociate(), nullptr);
  EXPECT_EQ(SendMessageA(ud, UDM_GETBUDDY, 0, 0), 0);
}
