// The shell combo box on a real window, alone and linked with a folder tree
// and a list view as a file manager has them: its entries read back from the
// control and compared with the shell's own names, the chain down to the
// current folder as it is drawn, and choices made with the mouse and the
// keyboard moving all three.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "common/TempFolder.h"
#include "shell/IDListHolder.h"
#include "shell/ShellComboBox.h"
#include "shell/ShellListView.h"
#include "shell/ShellModule.h"
#include "shell/ShellTreeView.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

// The name the platform's shell gives an object.
std::string ShellName(LPCITEMIDLIST List) {
  SHFILEINFOA info{};
  SHGetFileInfoA(reinterpret_cast<LPCSTR>(List), 0, &info, sizeof info,
                 SHGFI_PIDL | SHGFI_DISPLAYNAME);
  return info.szDisplayName;
}

std::vector<std::string> BoxTexts(HWND Box) {
  std::vector<std::string> texts;
  const int count = static_cast<int>(SendMessageA(Box, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[MAX_PATH] = {};
    SendMessageA(Box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  return texts;
}

int BoxSelection(HWND Box) {
  return static_cast<int>(SendMessageA(Box, CB_GETCURSEL, 0, 0));
}

HWND DroppedList(HWND Box) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(Box, &info);
  return info.hwndList;
}

// The first column from the left of a row of the dropped list that differs
// from the row's own background.
int FirstDrawnColumn(HWND DropList, int Index) {
  RECT row{};
  SendMessageA(DropList, LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&row));
  HDC dc = GetDC(DropList);
  const int y = (row.top + row.bottom) / 2;
  const COLORREF back = GetPixel(dc, row.left + 1, y);
  int found = -1;
  for (int x = row.left + 1; x < row.right && found < 0; ++x)
    for (int dy = -5; dy <= 5 && found < 0; ++dy)
      if (GetPixel(dc, x, y + dy) != back) found = x;
  ReleaseDC(DropList, dc);
  return found;
}

// A folder right below the root of drive C:, removed with all it holds.
class TDriveFolder {
 public:
  TDriveFolder() : FPath("C:\\fwcombo" + std::to_string(GetCurrentProcessId())) {
    CreateDirectoryA(FPath.c_str(), nullptr);
  }
  ~TDriveFolder() { TTempFolder::RemoveTree(FPath); }
  const std::string& Path() const { return FPath; }
  std::string operator/(const std::string& Relative) const { return FPath + "\\" + Relative; }

 private:
  std::string FPath;
};

class ShellComboBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(20, 20, 900, 560);
    Form->Show();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  void SetUp() override {
    Box = new TVintoShellComboBox(Form);
    Box->SetParent(Form);
    Box->SetBounds(8, 8, 600, 24);
    Box->HandleNeeded();
  }
  void TearDown() override {
    delete List;
    delete Tree;
    delete Box;
    PumpMessages(50);
  }
  // A tree on the left and a list on the right, linked with the box.
  void MakeBrowser(bool FollowDisk = false) {
    Tree = new TVintoShellTreeView(Form);
    Tree->SetParent(Form);
    Tree->SetBounds(8, 40, 260, 480);
    Tree->SetAutoRefreshContents(FollowDisk);
    List = new TVintoShellListView(Form);
    List->SetParent(Form);
    List->SetBounds(276, 40, 600, 480);
    List->SetViewStyle(vsReport);
    List->SetAutoRefreshContents(FollowDisk);
    Tree->HandleNeeded();
    List->HandleNeeded();
    Tree->SetListView(List);
    Box->LinkTree(Tree);
    PumpMessages(100);
  }
  std::string BoxFolder() const { return IDListToPath(Box->CurrentFolder()); }
  std::string TreeFolder() const { return IDListToPath(Tree->SelectedIDList()); }
  std::string ListFolder() const { return IDListToPath(List->CurrentFolder()); }
  bool AllThreeAt(const std::string& Path) const {
    return BoxFolder() == Path && TreeFolder() == Path && ListFolder() == Path &&
           BoxSelection(Box->WindowHandle()) == Box->IndexOfIDList(Box->CurrentFolder());
  }
  void GoTo(const std::string& Path) {
    TIDListHolder list(PathToIDList(Path));
    Tree->SelectIDList(list.Get());
    PumpUntil([&] { return AllThreeAt(Path); }, 3000);
  }

  static inline TForm* Form = nullptr;
  TVintoShellComboBox* Box = nullptr;
  TVintoShellTreeView* Tree = nullptr;
  TVintoShellListView* List = nullptr;
};

