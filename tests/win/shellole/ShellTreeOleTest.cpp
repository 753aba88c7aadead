// The folder tree's shell menu, drops and drags against real folders: the
// menu opened and chosen from with real input, drops through the tree's
// drop target with the shell's own data objects, and drags made with the
// mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShellOleTestSupport.h"
#include "common/MessagePump.h"
#include "common/TempFolder.h"
#include "shell/IDListHolder.h"
#include "shell/ShellOleDragDropInfo.h"
#include "shell/ShellTreeView.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

using Microsoft::WRL::ComPtr;

namespace {

bool Exists(const std::string& Path) {
  return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string PathOf(TVintoShellItem* Item) {
  return Item ? IDListToPath(Item->AbsoluteIDList()) : std::string("(none)");
}

// The shell's own data object for one object, as a file manager would drag.
ComPtr<IDataObject> ShellDataObject(const std::string& Path) {
  TIDListHolder list(PathToIDList(Path));
  ComPtr<IDataObject> data;
  TShellFolderPtr parent = BindToParentFolder(list.Get());
  LPCITEMIDLIST item = LastID(list.Get());
  if (parent)
    parent->GetUIObjectOf(nullptr, 1, &item, IID_IDataObject, nullptr,
                          reinterpret_cast<void**>(data.GetAddressOf()));
  return data;
}

// The verb of the first entry of the shell's menu for Path.
std::string FirstMenuVerb(const std::string& Path) {
  TIDListHolder list(PathToIDList(Path));
  TShellFolderPtr parent = BindToParentFolder(list.Get());
  LPCITEMIDLIST item = LastID(list.Get());
  ComPtr<IContextMenu> menu;
  if (!parent || FAILED(parent->GetUIObjectOf(nullptr, 1, &item, IID_IContextMenu, nullptr,
                                              reinterpret_cast<void**>(menu.GetAddressOf()))))
    return {};
  HMENU popup = CreatePopupMenu();
  menu->QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_EXPLORE);
  char verb[256] = {};
  menu->GetCommandString(GetMenuItemID(popup, 0) - 1, GCS_VERBA, nullptr, verb, sizeof verb);
  DestroyMenu(popup);
  return verb;
}

struct TOleLog {
  std::vector<std::string> Popups;  // path of the first item
  std::vector<std::string> Commands;
  std::vector<std::string> Failed;
  bool AcceptPopup = true;
  bool AcceptCommand = false;
  struct TOver {
    TDragState State;
    std::string Source;
    int Items;
    std::string Target;
  };
  std::vector<TOver> Overs;
  bool AcceptDrag = true;
  std::vector<int> DropEffects;
  std::vector<std::string> DropTargets;
  int Starts = 0;
  std::vector<POINT> Ends;
  std::vector<bool> EndsWithTarget;

