// The folders a tree keeps bound: a folder bound through its parent lists
// what the folder holds, and a key that is forgotten or pushed out never
// gives back the folder it named before.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/TempFolder.h"
#include "shell/BoundFolders.h"
#include "shell/FolderEnumeration.h"
#include "shell/ShellIDList.h"

namespace {

// The names of what Folder (the folder at Path) holds, sorted.
std::vector<std::string> Names(const TShellFolderPtr& Folder, const std::string& Path) {
  std::vector<std::string> names;
  TIDListHolder list(PathToIDList(Path));
  std::vector<TIDListHolder> children;
  if (!Folder || !EnumerateFolder(Folder.Get(), list.Get(), {itFolders, itIncludeHidden}, children))
    return {"(not listed)"};
  for (const TIDListHolder& child : children) {
    const std::string path = IDListToPath(child.Get());
    names.push_back(path.substr(path.find_last_of('\\') + 1));
  }
  std::sort(names.begin(), names.end());
  return names;
}

class BoundFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Temp.MakeFolder("Outer");
    Temp.MakeFolder("Outer\\Inner");
    Temp.MakeFolder("Outer\\Inner\\Deep");
    Temp.MakeFolder("Other");
    Temp.MakeFolder("Other\\Only");
  }
  TShellFolderPtr Bind(TBoundFolders& Folders, const void* Key, const std::string& Path,
                       const void* Parent) {
    TIDListHolder list(PathToIDList(Path));
    return Folders.Bind(Key, list.Get(), Parent);
  }
  TTempFolder Temp;
  // Stand-ins for tree nodes: only their addresses matter.
  int Outer = 0, Inner = 0, Other = 0;
};

TEST_F(BoundFoldersTest, AChildBoundThroughItsParentListsWhatItHolds) {
  TBoundFolders folders;
  EXPECT_EQ(Names(Bind(folders, &Outer, Temp / "Outer", nullptr), Temp / "Outer"),
            std::vector<std::string>{"Inner"});
  EXPECT_EQ(Names(Bind(folders, &Inner, Temp / "Outer\\Inner", &Outer), Temp / "Outer\\Inner"),
            std::vector<std::string>{"Deep"});
  // Asked again, the same folder; and what is listed is read anew.
  Temp.MakeFolder("Outer\\Inner\\Added");
  EXPECT_EQ(Names(Bind(folders, &Inner, Temp / "Outer\\Inner", &Outer), Temp / "Outer\\Inner"),
            (std::vector<std::string>{"Added", "Deep"}));
}

TEST_F(BoundFoldersTest, AKeyForgottenOrPushedOutNamesItsNewFolder) {
  Temp.MakeFolder("Other\\Only\\Leaf");
  TBoundFolders folders(2);
  Bind(folders, &Outer, Temp / "Outer", nullptr);
  // The node goes and another takes its address: that one's folder is bound.
  folders.Forget(&Outer);
  EXPECT_EQ(Names(Bind(folders, &Outer, Temp / "Other", nullptr), Temp / "Other"),
            std::vector<std::string>{"Only"});
  // Past its capacity the least recently used folder goes (Outer's here).
  Bind(folders, &Inner, Temp / "Outer\\Inner", nullptr);
  Bind(folders, &Other, Temp / "Other\\Only", nullptr);
  EXPECT_EQ(Names(Bind(folders, &Outer, Temp / "Outer", nullptr), Temp / "Outer"),
            std::vector<std::string>{"Inner"});
  // Inner is pushed out in turn: its key names the folder it is bound for
  // now, through that one's parent.
  EXPECT_EQ(
      Names(Bind(folders, &Inner, Temp / "Other\\Only\\Leaf", &Other), Temp / "Other\\Only\\Leaf"),
      std::vector<std::string>{});
}

}  // namespace
