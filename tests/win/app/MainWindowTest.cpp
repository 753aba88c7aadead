// The main window as the program builds it from its own form description:
// layout, settings, the address fields and the button's failures.
#include <gtest/gtest.h>
#include <windows.h>

#include "MainWindowDriver.h"
#include "TestFolder.h"
#include "shell/ShellIDList.h"
#include "skin/engine/SkinData.h"

namespace {

void ExpectBounds(const TControl* Control, int Left, int Top, int Width, int Height) {
  SCOPED_TRACE(Control->GetName());
  EXPECT_EQ(Control->GetLeft(), Left);
  EXPECT_EQ(Control->GetTop(), Top);
  EXPECT_EQ(Control->GetWidth(), Width);
  EXPECT_EQ(Control->GetHeight(), Height);
}

}  // namespace

TEST(MainWindow, LayoutCaptionAndSettings) {
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  HWND wnd = form->WindowHandle();
  ASSERT_TRUE(IsWindowVisible(wnd));

  char caption[128];
  GetWindowTextA(wnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "FERNWICK (www.fernwick.example, Build 20130612");
  RECT client, frame;
  GetClientRect(wnd, &client);
  GetWindowRect(wnd, &frame);
  EXPECT_EQ(client.right, 719);
  EXPECT_EQ(client.bottom, 431);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  const LONG style = GetWindowLongA(wnd, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(form->GetFont()->GetName(), "MS Sans Serif");
  EXPECT_EQ(form->GetFont()->GetHeight(), -11);

  EXPECT_EQ(form->Label1->GetText(), "Copy From");
  EXPECT_EQ(form->Label2->GetText(), "Copy To");
  for (TLabel* heading : {form->Label1, form->Label2}) {
    EXPECT_EQ(heading->GetFont()->GetName(), "Arial");
    EXPECT_EQ(heading->GetFont()->GetHeight(), -27);
    EXPECT_TRUE(heading->GetFont()->GetStyle().Contains(fsBold));
  }
  EXPECT_EQ(form->Label1->GetLeft(), 16);
  EXPECT_EQ(form->Label2->GetLeft(), 368);
  ExpectBounds(form->Bevel1, 8, 8, 705, 417);
  ExpectBounds(form->LabeledEdit1, 16, 64, 337, 21);
  ExpectBounds(form->LabeledEdit2, 368, 64, 337, 21);
  ExpectBounds(form->VintoShellTreeView1, 16, 104, 337, 265);
  ExpectBounds(form->VintoShellTreeView2, 368, 104, 337, 265);
  ExpectBounds(form->Button1, 16, 384, 193, 25);
  EXPECT_EQ(form->Button1->GetText(), "Create Batch File to copy files");
  EXPECT_EQ(form->Button1->GetCursor(), crHandPoint);

  for (TLabeledEdit* edit : {form->LabeledEdit1, form->LabeledEdit2}) {
    TBoundLabel* label = edit->GetEditLabel();
    EXPECT_EQ(label->GetText(), "IP Address");
    EXPECT_EQ(label->GetTop() + label->GetHeight() + 3, 64);
    EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsBold));
    EXPECT_EQ(label->GetFont()->GetHeight(), -11);
  }
  for (TFolderTree* tree : {form->VintoShellTreeView1, form->VintoShellTreeView2}) {
    EXPECT_EQ(tree->GetIndent(), 19);
    EXPECT_TRUE(tree->GetReadOnly());
    EXPECT_FALSE(tree->GetRightClickSelect());
    EXPECT_FALSE(tree->GetParentColor());
    EXPECT_EQ(tree->GetRootFolder(), "sfDesktop");
    // Filled at once, the desktop selected.
    ASSERT_NE(tree->SelectedIDList(), nullptr);
    EXPECT_TRUE(IsDesktopIDList(tree->SelectedIDList()));
    EXPECT_GT(tree->Items().GetFirstNode()->Count(), 0);
  }

  // Tab order: both trees, the first field, the button, the second field.
  const std::vector<TWinControl*> expected = {form->VintoShellTreeView1, form->VintoShellTreeView2,
                                              form->LabeledEdit1, form->Button1,
                                              form->LabeledEdit2};
  EXPECT_EQ(form->TabList(), expected);
  EXPECT_EQ(GetFocus(), form->LabeledEdit1->WindowHandle());

  EXPECT_EQ(form->SaveDialog1->GetDefaultExt(), "bat");
  EXPECT_EQ(form->SaveDialog1->GetFileName(), "BatchRun.bat");
  EXPECT_EQ(form->SaveDialog1->GetFilter(), "*.bat|*.bat");
  EXPECT_FALSE(form->SaveDialog1->GetOptions().Contains(ofOverwritePrompt));
  EXPECT_TRUE(form->SaveDialog1->GetOptions().Contains(ofHideReadOnly));
  EXPECT_TRUE(form->SaveDialog1->GetOptions().Contains(ofEnableSizing));

  // The program's skin travels in the form and is loaded with it.
  TSkinData* skin = form->SkinData1;
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(skin->GetActive());
  EXPECT_EQ(skin->GetDisableTag(), 99);
  EXPECT_TRUE(skin->GetSkinControls() == TSkinData::DefaultSkinControls());
  EXPECT_EQ(skin->GetSkin3rd().size(), 117u);
  EXPECT_TRUE(skin->SkinLoaded());
  EXPECT_FALSE(skin->SkinBuffer().empty());
  EXPECT_FALSE(skin->Skin().Elements().empty());
}

