// The preview window's shell page: the box, the tree and the list linked,
// the status line following the list, and the list's view styles from the
// window's View menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/preview/PreviewForm.h"
#include "app/preview/ShellPageStatus.h"
#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "common/TempFolder.h"
#include "shell/IDListHolder.h"
#include "toolkit/Application.h"
#include "toolkit/TabSheet.h"

namespace {

struct TShownTexts {
  std::vector<std::string> Texts;
  void Record(TObject*, const std::string& Text) { Texts.push_back(Text); }
};

class ShellPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Application->OnException = TExceptionEvent(&Shown, &TShownTexts::Record);
    App.OnException = Application->OnException;
    ASSERT_TRUE(App.CreateForm(Form));
    Form->Show();
    for (int i = 0; i < Form->PageControl1->PageCount(); ++i)
      if (Form->PageControl1->Pages(i)->GetText() == "Shell")
        Form->PageControl1->SetActivePageIndex(i);
    PumpMessages(200);
  }
  void TearDown() override {
    delete Form;
    Application->OnException = TExceptionEvent();
    PumpMessages(50);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  std::string Status(int Panel) { return Form->ShellStatusBar->Panels().Items(Panel).GetText(); }

  TApplication App{nullptr};
  TShownTexts Shown;
  TPreviewForm* Form = nullptr;
};

TEST(ShellPageStatusText, CountsAndSizes) {
  EXPECT_EQ(ShellPageStatus::ItemCountText(1, false), "1 item");
  EXPECT_EQ(ShellPageStatus::ItemCountText(12, true), "12 items so far...");
  EXPECT_EQ(ShellPageStatus::SelectionText(0, 0), "Nothing selected");
  EXPECT_EQ(ShellPageStatus::SelectionText(2, 0), "2 selected, 0 KB");
  EXPECT_EQ(ShellPageStatus::SelectionText(3, 3000), "3 selected, 2 KB");
}

TEST_F(ShellPageTest, TheThreeAreLinkedAndTheStatusLineFollowsTheList) {
  ASSERT_TRUE(Form->ShellListView1->WindowHandle() &&
              IsWindowVisible(Form->ShellListView1->WindowHandle()));
  EXPECT_EQ(Form->ShellTreeView1->GetComboBox(), Form->ShellComboBox1);
  EXPECT_EQ(Form->ShellTreeView1->GetListView(), Form->ShellListView1);
  EXPECT_EQ(Form->ShellComboBox1->Tree(), Form->ShellTreeView1);
  EXPECT_TRUE(Shown.Texts.empty());

  TTempFolder temp;
  temp.MakeFile("a.txt", std::string(3000, 'a'));
  temp.MakeFile("b.txt", std::string(2000, 'b'));
  temp.MakeFolder("Sub");
  TIDListHolder folder(PathToIDList(temp.Path()));
  Form->ShellTreeView1->SelectIDList(folder.Get());
  auto there = [&] {
    return IDListToPath(Form->ShellListView1->CurrentFolder()) == temp.Path() &&
           IDListToPath(Form->ShellComboBox1->CurrentFolder()) == temp.Path() &&
           !Form->ShellListView1->Populating();
  };
  ASSERT_TRUE(PumpUntil(there, 3000));
  EXPECT_TRUE(PumpUntil([&] { return Status(0) == "3 items"; }, 1000)) << Status(0);

  // Everything selected with the keyboard: the two files' size shows.
  SetForegroundWindow(Form->Handle());
  SetFocus(Form->ShellListView1->WindowHandle());
  PumpMessages(50);
  PressChord({VK_CONTROL, 'A'});
  EXPECT_TRUE(PumpUntil([&] { return Status(1) == "3 selected, 4 KB"; }, 1500)) << Status(1);
}

TEST_F(ShellPageTest, TheViewMenuSetsTheListsViewStyle) {
  TVintoShellListView* list = Form->ShellListView1;
  EXPECT_EQ(list->GetViewStyle(), vsReport);
  const std::vector<std::pair<TMenuItem*, DWORD>> styles{{Form->LargeIcons1, LVS_ICON},
                                                         {Form->SmallIcons1, LVS_SMALLICON},
                                                         {Form->List1, LVS_LIST},
                                                         {Form->Details1, LVS_REPORT}};
  for (const auto& [item, style] : styles) {
    // As a click in the menu does it: the item's command to the window.
    SendMessageA(Form->Handle(), WM_COMMAND, item->Command(), 0);
    PumpMessages(50);
    EXPECT_EQ(GetWindowLongA(list->WindowHandle(), GWL_STYLE) & LVS_TYPEMASK, style)
        << item->GetCaption();
    EXPECT_TRUE(item->GetChecked());
    EXPECT_GT(list->Items().Count(), 0);
  }
}

}  // namespace
