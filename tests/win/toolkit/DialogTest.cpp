// The save dialog keeps the chosen name between runs and appends the
// default extension; timers fire from the message loop; exceptions in
// message handlers reach the application; the screen cursor scope restores.
#include <gtest/gtest.h>

#include <string>

#include "ToolkitTestSupport.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"

namespace {

// Answers the next file dialog of this thread: types Name and presses OK,
// or presses Cancel when Name is empty.
struct TDialogAnswer {
  static inline std::string Name;
  static inline std::string SeenName;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR Id, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND Wnd, LPARAM Out) -> BOOL {
          char cls[16];
          if (GetClassNameA(Wnd, cls, sizeof cls) && std::string(cls) == "#32770" &&
              IsWindowVisible(Wnd)) {
            *reinterpret_cast<HWND*>(Out) = Wnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, Id);
    char seen[MAX_PATH] = "";
    SendMessageA(dialog, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(seen));
    SeenName = seen;
    if (Name.empty()) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    SendMessageA(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(Name.c_str()));
    SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(Name.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
  static void Arm(const std::string& Answer) {
    Name = Answer;
    SeenName.clear();
    SetTimer(nullptr, 0, 100, &Tick);
  }
};

TEST(SaveDialog, KeepsTheChosenNameAndAppendsTheDefaultExtension) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  const std::string base = std::string(dir) + "fw_dialog_" + std::to_string(GetCurrentProcessId());
  TSaveDialog dialog(nullptr);
  dialog.SetDefaultExt("bat");
  dialog.SetFilter("*.bat|*.bat");
  dialog.SetFileName("BatchRun.bat");
  EXPECT_EQ(dialog.SystemFlags() & (OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT),
            static_cast<unsigned long>(OFN_HIDEREADONLY | OFN_ENABLESIZING));

  TDialogAnswer::Arm(base);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(TDialogAnswer::SeenName, "BatchRun.bat");
  EXPECT_EQ(dialog.GetFileName(), base + ".bat");

  // The next run proposes the name chosen last time; Cancel keeps it.
  TDialogAnswer::Arm("");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(TDialogAnswer::SeenName, "fw_dialog_" + std::to_string(GetCurrentProcessId()) + ".bat");
  EXPECT_EQ(dialog.GetFileName(), base + ".bat");
}

struct TTicks {
  int Count = 0;
  TTimer* Timer = nullptr;
  void Tick(TObject* Sender) {
    EXPECT_EQ(Sender, Timer);
    if (++Count == 3) Timer->SetEnabled(false);
  }
};

TEST(Timer, FiresUntilDisabled) {
  TTimer timer(nullptr);
  TTicks ticks;
  ticks.Timer = &timer;
  timer.SetInterval(20);
  timer.OnTimer = TNotifyEvent(&ticks, &TTicks::Tick);
  EXPECT_TRUE(timer.Running());
  PumpMessages(400);
  EXPECT_EQ(ticks.Count, 3);
  EXPECT_FALSE(timer.Running());
  timer.SetInterval(0);
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Running());  // no interval, nothing to run
}

struct TThrower {
  void Click(TObject*) { throw std::runtime_error("Cannot create file X:\\nowhere.bat"); }
};
struct TSink {
  std::vector<std::string> Messages;
  void Record(TObject*, const std::string& M) { Messages.push_back(M); }
};

TEST(Application, AnExceptionInAHandlerIsShownAndTheWindowLivesOn) {
  Application->Initialize();
  TSink sink;
  Application->OnException = TExceptionEvent(&sink, &TSink::Record);
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  TThrower thrower;
  button->OnClick = TNotifyEvent(&thrower, &TThrower::Click);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  Application->OnException = TExceptionEvent();
  ASSERT_EQ(sink.Messages.size(), 1u);
  EXPECT_EQ(sink.Messages[0], "Cannot create file X:\\nowhere.bat");
  EXPECT_TRUE(IsWindow(button->WindowHandle()));
}

TEST(Screen, CursorScopeShowsTheHourglassAndPutsTheOldCursorBack) {
  EXPECT_EQ(Screen->GetCursor(), crDefault);
  {
    TScreenCursorScope busy;
    EXPECT_EQ(Screen->GetCursor(), crHourGlass);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    {
      TScreenCursorScope nested(crHandPoint);
      EXPECT_EQ(Screen->GetCursor(), crHandPoint);
    }
    EXPECT_EQ(Screen->GetCursor(), crHourGlass);
  }
  EXPECT_EQ(Screen->GetCursor(), crDefault);
}

}  // namespace
