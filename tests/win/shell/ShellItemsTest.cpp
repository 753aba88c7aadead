// Shell items and the commands run on them.
#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "shell/IDListHolder.h"
#include "shell/ShellItems.h"

TEST(ShellItem, OwnsACopyAndBindsFolders) {
  TTempFolder temp;
  const std::string folderPath = temp.MakeFolder("docs");
  TIDListHolder list(PathToIDList(folderPath));
  ASSERT_TRUE(list);
  TVintoShellItem item(list.Get());
  ASSERT_NE(item.AbsoluteIDList(), nullptr);
  EXPECT_NE(item.AbsoluteIDList(), list.Get());
  EXPECT_TRUE(SameIDList(item.AbsoluteIDList(), list.Get()));
  EXPECT_EQ(item.RelativeIDList(), LastID(item.AbsoluteIDList()));
  EXPECT_NE(item.ShellFolder(), nullptr);
  // The caller's list may go; the item keeps its own.
  list.Reset();
  EXPECT_EQ(lstrcmpiA(IDListToPath(item.AbsoluteIDList()).c_str(), folderPath.c_str()), 0);
}

TEST(ShellItems, IndexingAddingAndClearing) {
  TTempFolder temp;
  TIDListHolder a(PathToIDList(temp.MakeFile("a.txt")));
  TIDListHolder b(PathToIDList(temp.MakeFile("b.txt")));
  TVintoShellItems items;
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(items.ParentFolder(), nullptr);
  EXPECT_EQ(items.Add(a.Get()), 0);
  EXPECT_NE(items.ParentFolder(), nullptr);
  EXPECT_EQ(items.Add(b.Get()), 1);
  EXPECT_EQ(items.Count(), 2);
  EXPECT_EQ(items.Items(-1), nullptr);
  EXPECT_EQ(items.Items(2), nullptr);
  EXPECT_TRUE(SameIDList(items.Items(1)->AbsoluteIDList(), b.Get()));
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(items.ParentFolder(), nullptr);
  EXPECT_EQ(items.Items(0), nullptr);
}

TEST(ShellItems, CommandsWithoutItemsOrWithUnknownVerbsFail) {
  TVintoShellItems items;
  EXPECT_FALSE(items.InvokeCommand("properties"));
  EXPECT_FALSE(items.DeleteItems());
  TTempFolder temp;
  TIDListHolder file(PathToIDList(temp.MakeFile("keep.txt")));
  items.Add(file.Get());
  EXPECT_FALSE(items.InvokeCommand("no-such-verb"));
  EXPECT_NE(GetFileAttributesA((temp / "keep.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

namespace {

// Answers the first dialog box this process shows within a few seconds with
// Answer (IDYES or IDNO), the way a user would.
class TDialogAnswerer {
 public:
  explicit TDialogAnswerer(int Answer)
      : FAnswer(Answer), FThread(CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}
  ~TDialogAnswerer() {
    WaitForSingleObject(FThread, INFINITE);
    CloseHandle(FThread);
  }
  bool Answered() const { return FAnswered; }

 private:
  static BOOL CALLBACK FindDialog(HWND Window, LPARAM Found) {
    DWORD process = 0;
    GetWindowThreadProcessId(Window, &process);
    char className[16] = {};
    GetClassNameA(Window, className, sizeof className);
    if (process == GetCurrentProcessId() && IsWindowVisible(Window) &&
        lstrcmpA(className, "#32770") == 0) {
      *reinterpret_cast<HWND*>(Found) = Window;
      return FALSE;
    }
    return TRUE;
  }
  static DWORD WINAPI Run(LPVOID Self) {
    auto* answerer = static_cast<TDialogAnswerer*>(Self);
    for (int i = 0; i < 100 && !answerer->FAnswered; ++i) {
      HWND dialog = nullptr;
      EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog) {
        PostMessageA(dialog, WM_COMMAND, answerer->FAnswer, 0);
        answerer->FAnswered = true;
      }
      Sleep(50);
    }
    return 0;
  }

  int FAnswer;
  volatile bool FAnswered = false;
  HANDLE FThread;
};

}  // namespace

// The shell asks before deleting; the answer decides.
TEST(ShellItems, DeleteItemsGoesThroughTheShellsConfirmation) {
  TTempFolder temp;
  TIDListHolder a(PathToIDList(temp.MakeFile("a.txt")));
  TIDListHolder b(PathToIDList(temp.MakeFile("b.txt")));
  TVintoShellItems items;
  items.Add(a.Get());
  items.Add(b.Get());
  {
    TDialogAnswerer no(IDNO);
    items.DeleteItems();
  }
  EXPECT_NE(GetFileAttributesA((temp / "a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  {
    TDialogAnswerer yes(IDYES);
    EXPECT_TRUE(items.DeleteItems());
  }
  EXPECT_EQ(GetFileAttributesA((temp / "a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((temp / "b.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}
