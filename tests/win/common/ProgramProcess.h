#pragma once
// Fernwick.exe started as a user starts it, as a process of its own.

#include <windows.h>

#include <string>

// The program in the build tree the test program belongs to.
std::string ProgramPath();

// A started program, ended (closed or killed) when it goes out of scope.
class TProgram {
 public:
  explicit TProgram(const std::string& Arguments);
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  bool Started() const { return FStarted; }
  DWORD Id() const { return FProcess.dwProcessId; }
  bool WaitEnd(DWORD Milliseconds) const;
  // The first visible top-level window of the program with that caption
  // (any, when Caption is empty) and class (any, when Class is empty),
  // waited for up to Milliseconds; null when none came.
  HWND WaitWindow(const std::string& Caption, const std::string& Class, DWORD Milliseconds) const;
  HWND FindWindow(const std::string& Caption, const std::string& Class) const;

 private:
  PROCESS_INFORMATION FProcess{};
  bool FStarted = false;
};
