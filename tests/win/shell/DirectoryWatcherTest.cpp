// The disk watcher's queue: bounded, coalesced into one folder update when
// it overflows.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "common/TempFolder.h"
#include "shell/DirectoryWatcher.h"

TEST(DirectoryWatcher, OverflowingQueueBecomesOneFolderUpdate) {
  TTempFolder temp;
  // Nobody pumps this window while the folders appear.
  HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  TDirectoryWatcher watcher({{temp.Path(), false}}, SHCNE_MKDIR, window, WM_APP + 1, 100);
  ASSERT_EQ(watcher.HandleCount(), 1u);
  for (int i = 0; i < 1000; ++i) temp.MakeFolder("f" + std::to_string(i));
  // Until the watcher has seen all of them (or given up on them).
  for (int i = 0; i < 100 && watcher.HighWater() < 100; ++i) Sleep(20);
  Sleep(300);
  EXPECT_EQ(watcher.HighWater(), 100u);

  std::vector<TShellChangeReport> reports;
  EXPECT_EQ(watcher.Take(reports, 60), 40u);
  EXPECT_EQ(watcher.Take(reports, 1000), 0u);
  ASSERT_EQ(reports.size(), 101u);
  for (std::size_t i = 0; i < 100; ++i) EXPECT_EQ(reports[i].Event, SHCNE_MKDIR);
  EXPECT_EQ(reports[0].Path1, temp / "f0");
  EXPECT_EQ(reports[100].Event, SHCNE_UPDATEDIR);
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

TEST(DirectoryWatcher, MissingFoldersAreLeftOut) {
  TTempFolder temp;
  TDirectoryWatcher watcher({{temp / "gone", true}, {temp.Path(), true}},
                            SHCNE_MKDIR | SHCNE_CREATE, nullptr, WM_APP, 10);
  EXPECT_EQ(watcher.HandleCount(), 2u);  // folder and file handles of the one that exists
}
