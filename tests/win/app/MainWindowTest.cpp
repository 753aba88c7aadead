// The main window as the program builds it from its own form description:
// layout, settings, the address fields and the button's failures.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>

#include "MainWindowDriver.h"
#include "TestFolder.h"
#include "app/portable/Vendor.h"
#include "shell/ShellIDList.h"
#include "skin/engine/SkinData.h"
#include "toolkit/portable/ColorNames.h"
#include "widgets/WidgetTestSupport.h"

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
  EXPECT_EQ(std::string(caption), "FERNWICK (" + std::string(kVendorWebHost) + ", Build 20130612");
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
  EXPECT_EQ(form->URLLabel1->GetLeft(), 586);
  EXPECT_EQ(form->URLLabel1->GetTop(), 392);
  EXPECT_EQ(form->URLLabel1->GetText(), kVendorWebAddress);
  EXPECT_EQ(form->URLLabel1->GetCursor(), crHandPoint);
  EXPECT_EQ(form->URLLabel1->GetLinkFont()->GetColor(), clRed);
  EXPECT_TRUE(form->URLLabel1->GetLinkFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(form->URLLabel1->GetPassiveFont()->GetColor(), clBlue);
  EXPECT_FALSE(form->URLLabel1->GetURLAsHint());
  EXPECT_EQ(form->URLLabel1->GetLinkType(), ltHTTP);
  EXPECT_EQ(form->Button1->GetText(), "Create Batch File to copy files");
  EXPECT_EQ(form->Button1->GetCursor(), crHandPoint);

  for (TLabeledEdit* edit : {form->LabeledEdit1, form->LabeledEdit2}) {
    TBoundLabel* label = edit->GetEditLabel();
    EXPECT_EQ(label->GetText(), "IP Address");
    EXPECT_EQ(label->GetTop() + label->GetHeight() + 3, 64);
    EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsBold));
    EXPECT_EQ(label->GetFont()->GetHeight(), -11);
  }
  for (TVintoShellTreeView* tree : {form->VintoShellTreeView1, form->VintoShellTreeView2}) {
    EXPECT_EQ(tree->GetIndent(), 19);
    EXPECT_TRUE(tree->GetReadOnly());
    EXPECT_FALSE(tree->GetRightClickSelect());
    EXPECT_FALSE(tree->GetParentColor());
    EXPECT_EQ(tree->GetRootFolder(), "sfDesktop");
    EXPECT_FALSE(tree->GetAutoContextMenu());
    EXPECT_FALSE(tree->GetAutoDefaultCommand());
    EXPECT_FALSE(tree->GetAutoKeyboardShortcuts());
    EXPECT_FALSE(tree->GetCorvaneDragDropBehaviour());
    EXPECT_FALSE(tree->GetOleDragEnabled());
    EXPECT_FALSE(tree->GetOleDropEnabled());
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
  // Showing moved the focus into the first address field; it is there
  // whenever the window is active.
  EXPECT_EQ(form->GetActiveControl(), form->LabeledEdit1);
  SetForegroundWindow(wnd);
  PumpMessages(50);
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
  // Shipped switched on.
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
// contributes the empty text; the lines are built all the same.
TEST(MainWindow, PaneWithoutPathContributesTheEmptyText) {
  TTestFolder folder;
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  form->VintoShellTreeView1->SetRootFolder("sfDrives");
  form->VintoShellTreeView2->SetRootFolder(folder.Path());
  const std::string batch = folder.Path() + "\\nopath.bat";
  {
    TSaveDialogAnswer answer(batch);
    window.PressButton();
    EXPECT_TRUE(answer.Seen());
  }
  EXPECT_TRUE(window.Shown.Texts.empty());
  EXPECT_TRUE(form->Button1->GetEnabled());
  std::ifstream file(batch, std::ios::binary);
  std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::string dest = folder.Path() + "\\";
  EXPECT_EQ(written,
            "MD \"" + dest + "\"\r\nxcopy \"\\*.*\" \"" + dest + "\\\" /E /H /R /s /c /Y\r\n");
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

TEST(MainWindow, ClickOnTheLinkOpensTheVendorsPageOnce) {
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  TShellCapture shell;
  const LPARAM at = MAKELPARAM(form->URLLabel1->GetLeft() + 4, form->URLLabel1->GetTop() + 4);
  SendMessageA(form->WindowHandle(), WM_MOUSEMOVE, 0, at);
  SendMessageA(form->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(form->WindowHandle(), WM_LBUTTONUP, 0, at);
  PumpMessages(20);
  ASSERT_EQ(shell.Calls.size(), 1u);
  EXPECT_EQ(shell.Calls[0].Owner, nullptr);
  EXPECT_EQ(shell.Calls[0].Verb, "open");
  EXPECT_EQ(shell.Calls[0].File, kVendorWebAddress);
  EXPECT_FALSE(shell.Calls[0].HasParameters);
  EXPECT_FALSE(shell.Calls[0].HasDirectory);
  EXPECT_EQ(shell.Calls[0].Show, SW_SHOWNORMAL);
}

// Each pane follows the disk below the folders it shows open, and only its
// own: a folder made there appears with the selection kept, and when the
// selected folder goes its nearest existing ancestor is selected.
TEST(MainWindow, PanesFollowChangesOnDiskBelowTheirOpenFolders) {
  TTestFolder folder;
  CreateDirectoryA((folder.Path() + "\\Bravo").c_str(), nullptr);
  CreateDirectoryA((folder.Path() + "\\Bravo\\Inner").c_str(), nullptr);
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  TVintoShellTreeView* tree = form->VintoShellTreeView1;
  TIDListHolder inner(PathToIDList(folder.Path() + "\\Bravo\\Inner"));
  tree->SelectIDList(inner.Get());
  ASSERT_EQ(IDListToPath(tree->SelectedIDList()), folder.Path() + "\\Bravo\\Inner");
  PumpMessages(100);
  const std::string topPath =
      IDListToPath(TCustomVintoShellTreeView::NodeIDList(tree->GetTopItem()));
  ASSERT_FALSE(topPath.empty());

  CreateDirectoryA((folder.Path() + "\\Bravo\\New").c_str(), nullptr);
  const auto bravoNode = [&]() -> TTreeNode* {
    TTreeNode* selected = tree->GetSelected();
    return selected ? selected->Parent() : nullptr;
  };
  EXPECT_TRUE(PumpUntil([&] { return bravoNode() && ChildNamed(bravoNode(), "New"); }, 1000));
  EXPECT_EQ(IDListToPath(tree->SelectedIDList()), folder.Path() + "\\Bravo\\Inner");
  EXPECT_TRUE(bravoNode() && bravoNode()->GetExpanded());
  // The pane did not jump: the same node is shown first, the selection in view.
  EXPECT_EQ(IDListToPath(TCustomVintoShellTreeView::NodeIDList(tree->GetTopItem())), topPath);
  RECT selected{};
  *reinterpret_cast<HTREEITEM*>(&selected) = tree->GetSelected()->ItemId();
  EXPECT_TRUE(SendMessageA(tree->WindowHandle(), TVM_GETITEMRECT, TRUE,
                           reinterpret_cast<LPARAM>(&selected)));

  ASSERT_TRUE(RemoveDirectoryA((folder.Path() + "\\Bravo\\Inner").c_str()));
  EXPECT_TRUE(PumpUntil(
      [&] { return IDListToPath(tree->SelectedIDList()) == folder.Path() + "\\Bravo"; }, 2000));
  // The other pane stays where it was.
  EXPECT_TRUE(IsDesktopIDList(form->VintoShellTreeView2->SelectedIDList()));
}
