#include "ShellOleTestSupport.h"

void MouseMoveTo(POINT Screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(Screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(Screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void MouseButton(DWORD Flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = Flag;
  SendInput(1, &input, sizeof input);
}

void PressKey(WORD Key) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = Key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

namespace {

struct TWindowSearch {
  const char* ClassName;
  HWND Found = nullptr;
};

BOOL CALLBACK FindVisible(HWND Window, LPARAM Search) {
  auto* search = reinterpret_cast<TWindowSearch*>(Search);
  DWORD process = 0;
  GetWindowThreadProcessId(Window, &process);
  char className[16] = {};
  GetClassNameA(Window, className, sizeof className);
  if (process == GetCurrentProcessId() && IsWindowVisible(Window) &&
      lstrcmpA(className, search->ClassName) == 0) {
    search->Found = Window;
    return FALSE;
  }
  return TRUE;
}

HWND FindVisibleWindow(const char* ClassName) {
  TWindowSearch search{ClassName};
  EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

}  // namespace

HWND FindOpenMenu() {
  return FindVisibleWindow("#32768");
}

bool WaitFor(const std::function<bool()>& Found, DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (!Found()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    Sleep(20);
  }
  return true;
}

TInputThread::TInputThread(std::function<void()> Steps)
    : FSteps(std::move(Steps)), FThread(CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}

TInputThread::~TInputThread() {
  WaitForSingleObject(FThread, INFINITE);
  CloseHandle(FThread);
}

DWORD WINAPI TInputThread::Run(LPVOID Self) {
  auto* thread = static_cast<TInputThread*>(Self);
  thread->FSteps();
  thread->FDone = true;
  return 0;
}

TDialogAnswerer::TDialogAnswerer(int Answer)
    : FAnswer(Answer), FThread(CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}

TDialogAnswerer::~TDialogAnswerer() {
  FStop = true;
  WaitForSingleObject(FThread, INFINITE);
  CloseHandle(FThread);
}

DWORD WINAPI TDialogAnswerer::Run(LPVOID Self) {
  auto* answerer = static_cast<TDialogAnswerer*>(Self);
  for (int i = 0; i < 200 && !answerer->FAnswered && !answerer->FStop; ++i) {
    if (HWND dialog = FindVisibleWindow("#32770")) {
      PostMessageA(dialog, WM_COMMAND, answerer->FAnswer, 0);
      answerer->FAnswered = true;
    }
    Sleep(25);
  }
  return 0;
}
