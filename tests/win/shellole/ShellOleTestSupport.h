#pragma once
// Real input for the shell menu and drag tests: mouse and keys through
// SendInput, from a thread of their own while the test's thread runs the
// menu or drag loop, and a watcher that answers the shell's dialogs.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

void MouseMoveTo(POINT Screen);
void MouseButton(DWORD Flag);  // MOUSEEVENTF_LEFTDOWN and the like
void PressKey(WORD Key);
// The visible pop-up menu window of this process, or null.
HWND FindOpenMenu();

// Runs Steps on a thread of its own; the destructor waits for it to end.
class TInputThread {
 public:
  explicit TInputThread(std::function<void()> Steps);
  ~TInputThread();
  TInputThread(const TInputThread&) = delete;
  TInputThread& operator=(const TInputThread&) = delete;
  bool Done() const { return FDone; }

 private:
  static DWORD WINAPI Run(LPVOID Self);
  std::function<void()> FSteps;
  volatile bool FDone = false;
  HANDLE FThread;
};

// Waits up to Milliseconds on the calling (non-GUI) thread for Found.
bool WaitFor(const std::function<bool()>& Found, DWORD Milliseconds = 5000);

// Answers the first dialog box of this process with Answer (IDYES, IDOK).
class TDialogAnswerer {
 public:
  explicit TDialogAnswerer(int Answer);
  ~TDialogAnswerer();
  TDialogAnswerer(const TDialogAnswerer&) = delete;
  TDialogAnswerer& operator=(const TDialogAnswerer&) = delete;
  bool Answered() const { return FAnswered; }

 private:
  static DWORD WINAPI Run(LPVOID Self);
  int FAnswer;
  volatile bool FAnswered = false;
  volatile bool FStop = false;
  HANDLE FThread;
};
