#pragma once
// Drives the main window as a user would: creates it from the program's own
// form description, clicks tree nodes, types into fields, and answers the
// save dialog from a second thread while the dialog runs on this one.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/MainForm.h"
#include "common/MessagePump.h"
#include "toolkit/Application.h"

// The first child node of Parent whose caption is Text, or null.
inline TTreeNode* ChildNamed(TTreeNode* Parent, const std::string& Text) {
  for (TTreeNode* node = Parent->GetFirstChild(); node; node = node->GetNextSibling())
    if (node->GetText() == Text) return node;
  return nullptr;
}

// A left click in the middle of the node's caption. Both halves are queued:
// the tree view waits for the release in a loop of its own after the press.
inline void ClickNode(TVintoShellTreeView* Tree, TTreeNode* Node) {
  Node->MakeVisible();
  RECT r{};
  TreeView_GetItemRect(Tree->WindowHandle(), Node->ItemId(), &r, TRUE);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageA(Tree->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(Tree->WindowHandle(), WM_LBUTTONUP, 0, at);
  PumpMessages(100);
}

// Answers the next save dialog of this process: records the name it
// proposes, then types FileName and confirms, or cancels when FileName is
// empty. Seen() tells whether a dialog came at all.
class TSaveDialogAnswer {
 public:
  explicit TSaveDialogAnswer(std::string FileName)
      : FFileName(std::move(FileName)), FThread([this] { Answer(); }) {}
  ~TSaveDialogAnswer() {
    FStop = true;
    FThread.join();
  }
  TSaveDialogAnswer(const TSaveDialogAnswer&) = delete;
  TSaveDialogAnswer& operator=(const TSaveDialogAnswer&) = delete;

  bool Seen() const { return FSeen; }
  const std::string& Proposed() const { return FProposed; }

 private:
  // The file name box of the system's save dialog.
  static constexpr int kFileNameBox = 0x47C;

  static BOOL CALLBACK FindDialog(HWND Wnd, LPARAM Found) {
    char cls[16];
    DWORD pid = 0;
    GetWindowThreadProcessId(Wnd, &pid);
    if (pid == GetCurrentProcessId() && GetClassNameA(Wnd, cls, sizeof cls) &&
        std::string(cls) == "#32770" && IsWindowVisible(Wnd) && GetDlgItem(Wnd, kFileNameBox)) {
      *reinterpret_cast<HWND*>(Found) = Wnd;
      return FALSE;
    }
    return TRUE;
  }

  void Answer() {
    HWND dialog = nullptr;
    for (int i = 0; i < 600 && !FStop && !dialog; ++i) {
      EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
      if (!dialog) Sleep(10);
    }
    if (!dialog) return;
    Sleep(100);  // let the dialog finish its start-up
    char proposed[MAX_PATH] = "";
    GetDlgItemTextA(dialog, kFileNameBox, proposed, sizeof proposed);
    FProposed = proposed;
    FSeen = true;
    if (FFileName.empty()) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    SetDlgItemTextA(dialog, kFileNameBox, FFileName.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }

  std::string FFileName;
  std::string FProposed;
  std::atomic<bool> FSeen{false};
  std::atomic<bool> FStop{false};
  std::thread FThread;
};

// Collects the messages the application would show.
struct TShownMessages {
  std::vector<std::string> Texts;
  void Record(TObject*, const std::string& Text) { Texts.push_back(Text); }
};

// The main window, created by an application of its own from the form
// description in the program's resources, and shown.
class TMainWindow {
 public:
  TMainWindow() {
    Application->Initialize();
    FApp.OnException = TExceptionEvent(&Shown, &TShownMessages::Record);
    Application->OnException = FApp.OnException;
    FApp.CreateForm(Form);
    if (Form) {
      Form->Show();
      PumpMessages(100);
    }
  }
  ~TMainWindow() {
    Application->OnException = TExceptionEvent();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  TMainWindow(const TMainWindow&) = delete;
  TMainWindow& operator=(const TMainWindow&) = delete;

  // Presses the button; Answer stands by for the dialog.
  void PressButton() {
    SendMessageA(Form->Button1->WindowHandle(), BM_CLICK, 0, 0);
    PumpMessages(20);
  }

  TShownMessages Shown;
  TForm1* Form = nullptr;

 private:
  TApplication FApp{nullptr};
};
