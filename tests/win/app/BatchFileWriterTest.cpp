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

}  // namespace
