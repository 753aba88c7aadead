// From the window to the copied tree: select two folders in the panes, press
// the button, answer the save dialog, run the written file with the
// platform's command processor and compare the copy with the source.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <map>
#include <sstream>

#include "MainWindowDriver.h"
#include "TestFolder.h"

namespace {

std::string ReadFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& Path, const std::string& Contents, DWORD Attributes = 0) {
  std::ofstream(Path, std::ios::binary) << Contents;
  if (Attributes) SetFileAttributesA(Path.c_str(), Attributes);
}

struct TEntry {
  bool Folder = false;
  DWORD Attributes = 0;
  std::string Contents;
};

// Every file and folder below Root by relative path.
void Collect(const std::string& Root, const std::string& Relative,
             std::map<std::string, TEntry>& Entries) {
  WIN32_FIND_DATAA found;
  const std::string folder = Relative.empty() ? Root : Root + "\\" + Relative;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string relative = Relative.empty() ? name : Relative + "\\" + name;
    TEntry& entry = Entries[relative];
    entry.Attributes = found.dwFileAttributes;
    entry.Folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (entry.Folder)
      Collect(Root, relative, Entries);
    else
      entry.Contents = ReadFile(Root + "\\" + relative);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

// Runs the batch file with the command processor; its exit code, or -1.
int RunBatch(const std::string& Path) {
  std::string command = "cmd.exe /c \"" + Path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

TTreeNode* RootNode(TVintoShellTreeView* Tree) {
  return Tree->Items().GetFirstNode();
}

}  // namespace

TEST(BatchEndToEnd, WrittenFileCopiesTheSourceTreeIntoTheDestination) {
  TTestFolder base;
  const std::string in = base.Path() + "\\in", out = base.Path() + "\\out";
  CreateDirectoryA(in.c_str(), nullptr);
  CreateDirectoryA(out.c_str(), nullptr);
  const std::string sourceName = "src 50% & more";
  const std::string source = in + "\\" + sourceName;
  const std::string dest = out + "\\dest & %PATH%";
  CreateDirectoryA(source.c_str(), nullptr);
  CreateDirectoryA(dest.c_str(), nullptr);
  WriteFile(source + "\\a file.txt", "alpha\r\n");
  WriteFile(source + "\\R&D %TEMP% 100%.txt", "beta", FILE_ATTRIBUTE_READONLY);
  WriteFile(source + "\\hidden.dat", std::string("g\0mma", 5), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryA((source + "\\empty dir").c_str(), nullptr);
  CreateDirectoryA((source + "\\sub & dir").c_str(), nullptr);
  WriteFile(source + "\\sub & dir\\inner %x%.txt", std::string(70000, 'd'));
  std::map<std::string, TEntry> original;
  Collect(source, "", original);
  ASSERT_EQ(original.size(), 6u);
  ASSERT_TRUE(original["R&D %TEMP% 100%.txt"].Attributes & FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(original["hidden.dat"].Attributes & FILE_ATTRIBUTE_HIDDEN);

  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  form->VintoShellTreeView1->SetRootFolder(in);
  form->VintoShellTreeView2->SetRootFolder(out);
  TTreeNode* sourceNode = ChildNamed(RootNode(form->VintoShellTreeView1), sourceName);
  TTreeNode* destNode = ChildNamed(RootNode(form->VintoShellTreeView2), "dest & %PATH%");
  ASSERT_NE(sourceNode, nullptr);
  ASSERT_NE(destNode, nullptr);
  ClickNode(form->VintoShellTreeView1, sourceNode);
  ClickNode(form->VintoShellTreeView2, destNode);
  ASSERT_EQ(form->VintoShellTreeView1->GetSelected(), sourceNode);
  ASSERT_EQ(form->VintoShellTreeView2->GetSelected(), destNode);

  const std::string batch = base.Path() + "\\copy it.bat";
  {
    TSaveDialogAnswer answer(batch);
    window.PressButton();
    EXPECT_TRUE(answer.Seen());
    EXPECT_EQ(answer.Proposed(), "BatchRun.bat");
  }
  EXPECT_TRUE(window.Shown.Texts.empty()) << window.Shown.Texts.front();
  EXPECT_TRUE(form->Button1->GetEnabled());
  EXPECT_EQ(ReadFile(batch), "MD \"" + out + "\\dest & %%PATH%%\\src 50%% & more\"\r\n" +
                                 "xcopy \"" + in + "\\src 50%% & more\\*.*\" \"" + out +
                                 "\\dest & %%PATH%%\\src 50%% & more\\\" /E /H /R /s /c /Y\r\n");

  ASSERT_EQ(RunBatch(batch), 0);
  std::map<std::string, TEntry> copy;
  Collect(dest + "\\" + sourceName, "", copy);
  ASSERT_EQ(copy.size(), original.size());
  for (const auto& [name, entry] : original) {
    SCOPED_TRACE(name);
    auto found = copy.find(name);
    ASSERT_NE(found, copy.end());
    EXPECT_EQ(found->second.Folder, entry.Folder);
    EXPECT_EQ(found->second.Contents, entry.Contents);
    EXPECT_EQ(found->second.Attributes & FILE_ATTRIBUTE_HIDDEN,
              entry.Attributes & FILE_ATTRIBUTE_HIDDEN);
  }
}

TEST(BatchEndToEnd, DialogProposesTheLastNameAppendsTheExtensionAndCancelWritesNothing) {
  TTestFolder base;
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  form->VintoShellTreeView1->SetRootFolder("C:\\");
  form->VintoShellTreeView2->SetRootFolder(base.Path());

  const std::string first = base.Path() + "\\first";
  {
    TSaveDialogAnswer answer(first);
    window.PressButton();
    ASSERT_TRUE(answer.Seen());
  }
  // A drive root as source: no folder name, everything straight into the
  // destination.
  const std::string expected = "MD \"" + base.Path() + "\\\"\r\nxcopy \"C:\\*.*\" \"" +
                               base.Path() + "\\\\\" /E /H /R /s /c /Y\r\n";
  EXPECT_EQ(ReadFile(first + ".bat"), expected);
  EXPECT_EQ(form->SaveDialog1->GetFileName(), first + ".bat");

  // The second run proposes the first name and replaces that file unasked.
  WriteFile(first + ".bat", "old");
  {
    TSaveDialogAnswer answer(first + ".bat");
    window.PressButton();
    ASSERT_TRUE(answer.Seen());
    EXPECT_NE(answer.Proposed().find("first.bat"), std::string::npos) << answer.Proposed();
  }
  EXPECT_EQ(ReadFile(first + ".bat"), expected);

  // Cancelling writes nothing and shows nothing.
  DeleteFileA((first + ".bat").c_str());
  {
    TSaveDialogAnswer answer("");
    window.PressButton();
    ASSERT_TRUE(answer.Seen());
  }
  EXPECT_EQ(GetFileAttributesA((first + ".bat").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(window.Shown.Texts.empty());
  EXPECT_TRUE(form->Button1->GetEnabled());
}

TEST(BatchEndToEnd, UnwritableFileIsReportedWithItsName) {
  TTestFolder base;
  TMainWindow window;
  TForm1* form = window.Form;
  ASSERT_NE(form, nullptr);
  form->VintoShellTreeView1->SetRootFolder(base.Path());
  form->VintoShellTreeView2->SetRootFolder(base.Path());
  // Held open without sharing by another program: it cannot be replaced.
  const std::string taken = base.Path() + "\\taken.bat";
  WriteFile(taken, "keep");
  HANDLE lock = CreateFileA(taken.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  {
    TSaveDialogAnswer answer(taken);
    window.PressButton();
    ASSERT_TRUE(answer.Seen());
  }
  CloseHandle(lock);
  EXPECT_EQ(ReadFile(taken), "keep");
  ASSERT_EQ(window.Shown.Texts.size(), 1u);
  EXPECT_EQ(window.Shown.Texts[0], "Cannot create file " + taken);
  EXPECT_TRUE(form->Button1->GetEnabled());
}