  void Popup(TObject*, TVintoShellItems* Items, bool& Accept) {
    Popups.push_back(Items->Count() ? PathOf(Items->Items(0)) : "");
    Accept = AcceptPopup;
  }
  void Command(TObject*, TVintoShellItems*, const std::string& Verb, bool& Accept) {
    Commands.push_back(Verb);
    Accept = AcceptCommand;
  }
  void CommandFailed(TObject*, const std::string& Verb) { Failed.push_back(Verb); }
  void DragOver(TObject*, TVintoShellOleDragDropInfo* Info, int, int, TDragState State,
                bool& Accept) {
    Overs.push_back(
        {State, PathOf(Info->SourceFolder()), Info->Items().Count(), PathOf(Info->TargetFolder())});
    Accept = AcceptDrag;
  }
  void DragDrop(TObject*, TVintoShellOleDragDropInfo* Info, int, int) {
    DropEffects.push_back(Info->Effect);
    DropTargets.push_back(PathOf(Info->TargetFolder()));
  }
  void StartDrag(TObject*) { ++Starts; }
  void EndDrag(TObject*, TVintoShellOleDragDropInfo* Target, int X, int Y) {
    Ends.push_back(POINT{X, Y});
    EndsWithTarget.push_back(Target != nullptr);
  }
};

class ShellTreeOleTest : public ::testing::Test {
 protected:
  // One form for all: a shown window takes the platform seconds to go.
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(60, 60, 360, 400);
    Form->Show();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  void SetUp() override {
    Temp.MakeFolder("Alpha");
    Temp.MakeFile("Alpha\\a.txt", "alpha");
    Temp.MakeFolder("Bravo");
    Temp.MakeFolder("Charlie");
    Temp.MakeFolder("Charlie\\Deep");
    Tree = new TVintoShellTreeView(Form);
    Tree->SetParent(Form);
    Tree->SetBounds(8, 8, 330, 340);
    Tree->SetAutoRefreshContents(false);
    Tree->SetRootFolder(Temp.Path());
    using L = TOleLog;
    Tree->OnContextMenuPopup = TVintoShellContextMenuPopupEvent(&Log, &L::Popup);
    Tree->OnContextMenuCommand = TVintoShellContextMenuCommandEvent(&Log, &L::Command);
    Tree->OnCommandFailed = TVintoShellCommandFailedEvent(&Log, &L::CommandFailed);
    Tree->OnDragDrop = TVintoShellDragDropEvent(&Log, &L::DragDrop);
    Tree->OnStartDrag = TVintoShellStartDragEvent(&Log, &L::StartDrag);
    Tree->OnEndDrag = TVintoShellEndDragEvent(&Log, &L::EndDrag);
    SetForegroundWindow(Form->Handle());
    PumpMessages(100);
  }
  void TearDown() override {
    delete Tree;
    PumpMessages(20);
  }

  TTreeNode* Node(const std::string& Text) {
    TTreeNode* root = Tree->Items().GetFirstNode();
    for (TTreeNode* c = root ? root->GetFirstChild() : nullptr; c; c = c->GetNextSibling())
      if (c->GetText() == Text) return c;
    return nullptr;
  }
  POINT ScreenCentre(TTreeNode* Node) {
    RECT r{};
    TreeView_GetItemRect(Tree->WindowHandle(), Node->ItemId(), &r, TRUE);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(Tree->WindowHandle(), &p);
    return p;
  }
  POINTL Over(TTreeNode* Node) {
    POINT p = ScreenCentre(Node);
    return POINTL{p.x, p.y};
  }
  HTREEITEM DropHighlight() { return TreeView_GetDropHilight(Tree->WindowHandle()); }

  // Right-clicks Node with the mouse, then, once the menu shows, presses
  // Keys; returns whether a menu showed.
  bool RightClickAndPress(TTreeNode* Node, const std::vector<WORD>& Keys) {
    const POINT at = ScreenCentre(Node);
    bool shown = false;
    TInputThread input([&] {
      MouseMoveTo(at);
      Sleep(50);
      MouseButton(MOUSEEVENTF_RIGHTDOWN);
      Sleep(50);
      MouseButton(MOUSEEVENTF_RIGHTUP);
      shown = WaitFor([] { return FindOpenMenu() != nullptr; }, 1500);
      for (WORD key : Keys) {
        PressKey(key);
        Sleep(30);
      }
    });
    PumpUntil([&] { return input.Done(); }, 8000);
    PumpMessages(100);
    POINT c;
    GetCursorPos(&c);
    return shown;
  }

