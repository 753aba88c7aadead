// The shell folder tree: its root and nodes as the shell names and icons
// them, lazy filling, keeping expansions and the selection across a
// refresh, selection by list, renaming, keys, linked components and the
// settings read from a form description.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ShellTreeTestSupport.h"
#include "shell/ShellTreeFollower.h"
#include "shell/ShellTreeView.h"
#include "toolkit/Form.h"
#include "toolkit/portable/FormReader.h"

namespace {

class ShellTreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(40, 40, 420, 460);
    Tree = new TVintoShellTreeView(Form);
    Tree->SetParent(Form);
    Tree->SetBounds(8, 8, 400, 420);
    // Tests that follow changes on disk switch this on; the others keep
    // their nodes to themselves.
    Tree->SetAutoRefreshContents(false);
    // The window is made but not shown: hiding a shown window costs the
    // platform seconds.
    Tree->HandleNeeded();
    Tree->OnCommandFailed = TVintoShellCommandFailedEvent(&Events, &TEventLog::CommandFailed);
    Tree->OnSelectionChanged = TNotifyEvent(&Events, &TEventLog::SelectionChanged);
    Tree->OnDriveAdded = TVintoShellDriveEvent(&Events, &TEventLog::DriveAdded);
    Tree->OnMediaInserted = TVintoShellDriveEvent(&Events, &TEventLog::MediaInserted);
  }
  void TearDown() override { delete Form; }

  // A folder of its own as the root, with a few subfolders and a file.
  void RootAtTempFolder() {
    Temp.MakeFolder("Bravo");
    Temp.MakeFolder("Bravo\\Inner");
    Temp.MakeFolder("alpha");
    Temp.MakeFolder("Charlie");
    Temp.MakeFolder("zz-hidden");
    SetFileAttributesA((Temp / "zz-hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    Temp.MakeFile("file.txt");
    Tree->SetRootFolder(Temp.Path());
  }

  TTreeNode* Root() { return Tree->Items().GetFirstNode(); }

  TForm* Form = nullptr;
  TVintoShellTreeView* Tree = nullptr;
  TTempFolder Temp;
  TEventLog Events;
};

TEST_F(ShellTreeViewTest, StartsAtTheDesktopSelectedWithoutLinesAtTheRoot) {
  TTreeNode* root = Root();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetNextSibling(), nullptr);
  EXPECT_TRUE(IsDesktopIDList(TCustomVintoShellTreeView::NodeIDList(root)));
  EXPECT_TRUE(root->GetSelected());
  EXPECT_TRUE(root->GetExpanded());
  EXPECT_EQ(root->GetText(), GetDisplayName(TCustomVintoShellTreeView::NodeIDList(root)));
  EXPECT_FALSE(GetWindowLongA(Tree->WindowHandle(), GWL_STYLE) & TVS_LINESATROOT);
  // The nodes draw from the system's small icons, without background.
  SHFILEINFOA info{};
  auto system = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  EXPECT_EQ(TreeView_GetImageList(Tree->WindowHandle(), TVSIL_NORMAL), system);
  EXPECT_EQ(ImageList_GetBkColor(system), CLR_NONE);

  // My Computer lists the drives with the shell's names and icons.
  TIDListHolder drives(GetSpecialFolderIDList(sfDrives));
  TTreeNode* computer = FindChildByList(root, drives.Get());
  ASSERT_NE(computer, nullptr);
  EXPECT_TRUE(computer->GetHasChildren());
  EXPECT_EQ(computer->Count(), 0);  // not filled before it opens
  computer->Expand(false);
  TIDListHolder drive(PathToIDList("C:\\"));
  TTreeNode* c = FindChildByList(computer, drive.Get());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetText(), GetDisplayName(drive.Get()));
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = c->ItemId();
  SendMessageA(Tree->WindowHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, GetIconIndex(drive.Get(), false, false));
  EXPECT_EQ(item.iSelectedImage, GetIconIndex(drive.Get(), false, true));
  EXPECT_GE(item.iImage, 0);

  PumpMessages(120);
  EXPECT_GE(Events.Selections, 1);
  EXPECT_TRUE(IsDesktopIDList(Tree->WatchedRoot()));
}

