#include "common/ProgramProcess.h"

std::string ProgramPath() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  path.erase(path.find_last_of('\\'));      // .../tests
  path.erase(path.find_last_of('\\') + 1);  // the build tree
  return path + "bin\\Fernwick.exe";
}

TProgram::TProgram(const std::string& Arguments) {
  std::string command = "\"" + ProgramPath() + "\" " + Arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  FStarted = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &FProcess) != 0;
  if (FStarted) CloseHandle(FProcess.hThread);
}

TProgram::~TProgram() {
  if (!FStarted) return;
  if (WaitForSingleObject(FProcess.hProcess, 0) != WAIT_OBJECT_0)
    TerminateProcess(FProcess.hProcess, 1);
  CloseHandle(FProcess.hProcess);
}

bool TProgram::WaitEnd(DWORD Milliseconds) const {
  return WaitForSingleObject(FProcess.hProcess, Milliseconds) == WAIT_OBJECT_0;
}

HWND TProgram::FindWindow(const std::string& Caption, const std::string& Class) const {
  struct TSearch {
    DWORD Process;
    const std::string& Caption;
    const std::string& Class;
    HWND Found = nullptr;
  } search{FProcess.dwProcessId, Caption, Class};
  EnumWindows(
      [](HWND Window, LPARAM Param) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(Param);
        DWORD process = 0;
        GetWindowThreadProcessId(Window, &process);
        char title[128] = {}, cls[64] = {};
        GetWindowTextA(Window, title, sizeof title);
        GetClassNameA(Window, cls, sizeof cls);
        if (process == s->Process && IsWindowVisible(Window) &&
            (s->Caption.empty() || s->Caption == title) && (s->Class.empty() || s->Class == cls)) {
          s->Found = Window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND TProgram::WaitWindow(const std::string& Caption, const std::string& Class,
                          DWORD Milliseconds) const {
  const DWORD end = GetTickCount() + Milliseconds;
  for (;;) {
    if (HWND found = FindWindow(Caption, Class)) return found;
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return nullptr;
    Sleep(50);
  }
}
