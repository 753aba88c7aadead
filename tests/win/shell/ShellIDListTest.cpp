// Identifier lists against the platform's own shell.
#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "shell/IDListHolder.h"
#include "shell/ShellIDList.h"
#include "shell/ShellModule.h"

namespace {

std::string KnownFolderPath(int CSIDL) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

}  // namespace

TEST(ShellIDList, SpecialFoldersResolve) {
  TIDListHolder desktop(GetSpecialFolderIDList(sfDesktop));
  ASSERT_TRUE(desktop);
  EXPECT_EQ(IDListSize(desktop.Get()), 2u);
  EXPECT_EQ(IDCount(desktop.Get()), 0u);
  EXPECT_TRUE(IsDesktopIDList(desktop.Get()));
  EXPECT_EQ(IDListToFolderText(desktop.Get()), "sfDesktop");
  EXPECT_EQ(LastID(desktop.Get()), desktop.Get());

  TIDListHolder drives(GetSpecialFolderIDList(sfDrives));
  ASSERT_TRUE(drives);
  EXPECT_TRUE(IsDrivesFolder(drives.Get()));
  EXPECT_FALSE(IsDrivesFolder(desktop.Get()));
  EXPECT_FALSE(IsDesktopIDList(drives.Get()));
  EXPECT_EQ(IDListToFolderText(drives.Get()), "sfDrives");
  EXPECT_EQ(IDListToPath(drives.Get()), "");  // a virtual folder has no path
  EXPECT_FALSE(GetDisplayName(drives.Get()).empty());

  for (auto folder : {sfPersonal, sfAppData, sfDesktopDirectory, sfFonts, sfPrograms}) {
    TIDListHolder list(GetSpecialFolderIDList(folder));
    ASSERT_TRUE(list) << SpecialFolderName(folder);
    EXPECT_FALSE(IDListToPath(list.Get()).empty()) << SpecialFolderName(folder);
    EXPECT_TRUE(IsSpecialFolder(list.Get()));
  }
}

TEST(ShellIDList, DocumentsFolderNamesItselfPersonal) {
  const std::string documents = KnownFolderPath(CSIDL_PERSONAL);
  ASSERT_FALSE(documents.empty());
  TIDListHolder parsed(PathToIDList(documents));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(IDListToFolderText(parsed.Get()), "sfPersonal");
  EXPECT_EQ(SpecialFolderIndex(parsed.Get()), sfPersonal);

  // By name the shell may give its own virtual item for the folder; either
  // way it is the same folder on disk and names itself the same.
  TIDListHolder byName(FolderTextToIDList("SFPERSONAL"));
  ASSERT_TRUE(byName);
  EXPECT_EQ(IDListToFolderText(byName.Get()), "sfPersonal");
  std::string byNamePath = IDListToPath(byName.Get());
  if (byNamePath.size() > 3 && byNamePath.back() == '\\') byNamePath.pop_back();
  EXPECT_EQ(lstrcmpiA(byNamePath.c_str(), documents.c_str()), 0);

  // A folder inside it is no special folder, and the desktop's own folder on
  // disk is the desktop directory, not the desktop.
  TIDListHolder fonts(PathToIDList(KnownFolderPath(CSIDL_FONTS)));
  EXPECT_EQ(IDListToFolderText(fonts.Get()), "sfFonts");
  TIDListHolder desktopDirectory(PathToIDList(KnownFolderPath(CSIDL_DESKTOPDIRECTORY)));
  EXPECT_EQ(IDListToFolderText(desktopDirectory.Get()), "sfDesktopDirectory");
  TIDListHolder windows(PathToIDList(KnownFolderPath(CSIDL_WINDOWS)));
  EXPECT_EQ(
      lstrcmpiA(IDListToFolderText(windows.Get()).c_str(), KnownFolderPath(CSIDL_WINDOWS).c_str()),
      0);
}

TEST(ShellIDList, DriveTextIsParsedWithTrailingBackslash) {
  TIDListHolder drive(FolderTextToIDList("C:"));
  ASSERT_TRUE(drive);
  TIDListHolder root(PathToIDList("C:\\"));
  EXPECT_TRUE(SameIDList(drive.Get(), root.Get()));
  EXPECT_EQ(IDListToPath(drive.Get()), "C:\\");
  EXPECT_EQ(IDListToFolderText(drive.Get()), "C:\\");
  // The drive lives in the drives folder.
  TIDListHolder parent(CopyIDList(drive.Get()));
  StripLastID(parent.Get());
  EXPECT_TRUE(IsDrivesFolder(parent.Get()));
}