TEST_F(ShellTreeViewTest, FolderRootListsSortedSubfoldersOnlyWithHiddenOnesGhosted) {
  RootAtTempFolder();
  TTreeNode* root = Root();
  ASSERT_NE(root, nullptr);
  EXPECT_TRUE(GetWindowLongA(Tree->WindowHandle(), GWL_STYLE) & TVS_LINESATROOT);
  EXPECT_EQ(IDListToPath(TCustomVintoShellTreeView::NodeIDList(root)), Temp.Path());
  EXPECT_EQ(ChildTexts(root), (std::vector<std::string>{"alpha", "Bravo", "Charlie", "zz-hidden"}));
  EXPECT_TRUE(SameIDList(Tree->WatchedRoot(), TCustomVintoShellTreeView::NodeIDList(root)));

  TTreeNode* hidden = FindChildByText(root, "zz-hidden");
  ASSERT_NE(hidden, nullptr);
  EXPECT_TRUE(ItemState(hidden) & TVIS_CUT);
  EXPECT_FALSE(ItemState(FindChildByText(root, "alpha")) & TVIS_CUT);
  // Switching the ghosting off refreshes the tree and draws it normally.
  Tree->SetShowHiddenAsTransparent(false);
  EXPECT_FALSE(ItemState(FindChildByText(Root(), "zz-hidden")) & TVIS_CUT);
  Tree->SetShowHiddenAsTransparent(true);
  EXPECT_TRUE(ItemState(FindChildByText(Root(), "zz-hidden")) & TVIS_CUT);

  // An empty folder keeps its button until it is opened.
  TTreeNode* charlie = FindChildByText(Root(), "Charlie");
  EXPECT_TRUE(charlie->GetHasChildren());
  charlie->Expand(false);
  EXPECT_FALSE(charlie->GetHasChildren());
  TTreeNode* bravo = FindChildByText(Root(), "Bravo");
  bravo->Expand(false);
  EXPECT_EQ(ChildTexts(bravo), std::vector<std::string>{"Inner"});

  // Non-folders appear when asked for; changing the types rebuilds.
  Tree->SetItemTypes({itFolders, itNonFolders, itIncludeHidden});
  std::vector<std::string> texts = ChildTexts(Root());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "file.txt"), texts.end());
  EXPECT_EQ(FindChildByText(Root(), "Bravo")->Count(), 0);  // rebuilt, closed
}

TEST_F(ShellTreeViewTest, RootTextRulesAndARootThatNamesNothing) {
  RootAtTempFolder();
  TTreeNode* before = Root();
  Tree->SetRootFolder(Temp.Path());  // same text: nothing happens
  EXPECT_EQ(Root(), before);

  Tree->SetRootFolder("C:");
  EXPECT_EQ(Tree->GetRootFolder(), "C:\\");
  TIDListHolder c(PathToIDList("C:\\"));
  EXPECT_TRUE(SameIDList(TCustomVintoShellTreeView::NodeIDList(Root()), c.Get()));

  Tree->SetRootFolder("sfDrives");
  EXPECT_TRUE(IsDrivesFolder(TCustomVintoShellTreeView::NodeIDList(Root())));

  // Nothing the shell can resolve, and "\\" from an empty address field:
  // one ghosted node with the text, no list, no path, nothing below.
  {
    const std::string text = "Q:\\no\\such\\folder";
    Tree->SetRootFolder(text);
    TTreeNode* root = Root();
    ASSERT_NE(root, nullptr) << text;
    EXPECT_EQ(TCustomVintoShellTreeView::NodeIDList(root), nullptr);
    EXPECT_EQ(root->GetText(), text);
    EXPECT_TRUE(ItemState(root) & TVIS_CUT);
    EXPECT_FALSE(root->GetHasChildren());
    EXPECT_TRUE(root->GetSelected());
    EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), "");
    EXPECT_EQ(Tree->SelectionItems().Count(), 0);
    EXPECT_EQ(Tree->WatchedRoot(), nullptr);
    Tree->RefreshTree();
    ASSERT_NE(Root(), nullptr);
    EXPECT_TRUE(Root()->GetSelected());
    // Delete with nothing to delete is a failed command, not a crash.
    WORD key = VK_DELETE;
    Tree->Perform(WM_KEYDOWN, key, 0);
    EXPECT_EQ(Events.Failed, std::vector<std::string>{"delete"});
    Events.Failed.clear();
  }
  Tree->SetRootFolder("\\\\");
  ASSERT_NE(Root(), nullptr);
  EXPECT_TRUE(Root()->GetSelected());
  EXPECT_TRUE(Events.Failed.empty());
}