TEST_F(ShellComboBoxTest, WithoutAFolderTheBoxListsTheDesktopItsFoldersAndTheDrives) {
  HWND box = Box->WindowHandle();
  const std::vector<std::string> texts = BoxTexts(box);
  ASSERT_EQ(static_cast<int>(texts.size()), Box->EntryCount());
  ASSERT_GE(texts.size(), 3u);
  EXPECT_TRUE(IsDesktopIDList(Box->EntryIDList(0)));
  EXPECT_EQ(BoxSelection(box), 0);
  for (int i = 0; i < Box->EntryCount(); ++i) {
    EXPECT_EQ(texts[i], ShellName(Box->EntryIDList(i))) << i;
    EXPECT_EQ(Box->EntryIndent(Box->EntryIDList(i)),
              8 * static_cast<int>(IDCount(Box->EntryIDList(i))));
  }

  // The desktop's folders, as the shell lists them, are the entries of
  // depth 1; the drives follow the drives folder right after it.
  std::set<std::string> desktopFolders, topEntries;
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  IEnumIDList* items = nullptr;
  ASSERT_EQ(desktop->EnumObjects(nullptr, SHCONTF_FOLDERS, &items), S_OK);
  LPITEMIDLIST item = nullptr;
  while (items->Next(1, &item, nullptr) == S_OK) {
    desktopFolders.insert(ShellName(item));
    FreeIDList(item);
  }
  items->Release();
  int drives = -1, driveEntries = 0;
  bool systemDrive = false;
  for (int i = 0; i < Box->EntryCount(); ++i) {
    LPCITEMIDLIST entry = Box->EntryIDList(i);
    if (IDCount(entry) == 1) topEntries.insert(texts[i]);
    if (IsDrivesFolder(entry)) drives = i;
    if (IDCount(entry) == 2) {
      ++driveEntries;
      EXPECT_GT(i, drives);
      EXPECT_EQ(i, drives + driveEntries) << "drives come right after the drives folder";
      systemDrive = systemDrive || IDListToPath(entry) == "C:\\";
    }
  }
  EXPECT_EQ(topEntries, desktopFolders);
  EXPECT_GE(drives, 1);
  EXPECT_TRUE(systemDrive);
  EXPECT_EQ(Box->EntryText(Box->EntryIDList(0), true), ShellName(Box->EntryIDList(0)));
}

TEST_F(ShellComboBoxTest, AFolderThreeLevelsBelowADriveShowsTheChainEachIndentedOneLevelMore) {
  TDriveFolder top;
  CreateDirectoryA((top / "Two").c_str(), nullptr);
  CreateDirectoryA((top / "Two\\Three").c_str(), nullptr);
  TIDListHolder three(PathToIDList(top / "Two\\Three"));
  Box->SetCurrentFolder(three.Get());
  HWND box = Box->WindowHandle();

  TIDListHolder drive(PathToIDList("C:\\"));
  const int at = Box->IndexOfIDList(drive.Get());
  ASSERT_GT(at, 0);
  const std::vector<std::string> chain{top.Path(), top / "Two", top / "Two\\Three"};
  for (int k = 0; k < 3; ++k) {
    LPCITEMIDLIST entry = Box->EntryIDList(at + 1 + k);
    EXPECT_EQ(IDListToPath(entry), chain[k]);
    EXPECT_EQ(IDCount(entry), 3u + k);
    EXPECT_EQ(BoxTexts(box)[at + 1 + k], ShellName(entry));
  }
  EXPECT_EQ(BoxSelection(box), at + 3);
  // The box itself shows the full path; above a drive, the name.
  EXPECT_EQ(Box->EntryText(Box->CurrentFolder(), true), top / "Two\\Three");
  EXPECT_EQ(Box->EntryText(drive.Get(), true), ShellName(drive.Get()));
  EXPECT_EQ(Box->EntryText(Box->CurrentFolder(), false), "Three");

  // As drawn in the open list: each folder of the chain one step further in.
  SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages(150);
  HWND dropped = DroppedList(box);
  ASSERT_NE(dropped, nullptr);
  SendMessageA(dropped, LB_SETTOPINDEX, at, 0);
  RedrawWindow(dropped, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages(100);
  const int first = FirstDrawnColumn(dropped, at + 1);
  const int second = FirstDrawnColumn(dropped, at + 2);
  EXPECT_GT(first, 0);
  EXPECT_EQ(second - first, 8);
  SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
  PumpMessages(50);
}

TEST_F(ShellComboBoxTest, TheTreeMovesTheBoxAndTheListAndTheBoxMovesThemBack) {
  TDriveFolder top;
  CreateDirectoryA((top / "Inner").c_str(), nullptr);
  MakeBrowser();
  GoTo(top / "Inner");
  ASSERT_TRUE(AllThreeAt(top / "Inner"));
  HWND box = Box->WindowHandle();

  // The keyboard: Up chooses the entry above, the folder's parent.
  SetForegroundWindow(Form->Handle());
  SetFocus(box);
  PumpMessages(50);
  PressChord({VK_UP});
  EXPECT_TRUE(PumpUntil([&] { return AllThreeAt(top.Path()); }, 3000)) << BoxFolder();

  // The mouse: open the list and click the drive.
  TIDListHolder drive(PathToIDList("C:\\"));
  const int at = Box->IndexOfIDList(drive.Get());
  ASSERT_GT(at, 0);
  RECT r;
  GetClientRect(box, &r);
  ClickClient(box, POINT{r.right - 8, r.bottom / 2});
  ASSERT_TRUE(PumpUntil([&] { return Box->GetDroppedDown(); }, 2000));
  HWND dropped = DroppedList(box);
  SendMessageA(dropped, LB_SETTOPINDEX, at, 0);
  PumpMessages(50);
  RECT row{};
  SendMessageA(dropped, LB_GETITEMRECT, at, reinterpret_cast<LPARAM>(&row));
  ClickClient(dropped, POINT{row.left + 40, (row.top + row.bottom) / 2});
  EXPECT_TRUE(PumpUntil([&] { return AllThreeAt("C:\\"); }, 3000)) << BoxFolder();
  EXPECT_FALSE(Box->GetDroppedDown());

  // The desktop (the first entry) leaves the tree where it is.
  SendMessageA(box, CB_SETCURSEL, 0, 0);
  SendMessageA(Form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box));
  PumpMessages(100);
  EXPECT_EQ(TreeFolder(), "C:\\");
}