TEST(ShellIDList, PathsNamesAndAttributesOfFilesAndFolders) {
  TTempFolder temp;
  const std::string folder = temp.MakeFolder("Holiday Photos");
  const std::string file = temp.MakeFile("Holiday Photos\\beach.txt");

  TIDListHolder folderList(PathToIDList(folder));
  TIDListHolder fileList(FolderTextToIDList(file));
  ASSERT_TRUE(folderList);
  ASSERT_TRUE(fileList);
  EXPECT_EQ(lstrcmpiA(IDListToPath(folderList.Get()).c_str(), folder.c_str()), 0);
  EXPECT_EQ(lstrcmpiA(IDListToFolderText(fileList.Get()).c_str(), file.c_str()), 0);
  EXPECT_EQ(GetDisplayName(folderList.Get()), "Holiday Photos");
  EXPECT_EQ(IDCount(fileList.Get()), IDCount(folderList.Get()) + 1);

  const ULONG wanted = SFGAO_FOLDER | SFGAO_FILESYSTEM;
  EXPECT_EQ(GetAttributes(folderList.Get(), wanted) & wanted, wanted);
  EXPECT_EQ(GetAttributes(fileList.Get(), wanted) & wanted, ULONG(SFGAO_FILESYSTEM));
  EXPECT_GE(GetIconIndex(folderList.Get(), false, false), 0);
  EXPECT_GE(GetIconIndex(fileList.Get(), true, false), 0);

  // The file's parent, reached by stripping its last item, is the folder.
  TIDListHolder parent(CopyIDList(fileList.Get()));
  StripLastID(parent.Get());
  EXPECT_TRUE(SameIDList(parent.Get(), folderList.Get()));
  EXPECT_FALSE(SameIDList(fileList.Get(), folderList.Get()));
  EXPECT_TRUE(BindToFolder(folderList.Get()));
  EXPECT_TRUE(BindToParentFolder(fileList.Get()));

  // Joining the folder and the file's last item gives the file again.
  TIDListHolder joined(ConcatIDLists(folderList.Get(), LastID(fileList.Get())));
  EXPECT_TRUE(SameIDList(joined.Get(), fileList.Get()));
  EXPECT_EQ(IDListSize(joined.Get()), IDListSize(fileList.Get()));
}

TEST(ShellIDList, AbsentListsAndUnresolvableTexts) {
  TTempFolder temp;
  EXPECT_EQ(FolderTextToIDList(temp / "no such folder"), nullptr);
  EXPECT_EQ(FolderTextToIDList(""), nullptr);
  EXPECT_EQ(PathToIDList(temp / "missing\\deeper"), nullptr);

  EXPECT_TRUE(SameIDList(nullptr, nullptr));
  EXPECT_FALSE(SameIDList(nullptr, TShellModule::Instance().DesktopIDList()));
  EXPECT_FALSE(SameIDList(TShellModule::Instance().DesktopIDList(), nullptr));
  EXPECT_FALSE(IsDesktopIDList(nullptr));
  EXPECT_FALSE(IsSpecialFolder(nullptr));
  EXPECT_EQ(IDListToPath(nullptr), "");
  EXPECT_EQ(GetDisplayName(nullptr), "");
  EXPECT_EQ(IDListToFolderText(nullptr), "");
  EXPECT_EQ(IDListSize(nullptr), 0u);
  EXPECT_EQ(IDCount(nullptr), 0u);
  EXPECT_FALSE(BindToFolder(nullptr));
  EXPECT_FALSE(BindToParentFolder(nullptr));
  EXPECT_EQ(CopyIDList(nullptr), nullptr);
  EXPECT_EQ(GetDescriptionID(nullptr, nullptr), 0u);
  StripLastID(nullptr);
  FreeIDList(nullptr);

  // An absent first list makes the concatenation a fresh copy of the second.
  TIDListHolder drive(PathToIDList("C:\\"));
  TIDListHolder copy(ConcatIDLists(nullptr, drive.Get()));
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.Get(), drive.Get());
  EXPECT_TRUE(SameIDList(copy.Get(), drive.Get()));
}

TEST(ShellIDList, DesktopFolderBindsToItself) {
  TShellFolderPtr folder = BindToFolder(TShellModule::Instance().DesktopIDList());
  EXPECT_EQ(folder.Get(), TShellModule::Instance().DesktopFolder());
  TIDListHolder drive(PathToIDList("C:\\"));
  TIDListHolder drives(GetSpecialFolderIDList(sfDrives));
  TShellFolderPtr drivesFolder = BindToFolder(drives.Get());
  ASSERT_TRUE(drivesFolder);
  // A fixed drive has a description (or the shell does not offer them: 0).
  const DWORD description = GetDescriptionID(drivesFolder.Get(), LastID(drive.Get()));
  EXPECT_TRUE(description == 0 || description == SHDID_COMPUTER_FIXED) << description;
}

TEST(ShellIDList, ClipboardFormatIsRegistered) {
  const UINT format = TShellModule::Instance().IDListArrayFormat();
  ASSERT_NE(format, 0u);
  EXPECT_EQ(format, RegisterClipboardFormatA("Shell IDList Array"));
}
