// The preview window as a user opens it: the program started with
// "/preview", skinned with the program's own skin unless "/skin none" says
// otherwise.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "skin/engine/EngineMessages.h"

namespace {

std::string ProgramPath() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  path.erase(path.find_last_of('\\'));       // .../tests
  path.erase(path.find_last_of('\\') + 1);  // the build tree
  return path + "bin\\Fernwick.exe";
}

// A started program, ended (closed or killed) when it goes out of scope.
class TProgram {
 public:
  explicit TProgram(const std::string& Arguments) {
    std::string command = "\"" + ProgramPath() + "\" " + Arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    FStarted = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &FProcess) != 0;
    if (FStarted) CloseHandle(FProcess.hThread);
  }
  ~TProgram() {
    if (!FStarted) return;
    if (WaitForSingleObject(FProcess.hProcess, 0) != WAIT_OBJECT_0)
      TerminateProcess(FProcess.hProcess, 1);
    CloseHandle(FProcess.hProcess);
  }
  bool Started() const { return FStarted; }
  DWORD Id() const { return FProcess.dwProcessId; }
  bool WaitEnd(DWORD Milliseconds) const {
    return WaitForSingleObject(FProcess.hProcess, Milliseconds) == WAIT_OBJECT_0;
  }

 private:
  PROCESS_INFORMATION FProcess{};
  bool FStarted = false;
};

struct TSearch {
  DWORD Process;
  HWND Found = nullptr;
};

BOOL CALLBACK FindPreview(HWND Window, LPARAM Param) {
  auto* search = reinterpret_cast<TSearch*>(Param);
  DWORD process = 0;
  GetWindowThreadProcessId(Window, &process);
  char title[64] = {};
  GetWindowTextA(Window, title, sizeof title);
  if (process == search->Process && IsWindowVisible(Window) &&
      std::string(title) == "Fernwick skin preview") {
    search->Found = Window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitPreview(const TProgram& Program, DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    TSearch search{Program.Id()};
    EnumWindows(FindPreview, reinterpret_cast<LPARAM>(&search));
    if (search.Found) return search.Found;
    Sleep(100);
  }
  return nullptr;
}

// Whether the window answers that the engine draws it, waiting for the
// engine's delayed start.
bool BecomesSkinned(HWND Window, DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(Window, SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) &&
        answer == 1)
      return true;
    Sleep(100);
  }
  return false;
}

}  // namespace

TEST(PreviewProgram, OpensWithTheProgramsOwnSkinAndClosesCleanly) {
  TProgram program("/preview");
  ASSERT_TRUE(program.Started()) << ProgramPath();
  HWND preview = WaitPreview(program, 30000);
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(BecomesSkinned(preview, 10000));
  // The skinned frame replaces the native menu bar with its own.
  EXPECT_EQ(GetMenu(preview), nullptr);
  PostMessageA(preview, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitEnd(15000));
}

TEST(PreviewProgram, SkinNoneOpensItWithTheSystemsLook) {
  TProgram program("/preview /skin none");
  ASSERT_TRUE(program.Started());
  HWND preview = WaitPreview(program, 30000);
  ASSERT_NE(preview, nullptr);
  EXPECT_FALSE(BecomesSkinned(preview, 3000));
  EXPECT_NE(GetMenu(preview), nullptr);
  PostMessageA(preview, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitEnd(15000));
}