TEST(MainWindow, AddressFieldsDropSeparatorsAndEnterReRootsOnlyTheirTree) {
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  HWND edit1 = form->LabeledEdit1->WindowHandle();
  for (char c : std::string("10/0\\.1"))
    SendMessageA(edit1, WM_CHAR, static_cast<unsigned char>(c), 0);
  EXPECT_EQ(form->LabeledEdit1->GetText(), "100.1");

  // Any key but Enter leaves the tree alone.
  SendMessageA(edit1, WM_KEYUP, 'A', 0);
  EXPECT_EQ(form->VintoShellTreeView1->GetRootFolder(), "sfDesktop");

  form->LabeledEdit1->SetText("fernwick-no-such-host");
  SendMessageA(edit1, WM_KEYUP, VK_RETURN, 0);
  PumpMessages(20);
  EXPECT_EQ(form->VintoShellTreeView1->GetRootFolder(), "\\\\fernwick-no-such-host");
  EXPECT_EQ(form->VintoShellTreeView2->GetRootFolder(), "sfDesktop");
  EXPECT_EQ(form->LabeledEdit2->GetText(), "");

  // An empty second field gives the bare prefix, for the second tree only.
  SendMessageA(form->LabeledEdit2->WindowHandle(), WM_CHAR, '/', 0);
  SendMessageA(form->LabeledEdit2->WindowHandle(), WM_KEYUP, VK_RETURN, 0);
  PumpMessages(20);
  EXPECT_EQ(form->VintoShellTreeView2->GetRootFolder(), "\\\\");
  EXPECT_EQ(form->VintoShellTreeView1->GetRootFolder(), "\\\\fernwick-no-such-host");
}

// A pane whose folder has no file-system path (here the computer itself)
// would make the batch copy from, or into, the root of whatever drive it is
// run on: the user is told instead and no dialog appears.
TEST(MainWindow, PaneWithoutPathIsRefusedBeforeTheDialog) {
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  form->VintoShellTreeView1->SetRootFolder("sfDrives");
  {
    TSaveDialogAnswer answer("");
    window.PressButton();
    Sleep(300);
    EXPECT_FALSE(answer.Seen());
  }
  ASSERT_EQ(window.Shown.Texts.size(), 1u);
  EXPECT_NE(window.Shown.Texts[0].find("\"Copy From\""), std::string::npos)
      << window.Shown.Texts[0];
  EXPECT_NE(window.Shown.Texts[0].find("has a path"), std::string::npos);
  EXPECT_TRUE(form->Button1->GetEnabled());
}

// The shell would give such a path back with "?" in place of the missing
// characters, which names a folder that does not exist.
TEST(MainWindow, PathOutsideTheCodePageIsRefusedBeforeTheDialog) {
  TTestFolder folder;
  const std::wstring name = L"Ω data";
  ASSERT_TRUE(CreateDirectoryW((folder.WidePath() + L"\\" + name).c_str(), nullptr));
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  form->VintoShellTreeView2->SetRootFolder(folder.Path());
  TTreeNode* root = form->VintoShellTreeView2->Items().GetFirstNode();
  ASSERT_NE(root, nullptr);
  ASSERT_EQ(root->Count(), 1);
  ClickNode(form->VintoShellTreeView2, root->GetFirstChild());
  ASSERT_EQ(form->VintoShellTreeView2->GetSelected(), root->GetFirstChild());
  {
    TSaveDialogAnswer answer("");
    window.PressButton();
    Sleep(300);
    EXPECT_FALSE(answer.Seen());
  }
  ASSERT_EQ(window.Shown.Texts.size(), 1u);
  EXPECT_NE(window.Shown.Texts[0].find("\"Copy To\""), std::string::npos) << window.Shown.Texts[0];
  EXPECT_NE(window.Shown.Texts[0].find("code page"), std::string::npos);
  EXPECT_TRUE(form->Button1->GetEnabled());
}
