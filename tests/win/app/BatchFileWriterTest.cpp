// Whole-or-nothing writing of the batch file, on the platform's file system.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/BatchFileWriter.h"

namespace {

class BatchFileWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    FDir = std::string(base) + "fwk-writer-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(FDir.c_str(), nullptr);
  }
  void TearDown() override {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((FDir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = FDir + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveDirectoryA(path.c_str());
        else
          DeleteFileA(path.c_str());
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryA(FDir.c_str());
  }
  std::string Path(const char* Name) const { return FDir + "\\" + Name; }
  static std::string Read(const std::string& Path) {
    std::ifstream f(Path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }
  int EntryCount() const {
    int n = 0;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((FDir + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
      std::string name = fd.cFileName;
      if (name != "." && name != "..") ++n;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
  }
  std::string FDir;
};

TEST_F(BatchFileWriterTest, WritesBytesExactlyAndReplacesAnExistingFile) {
  const std::string target = Path("BatchRun.bat");
  TBatchFileWriter::Write(target, "first\r\n");
  EXPECT_EQ(Read(target), "first\r\n");
  const std::string second = "MD \"D:\\x\"\r\nxcopy \"\xE9\\*.*\"\r\n";
  TBatchFileWriter::Write(target, second);
  EXPECT_EQ(Read(target), second);
  EXPECT_EQ(EntryCount(), 1) << "no temporary file may remain";
}

TEST_F(BatchFileWriterTest, MissingFolderFailsWithTheFileNameAndLeavesNothing) {
  const std::string target = Path("no-such-folder\\BatchRun.bat");
  try {
    TBatchFileWriter::Write(target, "x");
    FAIL() << "writing into a missing folder must fail";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + target);
  }
  EXPECT_EQ(EntryCount(), 0);
}

TEST_F(BatchFileWriterTest, FailureLeavesTheExistingFileUntouched) {
  const std::string target = Path("locked.bat");
  TBatchFileWriter::Write(target, "keep me\r\n");
  // Held open without sharing: the replacement cannot happen.
  HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_THROW(TBatchFileWriter::Write(target, "lost\r\n"), EFCreateError);
  CloseHandle(lock);
  EXPECT_EQ(Read(target), "keep me\r\n");
  EXPECT_EQ(EntryCount(), 1);

  const std::string folder = Path("folder.bat");
  CreateDirectoryA(folder.c_str(), nullptr);
  EXPECT_THROW(TBatchFileWriter::Write(folder, "x"), EFCreateError);
  EXPECT_EQ(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// The platform's create-always refuses to overwrite these; so does the
// writer, with the same message, and the file stays as it was.
TEST_F(BatchFileWriterTest, ReadOnlyHiddenAndSystemFilesAreNotReplaced) {
  for (DWORD attribute : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    const std::string target = Path(("kept-" + std::to_string(attribute) + ".bat").c_str());
    TBatchFileWriter::Write(target, "keep me\r\n");
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), attribute));
    ASSERT_TRUE(GetFileAttributesA(target.c_str()) & attribute) << attribute;
    try {
      TBatchFileWriter::Write(target, "lost\r\n");
      ADD_FAILURE() << "replaced a file with attribute " << attribute;
    } catch (const EFCreateError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot create file " + target);
    }
    EXPECT_EQ(Read(target), "keep me\r\n") << attribute;
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & attribute) << attribute;
  }
  EXPECT_EQ(EntryCount(), 3);
}

// Makes Link a symbolic link to Target: the platform's own where it may, else
// the file system's beneath Wine. False when neither can be had.
bool MakeLink(const std::string& Link, const std::string& Target) {
  if (CreateSymbolicLinkA(Link.c_str(), Target.c_str(), 0) &&
      GetFileAttributesA(Link.c_str()) != INVALID_FILE_ATTRIBUTES)
    return true;
  using TUnixName = char*(CDECL*)(const WCHAR*);
  auto unixName = reinterpret_cast<TUnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return false;
  const auto unixPath = [&](const std::string& Path) {
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, Path.c_str(), -1, wide, MAX_PATH);
    char* name = unixName(wide);
    std::string result = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return result;
  };
  std::string command = "Z:\\bin\\ln -s " + unixPath(Target) + " " + unixPath(Link);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int i = 0; i < 100; ++i, Sleep(30))
    if (GetFileAttributesA(Link.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  return false;
}

TEST_F(BatchFileWriterTest, ALinkIsWrittenThroughToWhatItLinksTo) {
  const std::string folder = Path("real");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string target = folder + "\\BatchRun.bat";
  TBatchFileWriter::Write(target, "old\r\n");
  const std::string link = Path("link.bat");
  if (!MakeLink(link, target)) GTEST_SKIP() << "no symbolic links here";
  TBatchFileWriter::Write(link, "new\r\n");
  EXPECT_EQ(Read(target), "new\r\n");
  // Still a link: writing it again reaches the same file.
  TBatchFileWriter::Write(link, "newer\r\n");
  EXPECT_EQ(Read(target), "newer\r\n");
  EXPECT_EQ(EntryCount(), 2) << "the folder and the link, no temporary file";
  DeleteFileA(link.c_str());
  DeleteFileA(target.c_str());
}

}  // namespace
