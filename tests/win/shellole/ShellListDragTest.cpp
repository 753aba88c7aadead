// Drags made with the mouse from the shell list view onto a folder of the
// shell tree beside it, as a user moves files between the two views.
#include <gtest/gtest.h>

#include <string>

#include "ShellOleTestSupport.h"
#include "common/MessagePump.h"
#include "common/TempFolder.h"
#include "shell/ShellListView.h"
#include "shell/ShellTreeView.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

bool Exists(const std::string& Path) {
  return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct TDragLog {
  int ListStarts = 0;
  int ListEnds = 0;
  int TreeDrops = 0;
  void StartDrag(TObject*) { ++ListStarts; }
  void EndDrag(TObject*, TVintoShellOleDragDropInfo*, int, int) { ++ListEnds; }
  void DragDrop(TObject*, TVintoShellOleDragDropInfo*, int, int) { ++TreeDrops; }
};

class ShellListDragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Temp.MakeFolder("Inbox");
    Temp.MakeFolder("Archive");
    Temp.MakeFile("Inbox\\report.txt", "quarterly");
    Temp.MakeFile("Inbox\\notes.txt", "kept");
    Form = new TForm(nullptr);
    Form->SetBounds(40, 40, 700, 400);
    Tree = new TVintoShellTreeView(Form);
    Tree->SetParent(Form);
    Tree->SetBounds(8, 8, 240, 340);
    Tree->SetAutoRefreshContents(false);
    Tree->SetRootFolder(Temp.Path());
    List = new TVintoShellListView(Form);
    List->SetParent(Form);
    List->SetBounds(256, 8, 420, 340);
    List->SetViewStyle(vsReport);
    List->SetAutoRefreshContents(false);
    List->SetRootFolder(Temp / "Inbox");
    using L = TDragLog;
    List->OnStartDrag = TVintoShellStartDragEvent(&Log, &L::StartDrag);
    List->OnEndDrag = TVintoShellEndDragEvent(&Log, &L::EndDrag);
    Tree->OnDragDrop = TVintoShellDragDropEvent(&Log, &L::DragDrop);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return ItemNamed("report.txt") != nullptr; }, 5000);
    PumpMessages(100);
  }
  void TearDown() override {
    delete Form;
    PumpMessages(20);
  }

  TListItem* ItemNamed(const std::string& Caption) {
    for (int i = 0; i < List->Items().Count(); ++i)
      if (List->Items().Item(i)->GetCaption() == Caption) return List->Items().Item(i);
    return nullptr;
  }
  TTreeNode* Node(const std::string& Text) {
    TTreeNode* root = Tree->Items().GetFirstNode();
    for (TTreeNode* c = root ? root->GetFirstChild() : nullptr; c; c = c->GetNextSibling())
      if (c->GetText() == Text) return c;
    return nullptr;
  }
  POINT ScreenPointOf(TListItem* Item) {
    const RECT r = Item->DisplayRect();
    POINT p{r.left + 24, (r.top + r.bottom) / 2};  // over the icon and name
    ClientToScreen(List->WindowHandle(), &p);
    return p;
  }
  POINT ScreenPointOf(TTreeNode* Node) {
    RECT r{};
    TreeView_GetItemRect(Tree->WindowHandle(), Node->ItemId(), &r, TRUE);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(Tree->WindowHandle(), &p);
    return p;
  }

  // Presses the left button at From, moves in steps to To and lets go
  // there; the test's thread runs the drag loop meanwhile.
  void DragWithTheMouse(POINT From, POINT To) {
    TInputThread input([&] {
      MouseMoveTo(From);
      Sleep(80);
      MouseButton(MOUSEEVENTF_LEFTDOWN);
      Sleep(80);
      for (int step = 1; step <= 12; ++step) {
        MouseMoveTo(
            POINT{From.x + (To.x - From.x) * step / 12, From.y + (To.y - From.y) * step / 12});
        Sleep(40);
      }
      Sleep(200);
      MouseButton(MOUSEEVENTF_LEFTUP);
      Sleep(100);
    });
    PumpUntil([&] { return input.Done(); }, 10000);
    PumpUntil([&] { return Log.ListEnds > 0; }, 3000);
    PumpMessages(200);
  }

  TTempFolder Temp;
  TForm* Form = nullptr;
  TVintoShellTreeView* Tree = nullptr;
  TVintoShellListView* List = nullptr;
  TDragLog Log;
};

// A file dragged from the list onto a folder of the tree on the same drive
// moves there on disk; its neighbour stays, and the list follows.
TEST_F(ShellListDragTest, AFileDraggedFromTheListOntoATreeFolderMovesThere) {
  ASSERT_NE(ItemNamed("report.txt"), nullptr);
  ASSERT_NE(Node("Archive"), nullptr);
  DragWithTheMouse(ScreenPointOf(ItemNamed("report.txt")), ScreenPointOf(Node("Archive")));

  EXPECT_EQ(Log.ListStarts, 1);
  EXPECT_EQ(Log.ListEnds, 1);
  EXPECT_EQ(Log.TreeDrops, 1);
  EXPECT_TRUE(Exists(Temp / "Archive\\report.txt"));
  EXPECT_FALSE(Exists(Temp / "Inbox\\report.txt"));
  EXPECT_TRUE(Exists(Temp / "Inbox\\notes.txt"));
  List->RefreshList();
  PumpUntil([&] { return ItemNamed("report.txt") == nullptr; }, 3000);
  EXPECT_EQ(ItemNamed("report.txt"), nullptr);
  EXPECT_NE(ItemNamed("notes.txt"), nullptr);
}

// Dropped back onto the folder it came from, the file stays where it is.
TEST_F(ShellListDragTest, AFileDraggedOntoItsOwnFolderStaysWhereItIs) {
  ASSERT_NE(ItemNamed("notes.txt"), nullptr);
  ASSERT_NE(Node("Inbox"), nullptr);
  DragWithTheMouse(ScreenPointOf(ItemNamed("notes.txt")), ScreenPointOf(Node("Inbox")));

  EXPECT_EQ(Log.ListStarts, 1);
  EXPECT_EQ(Log.TreeDrops, 0);
  EXPECT_TRUE(Exists(Temp / "Inbox\\notes.txt"));
  EXPECT_FALSE(Exists(Temp / "Archive\\notes.txt"));
}

}  // namespace
