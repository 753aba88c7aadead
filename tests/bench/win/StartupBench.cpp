// Program start to the first skinned frame on screen, against the same
// start with skinning off: Fernwick.exe is started with "/skin FILE" and
// with "/skin none", and timed until its main window shows (and, skinned,
// answers that the engine has taken it over).
//   bench_StartupBench [runs] [skin file]
// Both default to 5 runs of each and default.skn beside the program.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/engine/EngineMessages.h"

namespace {

using TClock = std::chrono::steady_clock;

std::string BinFolder() {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string dir(exe);
  dir.resize(dir.find_last_of('\\') + 1);
  return dir + "..\\bin\\";
}

struct TFind {
  DWORD Process;
  HWND Found;
};

HWND MainWindowOf(DWORD Process) {
  TFind find{Process, nullptr};
  EnumWindows(
      [](HWND W, LPARAM P) -> BOOL {
        auto* f = reinterpret_cast<TFind*>(P);
        DWORD pid = 0;
        GetWindowThreadProcessId(W, &pid);
        char cls[32];
        if (pid == f->Process && IsWindowVisible(W) && GetClassNameA(W, cls, sizeof cls) &&
            std::string(cls) == "TForm1") {
          f->Found = W;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.Found;
}

// Taken over and activated: the activation gives the window its region.
bool SkinActivated(HWND Window) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(Window, SM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG, 500, &answer) ||
      answer != 1)
    return false;
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const bool activated = GetWindowRgn(Window, probe) != ERROR;
  DeleteObject(probe);
  return activated;
}

// Milliseconds from the start of the process to the shown (and, when
// Skinned, skinned) main window; negative when it never came.
double TimeStart(const std::string& Arguments, bool Skinned) {
  std::string command = "\"" + BinFolder() + "Fernwick.exe\" " + Arguments;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const auto start = TClock::now();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return -1;
  double ms = -1;
  for (int i = 0; i < 3000; ++i) {
    HWND wnd = MainWindowOf(pi.dwProcessId);
    DWORD_PTR answer = 0;
    if (wnd && (!Skinned || SkinActivated(wnd))) {
      // The frame is on screen once the window has handled what was sent
      // before.
      SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer);
      ms = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
      break;
    }
    Sleep(2);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ms;
}

double Median(std::vector<double> V) {
  std::sort(V.begin(), V.end());
  return V[V.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string skin = argc > 2 ? argv[2] : BinFolder() + "default.skn";
  std::vector<double> skinned, plain;
  for (int i = 0; i < runs; ++i) {
    // Each goes first every other run, so that neither profits from the
    // other's warm caches.
    if (i % 2) skinned.push_back(TimeStart("/skin \"" + skin + "\"", true));
    plain.push_back(TimeStart("/skin none", false));
    if (!(i % 2)) skinned.push_back(TimeStart("/skin \"" + skin + "\"", true));
    std::printf("run %d: /skin none %.0f ms, /skin FILE %.0f ms\n", i + 1, plain.back(),
                skinned.back());
  }
  const double a = Median(plain), b = Median(skinned);
  std::printf("median start to first frame: /skin none %.0f ms, skinned %.0f ms, ratio %.2f\n", a,
              b, a > 0 ? b / a : 0.0);
  return 0;
}