  TTempFolder Temp;
  static inline TForm* Form = nullptr;
  TVintoShellTreeView* Tree = nullptr;
  TOleLog Log;
};

TEST_F(ShellTreeOleTest, RightClickOpensTheShellMenuForTheNodeAndCarriesOutOnlyWhatIsChosen) {
  TTreeNode* alpha = Node("Alpha");
  ASSERT_NE(alpha, nullptr);
  const std::string firstVerb = FirstMenuVerb(Temp / "Alpha");
  ASSERT_FALSE(firstVerb.empty());

  // The first entry has offset 0; its verb comes to the event, which
  // refuses it here so that no window of the file manager opens.
  ASSERT_TRUE(RightClickAndPress(alpha, {VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(alpha->GetSelected());
  ASSERT_EQ(Log.Popups.size(), 1u);
  EXPECT_EQ(Log.Popups[0], Temp / "Alpha");
  EXPECT_EQ(Log.Commands, std::vector<std::string>{firstVerb});
  EXPECT_EQ(FindOpenMenu(), nullptr);

  // Dismissed, the menu carries out nothing and raises nothing more.
  ASSERT_TRUE(RightClickAndPress(alpha, {VK_ESCAPE}));
  EXPECT_EQ(Log.Popups.size(), 2u);
  EXPECT_EQ(Log.Commands.size(), 1u);
  EXPECT_TRUE(Log.Failed.empty());

  // Refused before it shows, no menu opens.
  Log.AcceptPopup = false;
  EXPECT_FALSE(RightClickAndPress(alpha, {}));
  EXPECT_EQ(Log.Popups.size(), 3u);

  // Switched off, the shell's menu is not asked for.
  Tree->SetAutoContextMenu(false);
  EXPECT_FALSE(RightClickAndPress(alpha, {}));
  EXPECT_EQ(Log.Popups.size(), 3u);
}

TEST_F(ShellTreeOleTest, DeleteChosenFromTheMenuRemovesTheFolderAndTheTreeFollows) {
  Tree->SetAutoRefreshContents(true);
  Log.AcceptCommand = true;
  TTreeNode* bravo = Node("Bravo");
  ASSERT_NE(bravo, nullptr);
  {
    TDialogAnswerer yes(IDYES);
    ASSERT_TRUE(RightClickAndPress(bravo, {'D'}));
    PumpUntil([&] { return !Exists(Temp / "Bravo"); }, 3000);
  }
  EXPECT_EQ(Log.Commands, std::vector<std::string>{"delete"});
  EXPECT_TRUE(Log.Failed.empty());
  EXPECT_FALSE(Exists(Temp / "Bravo"));
  EXPECT_TRUE(PumpUntil([&] { return Node("Bravo") == nullptr; }, 3000));
  EXPECT_NE(Node("Alpha"), nullptr);
}

TEST_F(ShellTreeOleTest, DropOfShellItemsMovesOnTheSameDriveButNotIntoTheirOwnFolder) {
  Tree->OnDragOver = TVintoShellDragOverEvent(&Log, &TOleLog::DragOver);
  IDropTarget* target = Tree->DropTarget();
  ASSERT_NE(target, nullptr);
  ComPtr<IDataObject> data = ShellDataObject(Temp / "Alpha\\a.txt");
  ASSERT_TRUE(data);
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

  // Over the folder the file comes from: no drop, no highlight.
  DWORD effect = all;
  ASSERT_EQ(target->DragEnter(data.Get(), MK_LBUTTON, Over(Node("Alpha")), &effect), S_OK);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  EXPECT_EQ(DropHighlight(), nullptr);
  ASSERT_FALSE(Log.Overs.empty());
  EXPECT_EQ(Log.Overs[0].State, dsDragEnter);
  EXPECT_EQ(Log.Overs[0].Source, Temp / "Alpha");
  EXPECT_EQ(Log.Overs[0].Items, 1);

  // Over another folder of the same drive, no keys: a move, highlighted.
  effect = all;
  EXPECT_EQ(target->DragOver(MK_LBUTTON, Over(Node("Bravo")), &effect), S_OK);
  EXPECT_EQ(effect, DROPEFFECT_MOVE);
  EXPECT_EQ(DropHighlight(), Node("Bravo")->ItemId());
  EXPECT_EQ(Log.Overs.back().State, dsDragMove);
  EXPECT_EQ(Log.Overs.back().Target, Temp / "Bravo");

  effect = all;
  EXPECT_EQ(target->Drop(data.Get(), 0, Over(Node("Bravo")), &effect), S_OK);
  EXPECT_TRUE(Exists(Temp / "Bravo\\a.txt"));
  EXPECT_FALSE(Exists(Temp / "Alpha\\a.txt"));
  EXPECT_EQ(Log.DropEffects, std::vector<int>{2});
  EXPECT_EQ(Log.DropTargets, std::vector<std::string>{Temp / "Bravo"});
  EXPECT_EQ(DropHighlight(), nullptr);
}

TEST_F(ShellTreeOleTest, CopyOnlyCopiesWithShiftHeldAndControlCopiesByDefault) {
  IDropTarget* target = Tree->DropTarget();
  ASSERT_NE(target, nullptr);
  ComPtr<IDataObject> data = ShellDataObject(Temp / "Alpha\\a.txt");
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

  Tree->SetOleDropEffect(deCopyOnly);
  DWORD effect = all;
  target->DragEnter(data.Get(), MK_LBUTTON | MK_SHIFT, Over(Node("Bravo")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
  effect = all;
  EXPECT_EQ(target->Drop(data.Get(), MK_SHIFT, Over(Node("Bravo")), &effect), S_OK);
  EXPECT_TRUE(Exists(Temp / "Bravo\\a.txt"));
  EXPECT_TRUE(Exists(Temp / "Alpha\\a.txt"));

  // Without a forced effect, Ctrl asks for a copy.
  Tree->SetOleDropEffect(deDefault);
  effect = all;
  target->DragEnter(data.Get(), MK_LBUTTON | MK_CONTROL, Over(Node("Charlie")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
  effect = all;
  target->Drop(data.Get(), MK_CONTROL, Over(Node("Charlie")), &effect);
  EXPECT_TRUE(Exists(Temp / "Charlie\\a.txt"));
  EXPECT_TRUE(Exists(Temp / "Alpha\\a.txt"));
}

TEST_F(ShellTreeOleTest, RefusedDragsAndForeignDataDropNothing) {
  IDropTarget* target = Tree->DropTarget();
  ASSERT_NE(target, nullptr);
  ComPtr<IDataObject> data = ShellDataObject(Temp / "Alpha\\a.txt");
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

  // Refused by the handler: no effect, and leaving is reported.
  Tree->OnDragOver = TVintoShellDragOverEvent(&Log, &TOleLog::DragOver);
  Log.AcceptDrag = false;
  DWORD effect = all;
  target->DragEnter(data.Get(), MK_LBUTTON, Over(Node("Bravo")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  Log.AcceptDrag = true;
  effect = all;
  target->DragOver(MK_LBUTTON, Over(Node("Charlie")), &effect);
  EXPECT_NE(effect, DROPEFFECT_NONE);  // a new node is asked again
  Log.AcceptDrag = false;
  effect = all;
  target->DragOver(MK_LBUTTON, Over(Node("Bravo")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  target->DragLeave();
  EXPECT_EQ(Log.Overs.back().State, dsDragLeave);
  EXPECT_EQ(DropHighlight(), nullptr);

  // Without a handler, the stricter behaviour refuses every drag.
  Tree->OnDragOver = nullptr;
  Tree->SetCorvaneDragDropBehaviour(true);
  effect = all;
  target->DragEnter(data.Get(), MK_LBUTTON, Over(Node("Bravo")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  target->DragLeave();
  Tree->SetCorvaneDragDropBehaviour(false);

  // Text from another program is no shell item: nothing lands on disk.
  ASSERT_TRUE(OpenClipboard(Form->Handle()));
  EmptyClipboard();
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
  memcpy(GlobalLock(text), "hello", 6);
  GlobalUnlock(text);
  SetClipboardData(CF_TEXT, text);
  CloseClipboard();
  ComPtr<IDataObject> foreign;
  ASSERT_EQ(OleGetClipboard(foreign.GetAddressOf()), S_OK);
  effect = all;
  target->DragEnter(foreign.Get(), MK_LBUTTON, Over(Node("Bravo")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  effect = all;
  target->Drop(foreign.Get(), 0, Over(Node("Bravo")), &effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((Temp / "Bravo\\*").c_str(), &found);
  int entries = 0;
  if (find != INVALID_HANDLE_VALUE) {
    do ++entries;
    while (FindNextFileA(find, &found));
    FindClose(find);
  }
  EXPECT_EQ(entries, 2);  // . and .. only
  EXPECT_TRUE(Exists(Temp / "Alpha\\a.txt"));
}

TEST_F(ShellTreeOleTest, HoveringOverAClosedFolderOpensItAfterTheInterval) {
  IDropTarget* target = Tree->DropTarget();
  ASSERT_NE(target, nullptr);
  ComPtr<IDataObject> data = ShellDataObject(Temp / "Alpha\\a.txt");
  Tree->SetAutoExpandInterval(150);
  TTreeNode* charlie = Node("Charlie");
  ASSERT_FALSE(charlie->GetExpanded());
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->DragEnter(data.Get(), MK_LBUTTON, Over(charlie), &effect);
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->DragOver(MK_LBUTTON, Over(charlie), &effect);
  EXPECT_FALSE(charlie->GetExpanded());
  const DWORD start = GetTickCount();
  while (!charlie->GetExpanded() && GetTickCount() - start < 1000) {
    Sleep(30);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, Over(charlie), &effect);
  }
  EXPECT_TRUE(charlie->GetExpanded());
  EXPECT_GE(GetTickCount() - start, 100u);
  EXPECT_NE(charlie->GetFirstChild(), nullptr);
  target->DragLeave();
}

TEST_F(ShellTreeOleTest, DraggingNearTheBottomEdgeScrollsTheTree) {
  for (int i = 0; i < 40; ++i) Temp.MakeFolder("Many" + std::to_string(100 + i));
  Tree->RefreshTree();
  IDropTarget* target = Tree->DropTarget();
  ComPtr<IDataObject> data = ShellDataObject(Temp / "Alpha\\a.txt");
  RECT client;
  GetClientRect(Tree->WindowHandle(), &client);
  POINT edge{client.right / 2, client.bottom - 5};
  ClientToScreen(Tree->WindowHandle(), &edge);
  const int before = GetScrollPos(Tree->WindowHandle(), SB_VERT);
  DWORD effect = DROPEFFECT_COPY;
  target->DragEnter(data.Get(), MK_LBUTTON, POINTL{edge.x, edge.y}, &effect);
  for (int i = 0; i < 5; ++i) {
    Sleep(60);
    effect = DROPEFFECT_COPY;
    target->DragOver(MK_LBUTTON, POINTL{edge.x, edge.y}, &effect);
  }
  target->DragLeave();
  EXPECT_GT(GetScrollPos(Tree->WindowHandle(), SB_VERT), before);
}

// A real drag with the mouse: Bravo is dragged onto Charlie and moves
// there; a drag cancelled with the right button moves nothing.
TEST_F(ShellTreeOleTest, MouseDragMovesAFolderOntoAnotherAndTheRightButtonCancels) {
  const POINT from = ScreenCentre(Node("Bravo"));
  const POINT to = ScreenCentre(Node("Charlie"));
  auto drag = [&](bool Cancel) {
    TInputThread input([&] {
      MouseMoveTo(from);
      Sleep(80);
      MouseButton(MOUSEEVENTF_LEFTDOWN);
      Sleep(80);
      for (int step = 1; step <= 10; ++step) {
        MouseMoveTo(
            POINT{from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
        Sleep(40);
      }
      Sleep(150);
      if (Cancel) {
        MouseButton(MOUSEEVENTF_RIGHTDOWN);
        Sleep(80);
        MouseButton(MOUSEEVENTF_RIGHTUP);
      }
      MouseButton(MOUSEEVENTF_LEFTUP);
      Sleep(100);
    });
    PumpUntil([&] { return input.Done(); }, 10000);
    PumpMessages(200);
  };

  drag(true);
  EXPECT_EQ(Log.Starts, 1);
  ASSERT_EQ(Log.Ends.size(), 1u);
  EXPECT_FALSE(Log.EndsWithTarget[0]);
  EXPECT_EQ(Log.Ends[0].x, -1);
  EXPECT_TRUE(Exists(Temp / "Bravo"));
  EXPECT_FALSE(Exists(Temp / "Charlie\\Bravo"));

  drag(false);
  EXPECT_EQ(Log.Starts, 2);
  ASSERT_EQ(Log.Ends.size(), 2u);
  EXPECT_TRUE(Log.EndsWithTarget[1]);
  EXPECT_TRUE(Exists(Temp / "Charlie\\Bravo"));
  EXPECT_FALSE(Exists(Temp / "Bravo"));
  EXPECT_EQ(Log.DropTargets, std::vector<std::string>{Temp / "Charlie"});
}

}  // namespace