TEST_F(ShellTreeViewTest, SelectIDListOpensTheWayAndStopsAtTheDeepestExistingNode) {
  RootAtTempFolder();
  TIDListHolder inner(PathToIDList(Temp / "Bravo\\Inner"));
  Tree->SelectIDList(inner.Get());
  ASSERT_NE(Tree->GetSelected(), nullptr);
  EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo\\Inner");
  EXPECT_TRUE(FindChildByText(Root(), "Bravo")->GetExpanded());

  const std::string gone = Temp.MakeFolder("Bravo\\Gone");
  TIDListHolder goneList(PathToIDList(gone));
  RemoveDirectoryA(gone.c_str());
  Tree->SelectIDList(goneList.Get());
  EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo");

  // A list outside the root selects the root.
  TIDListHolder elsewhere(PathToIDList("C:\\"));
  Tree->SelectIDList(elsewhere.Get());
  EXPECT_EQ(Tree->GetSelected(), Root());
  Tree->SelectIDList(TCustomVintoShellTreeView::NodeIDList(Root()));
  EXPECT_EQ(Tree->GetSelected(), Root());
}

TEST_F(ShellTreeViewTest, RefreshKeepsExpansionsAndSelectionAndFallsBackToTheNearestAncestor) {
  RootAtTempFolder();
  Temp.MakeFolder("alpha\\One");
  Temp.MakeFolder("Bravo\\Inner\\Deep");
  TIDListHolder deep(PathToIDList(Temp / "Bravo\\Inner\\Deep"));
  Tree->SelectIDList(deep.Get());
  FindChildByText(Root(), "alpha")->Expand(false);
  FindChildByText(Root(), "Charlie")->Expand(false);
  FindChildByText(Root(), "Charlie")->Collapse(false);

  Temp.MakeFolder("Bravo\\Inner\\Added");
  Tree->RefreshTree();
  TTreeNode* bravo = FindChildByText(Root(), "Bravo");
  ASSERT_NE(bravo, nullptr);
  EXPECT_TRUE(FindChildByText(Root(), "alpha")->GetExpanded());
  EXPECT_FALSE(FindChildByText(Root(), "Charlie")->GetExpanded());
  EXPECT_TRUE(bravo->GetExpanded());
  TTreeNode* inner = FindChildByText(bravo, "Inner");
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(ChildTexts(inner), (std::vector<std::string>{"Added", "Deep"}));
  EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo\\Inner\\Deep");

  // The selected folder goes: its nearest existing ancestor is selected.
  RemoveDirectoryA((Temp / "Bravo\\Inner\\Deep").c_str());
  WORD key = VK_F5;
  Tree->Perform(WM_KEYDOWN, key, 0);
  EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo\\Inner");
  EXPECT_EQ(ChildTexts(FindChildByText(FindChildByText(Root(), "Bravo"), "Inner")),
            std::vector<std::string>{"Added"});

  // A change report refreshes the same way and raises the tree's event.
  Temp.MakeFolder("Delta");
  Tree->DriveAdded("D:\\");
  EXPECT_NE(FindChildByText(Root(), "Delta"), nullptr);
  EXPECT_EQ(Events.Drives, std::vector<std::string>{"D:\\"});
  EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo\\Inner");

  // Without keyboard shortcuts F5 does nothing.
  Tree->SetAutoKeyboardShortcuts(false);
  Temp.MakeFolder("Echo");
  key = VK_F5;
  Tree->Perform(WM_KEYDOWN, key, 0);
  EXPECT_EQ(FindChildByText(Root(), "Echo"), nullptr);
}

namespace {

// Whether Node's row lies wholly inside the tree's window.
bool RowInView(TCustomTreeView* Tree, TTreeNode* Node) {
  RECT row{}, client{};
  if (!TreeView_GetItemRect(Tree->WindowHandle(), Node->ItemId(), &row, FALSE)) return false;
  GetClientRect(Tree->WindowHandle(), &client);
  return row.top >= client.top && row.bottom <= client.bottom;
}

}  // namespace

