#include <gtest/gtest.h>

#include "shell/portable/FolderListing.h"

namespace {

TFolderEntry Folder(const std::string& Name) { return {Name, true, 0, 0}; }
TFolderEntry File(const std::string& Name, std::uint64_t Size = 10, std::uint64_t Time = 1) {
  return {Name, false, Size, Time};
}

// "+F name", "-F name", "F old>new", "*name": the changes as short text.
std::vector<std::string> Describe(const std::vector<TFolderChange>& Changes) {
  std::vector<std::string> lines;
  for (const TFolderChange& change : Changes) {
    const std::string kind = change.IsFolder ? "F " : "f ";
    switch (change.Kind) {
      case TFolderChangeKind::Added: lines.push_back("+" + kind + change.Name); break;
      case TFolderChangeKind::Removed: lines.push_back("-" + kind + change.Name); break;
      case TFolderChangeKind::Renamed:
        lines.push_back(kind + change.Name + ">" + change.NewName);
        break;
      case TFolderChangeKind::Modified: lines.push_back("*" + change.Name); break;
    }
  }
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(FolderListing, AddedRemovedAndModifiedEntriesInOrder) {
  const TFolderListing before({File("b.txt"), Folder("old"), Folder("keep"), File("a.txt"),
                               Folder("gone")});
  const TFolderListing after({Folder("keep"), Folder("new"), Folder("newer"), File("a.txt", 12),
                              File("c.txt", 20)});
  EXPECT_EQ(Describe(before.ChangesTo(after)),
            (Lines{"-F gone", "-F old", "+F new", "+F newer", "-f b.txt", "+f c.txt", "*a.txt"}));
  EXPECT_TRUE(after.ChangesTo(after).empty());
  // A folder's own size and time are no change; a file's time alone is.
  EXPECT_TRUE(TFolderListing({{"d", true, 1, 1}}).ChangesTo(TFolderListing({{"d", true, 9, 9}}))
                  .empty());
  EXPECT_EQ(Describe(TFolderListing({File("x", 5, 1)}).ChangesTo(TFolderListing({File("x", 5, 2)}))),
            (Lines{"*x"}));
}

TEST(FolderListing, OneOutOneInIsARename) {
  EXPECT_EQ(Describe(TFolderListing({Folder("Reports"), File("n.txt")})
                         .ChangesTo(TFolderListing({Folder("Archive"), File("n.txt")}))),
            (Lines{"F Reports>Archive"}));
  // Case alone changes the name.
  EXPECT_EQ(Describe(TFolderListing({File("notes.txt", 3)})
                         .ChangesTo(TFolderListing({File("Notes.txt", 3)}))),
            (Lines{"f notes.txt>Notes.txt"}));
  // A file of another size is a different file; two in, one out is no rename.
  EXPECT_EQ(Describe(TFolderListing({File("a", 3)}).ChangesTo(TFolderListing({File("b", 4)}))),
            (Lines{"-f a", "+f b"}));
  EXPECT_EQ(Describe(TFolderListing({Folder("a")})
                         .ChangesTo(TFolderListing({Folder("b"), Folder("c")}))),
            (Lines{"-F a", "+F b", "+F c"}));
}

TEST(FolderListing, AFileReplacedByAFolderOfTheSameName) {
  EXPECT_EQ(Describe(TFolderListing({File("x"), Folder("y")})
                         .ChangesTo(TFolderListing({Folder("x"), Folder("y")}))),
            (Lines{"+F x", "-f x"}));
}

TEST(FolderListing, DuplicateNamesCountOnceAndFindLooksUpByName) {
  const TFolderListing listing({File("a", 1), File("a", 2), Folder("b")});
  ASSERT_EQ(listing.Entries().size(), 2u);
  ASSERT_NE(listing.Find("a"), nullptr);
  EXPECT_EQ(listing.Find("a")->Size, 1u);
  EXPECT_TRUE(listing.Find("b")->IsFolder);
  EXPECT_EQ(listing.Find("c"), nullptr);
}

// Known Ids tell renames from removals and additions, however many there are.
TEST(FolderListing, KnownIdsPairRenamesExactly) {
  const auto entry = [](const std::string& Name, bool IsFolder, std::uint64_t Id) {
    return TFolderEntry{Name, IsFolder, 10, 1, Id};
  };
  const TFolderListing before({entry("early", true, 7), entry("a", true, 1), entry("b", true, 2),
                               entry("x.txt", false, 5)});
  const TFolderListing after({entry("late", true, 8), entry("a2", true, 1), entry("b2", true, 2),
                              entry("y.txt", false, 5)});
  EXPECT_EQ(Describe(before.ChangesTo(after)),
            (Lines{"F a>a2", "F b>b2", "-F early", "+F late", "f x.txt>y.txt"}));
  // One out, one in, with different Ids: no rename. Nor with the Id given
  // again to a folder made later.
  EXPECT_EQ(Describe(TFolderListing({entry("early", true, 7)})
                         .ChangesTo(TFolderListing({entry("late", true, 8)}))),
            (Lines{"-F early", "+F late"}));
  TFolderEntry remade = entry("late", true, 7);
  remade.Created = 2;
  remade.WriteTime = 2;
  EXPECT_EQ(Describe(TFolderListing({entry("early", true, 7)}).ChangesTo(TFolderListing({remade}))),
            (Lines{"-F early", "+F late"}));
}
