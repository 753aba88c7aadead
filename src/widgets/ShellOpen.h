#pragma once
// Opening an address with the handler the shell has registered for its
// scheme (browser, mail program...). Every such request of the program goes
// through ShellExecuteProc, so that tests can take the call instead of the
// shell.

#include <windows.h>

#include <string>

using TShellExecuteProc = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The function that carries out the request; ShellExecuteA unless replaced.
TShellExecuteProc& ShellExecuteProc();

// Asks the shell to open Target: no owner window, verb "open", no
// parameters, no directory, shown normally. The result is not examined.
void ShellOpen(const std::string& Target);