// A refresh keeps the view where it was while the selection stays in it, and
// otherwise scrolls the least that brings the selection back into view.
TEST_F(ShellTreeViewTest, RefreshKeepsTheSelectionInView) {
  char name[16];
  for (int i = 0; i < 40; ++i) {
    wsprintfA(name, "f%02d", i);
    Temp.MakeFolder(name);
  }
  Tree->SetRootFolder(Temp.Path());
  TIDListHolder f30(PathToIDList(Temp / "f30"));
  Tree->SelectIDList(f30.Get());
  ASSERT_TRUE(RowInView(Tree, Tree->GetSelected()));
  const std::string top = Tree->GetTopItem()->GetText();
  ASSERT_NE(top, Root()->GetText());  // scrolled down to reach f30

  Temp.MakeFolder("f39-more");  // below the selection: the view stays
  Tree->RefreshTree();
  EXPECT_EQ(Tree->GetTopItem()->GetText(), top);

  // Rows enough to fill the window appear between the top and the selection.
  for (int i = 0; i < 30; ++i) {
    wsprintfA(name, "f20-%02d", i);
    Temp.MakeFolder(name);
  }
  Tree->RefreshTree();
  ASSERT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "f30");
  EXPECT_TRUE(RowInView(Tree, Tree->GetSelected()));
  // The least scrolling: the selection is the last row in view.
  TTreeNode* next = Tree->GetSelected()->GetNextSibling();
  ASSERT_NE(next, nullptr);
  EXPECT_FALSE(RowInView(Tree, next));
}

// Folders of one name below different parents are told apart across a
// refresh, also when their items changed on disk meanwhile.
TEST_F(ShellTreeViewTest, RefreshReopensSameNamedFoldersOnlyWhereTheyWereOpen) {
  for (const char* parent : {"one", "two", "three"}) {
    Temp.MakeFolder(parent);
    Temp.MakeFolder(std::string(parent) + "\\inner");
    Temp.MakeFolder(std::string(parent) + "\\inner\\leaf");
  }
  Tree->SetRootFolder(Temp.Path());
  const auto inner = [&](const char* parent) {
    TTreeNode* node = FindChildByText(Root(), parent);
    return node ? FindChildByText(node, "inner") : nullptr;
  };
  for (const char* parent : {"one", "two", "three"}) FindChildByText(Root(), parent)->Expand(false);
  inner("one")->Expand(false);
  inner("three")->Expand(false);
  // Each inner folder changes on disk, and with it its item.
  for (const char* parent : {"one", "two", "three"})
    Temp.MakeFolder(std::string(parent) + "\\inner\\added");

  Tree->RefreshTree();
  for (const char* parent : {"one", "two", "three"}) {
    ASSERT_NE(inner(parent), nullptr) << parent;
    EXPECT_TRUE(FindChildByText(Root(), parent)->GetExpanded()) << parent;
  }
  EXPECT_TRUE(inner("one")->GetExpanded());
  EXPECT_FALSE(inner("two")->GetExpanded());
  EXPECT_TRUE(inner("three")->GetExpanded());
  EXPECT_EQ(ChildTexts(inner("three")), (std::vector<std::string>{"added", "leaf"}));
}

