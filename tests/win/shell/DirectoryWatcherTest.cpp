// The disk watcher: its queue is bounded and coalesced into one folder update
// when it overflows; subtrees are seen whole without holding folders open.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <set>

#include "common/TempFolder.h"
#include "shell/DirectoryWatcher.h"
#include "shell/FolderPoller.h"

TEST(DirectoryWatcher, OverflowingQueueBecomesOneFolderUpdate) {
  TTempFolder temp;
  // Nobody pumps this window while the folders appear.
  HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  TDirectoryWatcher watcher({{temp.Path(), false}}, SHCNE_MKDIR, window, WM_APP + 1, 100);
  ASSERT_EQ(watcher.WatchedFolderCount(), 1u);
  for (int i = 0; i < 1000; ++i) temp.MakeFolder("f" + std::to_string(i));
  // Until the watcher has seen all of them (or given up on them).
  for (int i = 0; i < 100 && watcher.HighWater() < 100; ++i) Sleep(20);
  Sleep(1200);  // long enough to be seen whole where folders are polled
  EXPECT_EQ(watcher.HighWater(), 100u);

  std::vector<TShellChangeReport> reports;
  EXPECT_EQ(watcher.Take(reports, 60), 40u);
  EXPECT_EQ(watcher.Take(reports, 1000), 0u);
  ASSERT_EQ(reports.size(), 101u);
  for (std::size_t i = 0; i < 100; ++i) EXPECT_EQ(reports[i].Event, SHCNE_MKDIR);
  EXPECT_EQ(reports[0].Path1, temp / "f0");
  // The mask asks for folders made only: one of those stands for the rest.
  EXPECT_EQ(reports[100].Event, SHCNE_MKDIR);
  EXPECT_EQ(reports[100].Path1, temp.Path());

  // The burst is over; the next change is reported again on its own.
  temp.MakeFolder("after");
  for (int i = 0; i < 100 && reports.size() == 101; ++i) {
    Sleep(20);
    watcher.Take(reports, 10);
  }
  ASSERT_EQ(reports.size(), 102u);
  EXPECT_EQ(reports.back().Path1, temp / "after");
  DestroyWindow(window);
}

TEST(DirectoryWatcher, OverflowBecomesAFolderUpdateWhereTheMaskAsksForIt) {
  TTempFolder temp;
  HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  TDirectoryWatcher watcher({{temp.Path(), false}}, SHCNE_MKDIR | SHCNE_UPDATEDIR, window,
                            WM_APP + 1, 10);
  for (int i = 0; i < 30; ++i) temp.MakeFolder("f" + std::to_string(i));
  for (int i = 0; i < 100 && watcher.HighWater() < 10; ++i) Sleep(20);
  Sleep(1200);
  std::vector<TShellChangeReport> reports;
  watcher.Take(reports, 100);
  ASSERT_EQ(reports.size(), 11u);
  EXPECT_EQ(reports.back().Event, SHCNE_UPDATEDIR);
  EXPECT_EQ(reports.back().Path1, temp.Path());
  DestroyWindow(window);
}

TEST(DirectoryWatcher, MissingFoldersAreLeftOut) {
  TTempFolder temp;
  TDirectoryWatcher watcher({{temp / "gone", true}, {temp.Path(), true}},
                            SHCNE_MKDIR | SHCNE_CREATE, nullptr, WM_APP, 10);
  EXPECT_EQ(watcher.WatchedFolderCount(), 1u);  // the one that exists
}