TEST_F(ShellComboBoxTest, EnteringAFolderInTheListMovesTheTreeAndTheBox) {
  TDriveFolder top;
  CreateDirectoryA((top / "Inner").c_str(), nullptr);
  CreateDirectoryA((top / "Inner\\Deeper").c_str(), nullptr);
  MakeBrowser();
  GoTo(top.Path());
  ASSERT_TRUE(AllThreeAt(top.Path()));
  auto itemPoint = [&](const std::string& Caption) {
    for (int i = 0; i < List->Items().Count(); ++i)
      if (List->Items().Item(i)->GetCaption() == Caption) {
        RECT r = List->Items().Item(i)->DisplayRect();
        return POINT{r.left + 24, (r.top + r.bottom) / 2};
      }
    return POINT{-1, -1};
  };
  SetForegroundWindow(Form->Handle());
  POINT inner = itemPoint("Inner");
  ASSERT_GE(inner.x, 0);
  ClickClient(List->WindowHandle(), inner);
  ClickClient(List->WindowHandle(), inner);
  EXPECT_TRUE(PumpUntil([&] { return AllThreeAt(top / "Inner"); }, 3000)) << BoxFolder();

  // Enter on a selected folder does the same.
  POINT deeper = itemPoint("Deeper");
  ASSERT_GE(deeper.x, 0);
  ClickClient(List->WindowHandle(), deeper);
  PumpMessages(100);
  PressChord({VK_RETURN});
  EXPECT_TRUE(PumpUntil([&] { return AllThreeAt(top / "Inner\\Deeper"); }, 3000)) << BoxFolder();
  // The box shows the chain down to it.
  const int current = Box->IndexOfIDList(Box->CurrentFolder());
  EXPECT_EQ(IDListToPath(Box->EntryIDList(current - 1)), top / "Inner");
}

TEST_F(ShellComboBoxTest, ARemovedCurrentFolderMovesAllThreeToTheNearestExistingAncestor) {
  TDriveFolder top;
  CreateDirectoryA((top / "Gone").c_str(), nullptr);
  CreateDirectoryA((top / "Gone\\Too").c_str(), nullptr);
  MakeBrowser(true);
  GoTo(top / "Gone\\Too");
  ASSERT_TRUE(AllThreeAt(top / "Gone\\Too"));
  TTempFolder::RemoveTree(top / "Gone");
  EXPECT_TRUE(PumpUntil([&] { return AllThreeAt(top.Path()); }, 8000)) << BoxFolder();
  EXPECT_EQ(Box->IndexOfIDList(Box->CurrentFolder()), BoxSelection(Box->WindowHandle()));
}

TEST_F(ShellComboBoxTest, LinksAreMadeAndUndoneFromEitherSide) {
  MakeBrowser();
  EXPECT_EQ(Tree->GetComboBox(), Box);
  EXPECT_EQ(Box->Tree(), Tree);
  Tree->SetComboBox(nullptr);
  EXPECT_EQ(Box->Tree(), nullptr);
  Tree->SetComboBox(Box);
  EXPECT_EQ(Box->Tree(), Tree);
  Box->LinkTree(nullptr);
  EXPECT_EQ(Tree->GetComboBox(), nullptr);
  Box->LinkTree(Tree);
  EXPECT_EQ(Tree->GetComboBox(), Box);
  delete Tree;
  Tree = nullptr;
  EXPECT_EQ(Box->Tree(), nullptr);
  // A box that goes leaves no link behind.
  delete List;
  List = nullptr;
  MakeBrowser();
  delete Box;
  Box = nullptr;
  EXPECT_EQ(Tree->GetComboBox(), nullptr);
}

}  // namespace