TEST_F(ShellTreeViewTest, RenamingGoesThroughTheShellAndReportsFailure) {
  RootAtTempFolder();
  Tree->SetReadOnly(false);
  TTreeNode* alpha = FindChildByText(Root(), "alpha");
  ASSERT_TRUE(EditNode(Tree, alpha, "alpha2"));
  EXPECT_EQ(alpha->GetText(), "alpha2");
  EXPECT_NE(GetFileAttributesA((Temp / "alpha2").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(IDListToPath(TCustomVintoShellTreeView::NodeIDList(alpha)), Temp / "alpha2");
  EXPECT_TRUE(Events.Failed.empty());

  // A name that is taken: the shell refuses, the node keeps its text.
  ASSERT_TRUE(EditNode(Tree, alpha, "Bravo"));
  EXPECT_EQ(Events.Failed, std::vector<std::string>{"rename"});
  EXPECT_EQ(alpha->GetText(), "alpha2");

  // A read-only tree never starts editing, neither by F2.
  Tree->SetReadOnly(true);
  alpha->SetSelected(true);
  WORD key = VK_F2;
  Tree->Perform(WM_KEYDOWN, key, 0);
  EXPECT_EQ(TreeView_GetEditControl(Tree->WindowHandle()), nullptr);
  EXPECT_FALSE(EditNode(Tree, alpha, "never"));
  // The desktop root cannot be renamed at all.
  Tree->SetReadOnly(false);
  Tree->SetRootFolder("sfDesktop");
  EXPECT_FALSE(EditNode(Tree, Root(), "never"));
}

TEST_F(ShellTreeViewTest, LinkedComponentsFollowTheRootAndTheSelectedFolder) {
  RootAtTempFolder();
  auto* list = new TFollower(Form);
  Tree->SetListView(list);
  EXPECT_EQ(list->Tree, Tree);
  EXPECT_EQ(list->Roots, std::vector<std::string>{Temp.Path()});
  Tree->SetRootFolder("sfDrives");
  EXPECT_EQ(list->Roots.back(), "sfDrives");

  TComponent plain(nullptr);
  auto* combo = new TFollower(Form);
  Tree->SetComboBox(&plain);  // not a follower: links nothing
  EXPECT_EQ(Tree->GetComboBox(), nullptr);
  Tree->SetComboBox(combo);
  Root()->GetFirstChild()->SetSelected(true);
  PumpMessages(150);
  ASSERT_FALSE(combo->Selections.empty());
  EXPECT_TRUE(SameIDList(combo->Selections.back(), Tree->SelectedIDList()));
  EXPECT_EQ(list->Selections.size(), combo->Selections.size());

  Tree->MediaInserted("E:\\");
  EXPECT_EQ(list->Refreshes, 1);
  EXPECT_EQ(Events.Media, std::vector<std::string>{"E:\\"});

  delete list;  // the tree is told and forgets it
  EXPECT_EQ(Tree->GetListView(), nullptr);
  Tree->SetComboBox(nullptr);
  EXPECT_EQ(combo->Tree, nullptr);
}

TEST_F(ShellTreeViewTest, WatchingFollowsAutoRefreshContents) {
  // A tree made in code watches once its window exists.
  auto* other = new TVintoShellTreeView(nullptr);
  EXPECT_FALSE(other->Watching());
  other->SetParent(Form);  // which makes its window
  EXPECT_TRUE(other->Watching());
  EXPECT_TRUE(IsDesktopIDList(other->WatchedRoot()));
  other->SetRootFolder(Temp.Path());
  EXPECT_TRUE(other->Watching());
  EXPECT_EQ(IDListToPath(other->WatchedRoot()), Temp.Path());
  EXPECT_EQ(other->Notifier()->Watches().size(), 1u);
  EXPECT_EQ(other->Notifier()->Owner(), other);
  delete other;

  EXPECT_FALSE(Tree->Watching());
  RootAtTempFolder();
  EXPECT_FALSE(Tree->Watching());
  EXPECT_EQ(IDListToPath(Tree->WatchedRoot()), Temp.Path());
  Tree->SetAutoRefreshContents(true);
  EXPECT_TRUE(Tree->Watching());
}

const char* const kPaneForm = R"(object PaneForm: TForm
  Caption = 'Panes'
  ClientHeight = 431
  ClientWidth = 719
  object VintoShellTreeView1: TVintoShellTreeView
    Left = 16
    Top = 104
    Width = 337
    Height = 265
    Indent = 19
    ParentColor = False
    ReadOnly = True
    RightClickSelect = False
    AutoContextMenu = False
    AutoDefaultCommand = False
    AutoKeyboardShortcuts = False
    CorvaneDragDropBehaviour = False
    OleDragEnabled = False
    OleDropEnabled = False
    RootFolder = 'sfDesktop'
    TabOrder = 0
    TabStop = True
  end
  object VintoShellTreeView2: TVintoShellTreeView
    Left = 368
    Top = 104
    Width = 337
    Height = 265
    ItemTypes = [itFolders, itIncludeHidden]
    OleDragEffects = [deCopy, deMove, deLink]
    OleDropEffect = deDefault
    ReadOnly = True
    RightClickSelect = False
    TabOrder = 1
  end
end
)";

TEST(ShellTreeViewFormTest, DescriptionCreatesPanesWithTheLayoutSettings) {
  Application->Initialize();
  TForm form(nullptr);
  ReadFormDescription(form, kPaneForm);
  auto* left = dynamic_cast<TVintoShellTreeView*>(form.FindComponent("VintoShellTreeView1"));
  auto* right = dynamic_cast<TVintoShellTreeView*>(form.FindComponent("VintoShellTreeView2"));
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(left->GetIndent(), 19);
  EXPECT_TRUE(left->GetReadOnly());
  EXPECT_FALSE(left->GetRightClickSelect());
  EXPECT_FALSE(left->GetAutoContextMenu());
  EXPECT_FALSE(left->GetAutoDefaultCommand());
  EXPECT_FALSE(left->GetAutoKeyboardShortcuts());
  EXPECT_FALSE(left->GetOleDragEnabled());
  EXPECT_FALSE(left->GetOleDropEnabled());
  EXPECT_TRUE(left->GetAutoRefreshContents());
  EXPECT_EQ(left->GetChangeDelay(), 50);
  EXPECT_TRUE(left->GetItemTypes() == (TVintoShellItemTypes{itFolders, itIncludeHidden}));
  EXPECT_EQ(right->GetTabOrder(), 1);
  EXPECT_EQ(right->GetLeft(), 368);

  // The defaults as published, for descriptions that leave them out.
  const TClassInfo& info = TVintoShellTreeView::StaticClass();
  EXPECT_EQ(info.FindProperty("RootFolder")->Default.Text, "sfDesktop");
  EXPECT_EQ(info.FindProperty("RightClickSelect")->Default.Ordinal, 1);
  EXPECT_EQ(info.FindProperty("AutoExpandInterval")->Default.Ordinal, 500);
  EXPECT_EQ(info.FindProperty("AutoScrollInterval")->Default.Ordinal, 50);
  EXPECT_EQ(info.FindProperty("ShowHiddenAsTransparent")->Default.Ordinal, 1);
  EXPECT_EQ(info.FindProperty("ItemTypes")->Default.Ordinal,
            static_cast<int>((1 << itFolders) | (1 << itIncludeHidden)));
  EXPECT_NE(info.FindProperty("OnSelectionChanged"), nullptr);

  form.Show();
  PumpMessages(100);
  for (TVintoShellTreeView* pane : {left, right}) {
    TTreeNode* root = pane->Items().GetFirstNode();
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(IsDesktopIDList(pane->SelectedIDList()));
    EXPECT_EQ(pane->Items().Count(), 1 + root->Count());
    EXPECT_FALSE(GetWindowLongA(pane->WindowHandle(), GWL_STYLE) & TVS_LINESATROOT);
    EXPECT_FALSE(GetWindowLongA(pane->WindowHandle(), GWL_STYLE) & TVS_EDITLABELS);
  }
  // Re-rooting one pane leaves the other alone.
  left->SetRootFolder("sfDrives");
  EXPECT_TRUE(IsDrivesFolder(left->SelectedIDList()));
  EXPECT_TRUE(IsDesktopIDList(right->SelectedIDList()));
  form.Hide();
}

}  // namespace

