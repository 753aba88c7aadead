#pragma once
// What the skin author's tests share: the program's own skin unpacked into
// a folder or packed into a file with one bitmap replaced, dialogs answered
// by typing into them, the message loop run as the program runs it (menu
// shortcuts included), and title bars read back pixel by pixel.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "skin/archive/Bytes.h"
#include "toolkit/Application.h"

// The name of the title bar's bitmap in the program's own skin, as its
// definition names it.
std::string TitleBitmapName();

// Writes every file of the program's own skin into Folder.
void UnpackProgramSkin(const std::string& Folder);
// The program's own skin packed again, with the file Name replaced by Bytes.
TBytes ProgramSkinWith(const std::string& Name, const TBytes& Bytes);
// A bitmap file of the size of the program's bitmap Name, all of Colour.
TBytes SolidLike(const std::string& Name, COLORREF Colour);
void WriteFile(const std::string& Path, const TBytes& Bytes);

// The share (0 to 1) of the pixels in the top rows of the window's frame
// (a window of this process), across its width, that are exactly Colour
// (or one of Colours).
double TitleShare(HWND Window, COLORREF Colour);
double TitleShare(HWND Window, const std::vector<COLORREF>& Colours);
// The colours of those rows in the program's own skin, active and
// inactive (a title bar drawn with it matches most of them).
std::vector<COLORREF> OwnTitleColours();

// Runs the application's message handling (as the program's loop does:
// menu shortcuts, dialog keys) for about Milliseconds, or until Done holds.
template <class Predicate>
bool PumpApplicationUntil(TApplication& App, Predicate Done, DWORD Milliseconds = 5000) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (!Done()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    App.ProcessMessages();
    Sleep(10);
  }
  return true;
}
inline void PumpApplication(TApplication& App, DWORD Milliseconds) {
  PumpApplicationUntil(
      App, [] { return false; }, Milliseconds);
}

// Answers the next dialog boxes this process shows, one after another, on
// a thread of its own (a dialog runs its own loop on the test's thread):
// notes each one's caption and whether the engine skins it, then types
// its text into the box that has the focus and presses Enter, or presses
// Escape for an empty text. A dialog the keys do not end is cancelled.
class TDialogTyping {
 public:
  explicit TDialogTyping(std::vector<std::string> Texts);
  explicit TDialogTyping(std::string Text) : TDialogTyping(std::vector<std::string>{Text}) {}
  ~TDialogTyping();
  TDialogTyping(const TDialogTyping&) = delete;
  TDialogTyping& operator=(const TDialogTyping&) = delete;

  // How many dialogs came, and the first one's looks.
  int Seen() const { return FSeen; }
  bool Skinned() const { return FSkinned; }
  std::string Caption() const;
  // Whether a dialog was still open after its keys, and was cancelled.
  bool LeftOpen() const { return FLeftOpen; }

 private:
  void Answer();
  bool AnswerOne(const std::string& Text, HWND& Last);
  void CloseIfLeft(HWND Dialog);

  std::vector<std::string> FTexts;
  mutable std::mutex FLock;
  std::string FCaption;
  std::atomic<int> FSeen{0};
  std::atomic<bool> FSkinned{false}, FLeftOpen{false}, FStop{false};
  std::thread FThread;
};

// The first visible window of this process with that class, or null.
HWND FindProcessWindow(const char* Class);