namespace {

constexpr LONG kAllDiskEvents = SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_RENAMEFOLDER | SHCNE_CREATE |
                                SHCNE_DELETE | SHCNE_RENAMEITEM | SHCNE_UPDATEITEM;

std::string Describe(const TShellChangeReport& Report) {
  const char* name = Report.Event == SHCNE_MKDIR          ? "MkDir"
                     : Report.Event == SHCNE_RMDIR        ? "RmDir"
                     : Report.Event == SHCNE_RENAMEFOLDER ? "RenameFolder"
                     : Report.Event == SHCNE_CREATE       ? "Create"
                     : Report.Event == SHCNE_DELETE       ? "Delete"
                     : Report.Event == SHCNE_RENAMEITEM   ? "RenameItem"
                     : Report.Event == SHCNE_UPDATEITEM   ? "UpdateItem"
                                                          : "Other";
  return std::string(name) + ": " + Report.Path1 +
         (Report.Path2.empty() ? "" : " -> " + Report.Path2);
}

// Takes reports until Expected many arrived (or 3 s passed) and then for
// another 1.2 s, long enough for a second look by the poller.
std::multiset<std::string> Collect(TDirectoryWatcher& Watcher, std::size_t Expected) {
  std::vector<TShellChangeReport> reports;
  for (int i = 0; i < 150 && reports.size() < Expected; ++i) {
    Sleep(20);
    Watcher.Take(reports, 1000);
  }
  Sleep(1200);
  Watcher.Take(reports, 1000);
  std::multiset<std::string> lines;
  for (const TShellChangeReport& report : reports) lines.insert(Describe(report));
  return lines;
}

bool Exists(const std::string& Path) {
  return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

// Folders that were there before the watch began are watched as closely as
// new ones, and none of them is kept from going away.
TEST(DirectoryWatcher, WholeSubtreeIsSeenWithoutHoldingItsFoldersOpen) {
  TTempFolder temp;
  temp.MakeFolder("Old");
  const std::string inner = temp.MakeFolder("Old\\Inner");
  temp.MakeFile("Old\\Inner\\kept.txt");
  TDirectoryWatcher watcher({{temp.Path(), true}}, kAllDiskEvents, nullptr, WM_APP);
  if (TDirectoryWatcher::PlatformMissesDiskChanges()) EXPECT_EQ(watcher.HandleCount(), 0u);

  const std::string deep = temp.MakeFolder("Old\\Inner\\Deep");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"MkDir: " + deep});
  const std::string file = temp.MakeFile("Old\\Inner\\Deep\\data.txt", "one");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"Create: " + file});
  temp.MakeFile("Old\\Inner\\Deep\\data.txt", "one and two");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"UpdateItem: " + file});

  ASSERT_TRUE(MoveFileA(inner.c_str(), (temp / "Old\\Moved").c_str()));
  EXPECT_EQ(Collect(watcher, 1),
            std::multiset<std::string>{"RenameFolder: " + inner + " -> " + (temp / "Old\\Moved")});

  // Removing folders that existed before really removes them.
  const std::string moved = temp / "Old\\Moved";
  ASSERT_TRUE(DeleteFileA((moved + "\\Deep\\data.txt").c_str()));
  ASSERT_TRUE(RemoveDirectoryA((moved + "\\Deep").c_str()));
  EXPECT_FALSE(Exists(moved + "\\Deep"));
  EXPECT_EQ(Collect(watcher, 2),
            (std::multiset<std::string>{"Delete: " + moved + "\\Deep\\data.txt",
                                        "RmDir: " + moved + "\\Deep"}));
  // The watcher learnt the new name: changes below it are seen.
  const std::string again = temp.MakeFolder("Old\\Moved\\Again");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"MkDir: " + again});

  // Where folders are polled, even the watched folder itself can go, and
  // what it held is reported gone.
  if (!TDirectoryWatcher::PlatformMissesDiskChanges()) return;
  TTempFolder::RemoveTree(temp.Path());
  EXPECT_FALSE(Exists(temp.Path()));
  const std::multiset<std::string> gone = Collect(watcher, 6);
  EXPECT_EQ(gone.count("RmDir: " + (temp / "Old")), 1u);
  EXPECT_EQ(gone.count("RmDir: " + again), 1u);
}

// A folder tree made at once is reported whole, however fast it was made.
TEST(DirectoryWatcher, NewFolderIsReportedWithWhatItAlreadyHolds) {
  TTempFolder temp;
  temp.MakeFolder("Old");
  TDirectoryWatcher watcher({{temp.Path(), true}}, kAllDiskEvents, nullptr, WM_APP);
  const std::string top = temp.MakeFolder("New");
  const std::string middle = temp.MakeFolder("New\\Middle");
  const std::string file = temp.MakeFile("New\\Middle\\f.txt");
  const std::string below = temp.MakeFolder("Old\\Below");
  const std::string bottom = temp.MakeFolder("Old\\Below\\Bottom");
  const std::multiset<std::string> seen = Collect(watcher, 5);
  for (const std::string& line : {"MkDir: " + top, "MkDir: " + middle, "Create: " + file,
                                  "MkDir: " + below, "MkDir: " + bottom})
    EXPECT_EQ(seen.count(line), 1u) << line;
  // Nothing else of these but the writes to the new file.
  for (const std::string& line : seen)
    EXPECT_TRUE(line.rfind("MkDir: ", 0) == 0 || line.find("f.txt") != std::string::npos) << line;
}