namespace {

struct TCommandLog {
  std::vector<std::string> Commands;
  bool Accept = false;
  void Command(TObject*, TVintoShellItems* Items, const std::string& Verb, bool& Accepted) {
    Commands.push_back(Verb + ":" + std::to_string(Items ? Items->Count() : -1));
    Accepted = Accept;
  }
};

void DoubleClick(TCustomTreeView* Tree) {
  NMHDR header{Tree->WindowHandle(), 0, static_cast<UINT>(NM_DBLCLK)};
  Tree->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

void RightClick(TCustomTreeView* Tree, TTreeNode* Node) {
  RECT r{};
  TreeView_GetItemRect(Tree->WindowHandle(), Node->ItemId(), &r, TRUE);
  Tree->Perform(WM_RBUTTONUP, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

TEST_F(ShellTreeViewTest, MouseReleaseSelectsAndDoubleClickOffersTheDefaultCommandForFiles) {
  RootAtTempFolder();
  // A released right button asks for a menu; the shell's would wait for a choice.
  Tree->SetAutoContextMenu(false);
  TTreeNode* bravo = FindChildByText(Root(), "Bravo");
  RightClick(Tree, bravo);
  EXPECT_TRUE(bravo->GetSelected());
  Tree->SetRightClickSelect(false);
  RightClick(Tree, FindChildByText(Root(), "alpha"));
  EXPECT_TRUE(bravo->GetSelected());

  TCommandLog log;
  Tree->OnContextMenuCommand = TVintoShellContextMenuCommandEvent(&log, &TCommandLog::Command);
  Tree->SetItemTypes({itFolders, itNonFolders, itIncludeHidden});
  TTreeNode* file = FindChildByText(Root(), "file.txt");
  ASSERT_NE(file, nullptr);
  FindChildByText(Root(), "Bravo")->SetSelected(true);
  DoubleClick(Tree);  // a folder: no command
  EXPECT_TRUE(log.Commands.empty());
  file->SetSelected(true);
  DoubleClick(Tree);  // refused by the handler, so nothing is opened
  EXPECT_EQ(log.Commands, std::vector<std::string>{"Open:1"});
  Tree->SetAutoDefaultCommand(false);
  DoubleClick(Tree);
  EXPECT_EQ(log.Commands.size(), 1u);
}

TEST_F(ShellTreeViewTest, ChangesOnDiskAreFollowedKeepingExpansionsAndSelection) {
  RootAtTempFolder();
  Tree->SetAutoRefreshContents(true);
  TIDListHolder inner(PathToIDList(Temp / "Bravo\\Inner"));
  Tree->SelectIDList(inner.Get());
  PumpMessages(100);

  Temp.MakeFolder("Bravo\\New");
  const bool appeared = PumpUntil(
      [&] { return FindChildByText(FindChildByText(Root(), "Bravo"), "New") != nullptr; }, 1000);
  EXPECT_TRUE(appeared);
  EXPECT_TRUE(FindChildByText(Root(), "Bravo")->GetExpanded());
  EXPECT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo\\Inner");

  TIDListHolder selected(CopyIDList(Tree->SelectedIDList()));
  Temp.MakeFolder("Bravo\\Newer");
  ASSERT_TRUE(PumpUntil(
      [&] { return FindChildByText(FindChildByText(Root(), "Bravo"), "Newer") != nullptr; }, 1000));
  EXPECT_TRUE(SameIDList(Tree->SelectedIDList(), selected.Get()));

  // The selected folder, expanded, goes away on disk: nothing holds it, and
  // its nearest existing ancestor is selected.
  Temp.MakeFolder("Bravo\\Inner\\Leaf");
  ASSERT_TRUE(PumpUntil([&] { return Tree->GetSelected()->GetHasChildren(); }, 2000));
  Tree->GetSelected()->Expand(false);
  ASSERT_EQ(ChildTexts(Tree->GetSelected()), std::vector<std::string>{"Leaf"});
  ASSERT_TRUE(RemoveDirectoryA((Temp / "Bravo\\Inner\\Leaf").c_str()));
  ASSERT_TRUE(RemoveDirectoryA((Temp / "Bravo\\Inner").c_str()));
  EXPECT_EQ(GetFileAttributesA((Temp / "Bravo\\Inner").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(
      PumpUntil([&] { return IDListToPath(Tree->SelectedIDList()) == Temp / "Bravo"; }, 2000));
  EXPECT_EQ(ChildTexts(FindChildByText(Root(), "Bravo")),
            (std::vector<std::string>{"New", "Newer"}));

  // Switched off, the tree no longer follows.
  Tree->SetAutoRefreshContents(false);
  Temp.MakeFolder("Foxtrot");
  PumpMessages(400);
  EXPECT_EQ(FindChildByText(Root(), "Foxtrot"), nullptr);
}

// At the desktop, as in the main window: a folder opened on a drive lies
// outside the desktop's own folder, and is still followed.
TEST_F(ShellTreeViewTest, AtTheDesktopOpenFoldersOnDrivesAreFollowed) {
  Temp.MakeFolder("Bravo");
  Temp.MakeFolder("Bravo\\Inner");
  Tree->SetAutoRefreshContents(true);
  TIDListHolder bravo(PathToIDList(Temp / "Bravo"));
  Tree->SelectIDList(bravo.Get());
  Tree->GetSelected()->Expand(false);
  ASSERT_EQ(IDListToPath(Tree->SelectedIDList()), Temp / "Bravo");
  PumpMessages(100);

  const auto bravoNode = [&] {
    TTreeNode* node = Tree->GetSelected();
    return node && IDListToPath(TCustomVintoShellTreeView::NodeIDList(node)) == Temp / "Bravo"
               ? node
               : nullptr;
  };
  Temp.MakeFolder("Bravo\\New");
  EXPECT_TRUE(PumpUntil(
      [&] { return bravoNode() && FindChildByText(bravoNode(), "New") != nullptr; }, 1000));
  ASSERT_TRUE(RemoveDirectoryA((Temp / "Bravo\\New").c_str()));
  EXPECT_TRUE(PumpUntil(
      [&] { return bravoNode() && FindChildByText(bravoNode(), "New") == nullptr; }, 2000));
  // The selected folder goes: its nearest existing ancestor is selected.
  ASSERT_TRUE(RemoveDirectoryA((Temp / "Bravo\\Inner").c_str()));
  ASSERT_TRUE(RemoveDirectoryA((Temp / "Bravo").c_str()));
  EXPECT_TRUE(PumpUntil([&] { return IDListToPath(Tree->SelectedIDList()) == Temp.Path(); }, 2000));
}

// How far the icon of Node is from the background, summed over its pixels,
// as the tree draws it.
long IconInk(TCustomTreeView* Tree, TTreeNode* Node) {
  HWND window = Tree->WindowHandle();
  RECT client;
  GetClientRect(window, &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
               PRF_CLIENT | PRF_ERASEBKGND);
  RECT text{};
  *reinterpret_cast<HTREEITEM*>(&text) = Node->ItemId();
  SendMessageA(window, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text));
  const COLORREF background = GetPixel(memory, client.right - 2, text.top + 1);
  long ink = 0;
  for (int y = text.top; y < text.bottom; ++y)
    for (int x = text.left - 18; x < text.left - 1; ++x) {
      const COLORREF pixel = GetPixel(memory, x, y);
      ink += std::abs(GetRValue(pixel) - GetRValue(background)) +
             std::abs(GetGValue(pixel) - GetGValue(background)) +
             std::abs(GetBValue(pixel) - GetBValue(background));
    }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ink;
}

// Hidden folders are drawn ghosted: their icons fainter than the others'.
TEST_F(ShellTreeViewTest, HiddenFoldersAreDrawnFainter) {
  RootAtTempFolder();
  const long hidden = IconInk(Tree, FindChildByText(Root(), "zz-hidden"));
  const long normal = IconInk(Tree, FindChildByText(Root(), "alpha"));
  EXPECT_GT(normal, 0);
  EXPECT_LT(hidden, normal * 3 / 4) << hidden << " against " << normal;
}

// The closed and open icons the control keeps, or asks for, for Node.
std::pair<int, int> ImagesOf(TCustomTreeView* Tree, TTreeNode* Node) {
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = Node->ItemId();
  SendMessageA(Tree->WindowHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return {item.iImage, item.iSelectedImage};
}

TEST_F(ShellTreeViewTest, ANodeDrawnUnselectedStillGivesItsOpenIcon) {
  RootAtTempFolder();
  const auto shellIcons = [&](const char* Name) {
    TIDListHolder list(PathToIDList(Temp / Name));
    return std::make_pair(GetIconIndex(list.Get(), false, false),
                          GetIconIndex(list.Get(), false, true));
  };
  // Drawn while the root is selected, then asked for both.
  TTreeNode* bravo = FindChildByText(Root(), "Bravo");
  ASSERT_NE(bravo, nullptr);
  EXPECT_GT(IconInk(Tree, bravo), 0);
  EXPECT_EQ(ImagesOf(Tree, bravo), shellIcons("Bravo"));
  // Drawn selected, and again once the selection moved on.
  TTreeNode* alpha = FindChildByText(Root(), "alpha");
  alpha->SetSelected(true);
  EXPECT_GT(IconInk(Tree, alpha), 0);
  FindChildByText(Root(), "Charlie")->SetSelected(true);
  IconInk(Tree, alpha);
  EXPECT_EQ(ImagesOf(Tree, alpha), shellIcons("alpha"));
}

}  // namespace
