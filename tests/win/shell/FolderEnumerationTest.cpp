// Folder enumeration and the shell's order, against the platform's shell.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/TempFolder.h"
#include "shell/FolderEnumeration.h"
#include "shell/ShellIDList.h"
#include "shell/ShellModule.h"

namespace {

std::vector<std::string> Names(const std::vector<TIDListHolder>& Lists) {
  std::vector<std::string> names;
  for (const TIDListHolder& list : Lists) names.push_back(GetDisplayName(list.Get()));
  return names;
}

}  // namespace

TEST(FolderEnumeration, DesktopChildrenSortAsTheShellSortsThem) {
  std::vector<TIDListHolder> children;
  ASSERT_TRUE(EnumerateFolder(TShellModule::Instance().DesktopIDList(),
                              {itFolders, itIncludeHidden}, children));
  ASSERT_FALSE(children.empty());
  SortByShellOrder(children);
  for (std::size_t i = 1; i < children.size(); ++i)
    EXPECT_LE(CompareShellOrder(children[i - 1].Get(), children[i].Get()), 0)
        << GetDisplayName(children[i - 1].Get()) << " / " << GetDisplayName(children[i].Get());
  // Every child is absolute: one item below the desktop, and the drives
  // folder is among them.
  TIDListHolder drives(GetSpecialFolderIDList(sfDrives));
  bool sawDrives = false;
  for (const TIDListHolder& child : children) {
    EXPECT_EQ(IDCount(child.Get()), 1u);
    sawDrives |= SameIDList(child.Get(), drives.Get());
  }
  EXPECT_TRUE(sawDrives);
}

TEST(FolderEnumeration, ItemTypesSelectWhatComesBackInShellOrder) {
  TTempFolder temp;
  temp.MakeFolder("beta");
  temp.MakeFolder("Alpha");
  temp.MakeFolder("gamma");
  temp.MakeFile("notes.txt");
  const std::string hidden = temp.MakeFile("secret.txt");
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  TIDListHolder parent(PathToIDList(temp.Path()));
  ASSERT_TRUE(parent);

  std::vector<TIDListHolder> folders;
  ASSERT_TRUE(EnumerateFolder(parent.Get(), {itFolders}, folders));
  SortByShellOrder(folders);
  EXPECT_EQ(Names(folders), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  for (const TIDListHolder& folder : folders)
    EXPECT_EQ(IDCount(folder.Get()), IDCount(parent.Get()) + 1);

  std::vector<TIDListHolder> files;
  ASSERT_TRUE(EnumerateFolder(parent.Get(), {itNonFolders}, files));
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(lstrcmpiA(IDListToPath(files[0].Get()).c_str(), (temp / "notes.txt").c_str()), 0);

  std::vector<TIDListHolder> everything;
  ASSERT_TRUE(
      EnumerateFolder(parent.Get(), {itFolders, itNonFolders, itIncludeHidden}, everything));
  EXPECT_EQ(everything.size(), 5u);
}

TEST(FolderEnumeration, ErrorModeIsRestoredAndFailuresLeaveChildrenAlone) {
  TTempFolder temp;
  const std::string file = temp.MakeFile("plain.txt");
  TIDListHolder fileList(PathToIDList(file));
  TIDListHolder emptyFolder(PathToIDList(temp.MakeFolder("empty")));

  const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  std::vector<TIDListHolder> children;
  EXPECT_TRUE(EnumerateFolder(emptyFolder.Get(), {itFolders, itNonFolders}, children));
  EXPECT_TRUE(children.empty());
  EXPECT_EQ(GetErrorMode(), UINT(SEM_NOGPFAULTERRORBOX));
  EXPECT_FALSE(EnumerateFolder(nullptr, {itFolders}, children));
  EXPECT_FALSE(EnumerateFolder(fileList.Get(), {itFolders}, children));
  EXPECT_TRUE(children.empty());
  EXPECT_EQ(GetErrorMode(), UINT(SEM_NOGPFAULTERRORBOX));
  SetErrorMode(before);
}