// Without subtree watching nothing below the folder's own entries is looked at.
TEST(DirectoryWatcher, WithoutSubtreeOnlyTheFolderItselfIsWatched) {
  TTempFolder temp;
  temp.MakeFolder("a");
  temp.MakeFolder("a\\b");
  TDirectoryWatcher flat({{temp.Path(), false}}, kAllDiskEvents, nullptr, WM_APP);
  EXPECT_EQ(flat.WatchedFolderCount(), 1u);
  temp.MakeFolder("a\\b\\c");
  const std::string beside = temp.MakeFolder("beside");
  EXPECT_EQ(Collect(flat, 1), std::multiset<std::string>{"MkDir: " + beside});
}

// Folders watched only where the platform is silent: their own entries are
// polled, nothing below them, and no handle is held.
TEST(DirectoryWatcher, FolderWatchedWherePlatformIsSilentIsPolledFlat) {
  TTempFolder temp;
  temp.MakeFolder("a");
  temp.MakeFolder("a\\b");
  if (!TDirectoryWatcher::PlatformMissesDiskChanges())
    GTEST_SKIP() << "the platform reports changes itself";
  TDirectoryWatch flat{temp / "a", false, true};
  TDirectoryWatcher watcher({flat}, kAllDiskEvents, nullptr, WM_APP);
  EXPECT_EQ(watcher.HandleCount(), 0u);
  EXPECT_EQ(watcher.PolledFolderCount(), 1u);
  temp.MakeFolder("a\\b\\below");
  const std::string beside = temp.MakeFolder("a\\beside");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"MkDir: " + beside});
  ASSERT_TRUE(RemoveDirectoryA(beside.c_str()));
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"RmDir: " + beside});
}

// The flat folders change while the watcher runs.
TEST(DirectoryWatcher, FlatFoldersAreReplacedWhileRunning) {
  if (!TDirectoryWatcher::PlatformMissesDiskChanges())
    GTEST_SKIP() << "the platform reports changes itself";
  TTempFolder temp;
  const std::string a = temp.MakeFolder("a");
  TDirectoryWatcher watcher({}, kAllDiskEvents, nullptr, WM_APP);
  // Asked twice in a row, the last set counts.
  watcher.SetFlatFolders({});
  watcher.SetFlatFolders({a});
  for (int i = 0; i < 100 && watcher.PolledFolderCount() == 0; ++i) Sleep(20);
  ASSERT_EQ(watcher.PolledFolderCount(), 1u);
  const std::string x = temp.MakeFolder("a\\x");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"MkDir: " + x});

  watcher.SetFlatFolders({});
  for (int i = 0; i < 100 && watcher.PolledFolderCount() != 0; ++i) Sleep(20);
  EXPECT_EQ(watcher.PolledFolderCount(), 0u);
  temp.MakeFolder("a\\y");
  EXPECT_TRUE(Collect(watcher, 1).empty());
}

// Watching folder names only, a folder deep below is looked at when its
// parent shows it changed; every change still arrives.
TEST(DirectoryWatcher, FolderNamesDeepBelowAreFollowed) {
  TTempFolder temp;
  temp.MakeFolder("Old");
  temp.MakeFolder("Old\\Inner");
  temp.MakeFolder("Old\\Inner\\Below");
  TDirectoryWatcher watcher({{temp.Path(), true}}, SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_RENAMEFOLDER,
                            nullptr, WM_APP);
  const std::string deep = temp.MakeFolder("Old\\Inner\\Below\\Deep");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"MkDir: " + deep});
  const std::string moved = temp / "Old\\Inner\\Below\\Moved";
  ASSERT_TRUE(MoveFileA(deep.c_str(), moved.c_str()));
  EXPECT_EQ(Collect(watcher, 1),
            std::multiset<std::string>{"RenameFolder: " + deep + " -> " + moved});
  temp.MakeFile("Old\\Inner\\Below\\Moved\\unseen.txt");
  const std::string again = temp.MakeFolder("Old\\Inner\\Below\\Moved\\Again");
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"MkDir: " + again});
  ASSERT_TRUE(RemoveDirectoryA(again.c_str()));
  EXPECT_EQ(Collect(watcher, 1), std::multiset<std::string>{"RmDir: " + again});
}

// Entries of a drive root read like the platform's own paths of them, with
// one backslash after the drive.
TEST(FolderPoller, EntriesOfADriveRootHaveOneBackslash) {
  std::vector<std::string> seen;
  TFolderPoller poller(false, 16,
                       [&](std::size_t, LONG, const std::string& Path, const std::string&) {
                         seen.push_back(Path);
                       });
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string root = std::string(windows, 3);  // "C:\"
  poller.AddFlat(root, 0);
  const std::string folder = root + "fwtest-root-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  poller.Poll();
  RemoveDirectoryA(folder.c_str());
  EXPECT_NE(std::find(seen.begin(), seen.end(), folder), seen.end())
      << (seen.empty() ? "nothing reported" : seen.front());
}
