// Windows the toolkit did not make: the children of dialogs, of the save
// dialog and of message boxes, and size grips made after the skin came.
#include <gtest/gtest.h>
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/engine/EngineMessages.h"
#include "skin/recognition/WindowRecognition.h"
#include "skinrecognition/RecognitionSupport.h"
#include "toolkit/SaveDialog.h"

namespace {

using enum TPainterKind;
using enum TWindowAction;

HWND MakeChild(HWND Parent, const char* ClassName, DWORD Style, int Index) {
  return CreateWindowExA(0, ClassName, "Child", WS_CHILD | WS_VISIBLE | Style, 4 + (Index % 6) * 70,
                         4 + (Index / 6) * 40, 64, 32, Parent, reinterpret_cast<HMENU>(100 + Index),
                         GetModuleHandleA(nullptr), nullptr);
}

// A dialog made from a template in memory, hidden until its children are
// in, so that the engine takes it over with them.
HWND MakeHiddenDialog(HWND Parent, DWORD Style) {
  struct {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } t{};
  t.Template.style = Style;
  t.Template.cx = 300;
  t.Template.cy = 200;
  t.Template.x = 10;
  t.Template.y = 10;
  return CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr), &t.Template, Parent,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

TWinSkinForm* SkinnerOf(HWND Window) {
  TSkinManage* manager = TSkinManage::Instance();
  return manager ? manager->FindFormSkinner(Window) : nullptr;
}

bool ActiveSkinner(HWND Window) {
  TWinSkinForm* skinner = SkinnerOf(Window);
  return skinner && skinner->SkinState() == TWinSkinForm::ssActive;
}

struct TExpectedWindow {
  HWND Window;
  TWindowAction Action;
  TPainterKind Kind;
  HWND Painted;  // the window the painter goes to (the first child for some)
};

void RegisterPanelClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TTntPanel.UnicodeClass";
  RegisterClassA(&wc);
}

// The push buttons of a dialog of the system, as it shows them.
std::vector<HWND> PushButtonsOf(HWND Dialog) {
  std::vector<HWND> buttons;
  EnumChildWindows(
      Dialog,
      [](HWND W, LPARAM List) -> BOOL {
        char cls[16];
        const auto type = GetWindowLongA(W, GWL_STYLE) & BS_TYPEMASK;
        if (GetClassNameA(W, cls, sizeof cls) && lstrcmpiA(cls, "button") == 0 &&
            IsWindowVisible(W) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
          reinterpret_cast<std::vector<HWND>*>(List)->push_back(W);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&buttons));
  return buttons;
}

HWND VisibleDialogOfThread() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND W, LPARAM Found) -> BOOL {
        char cls[16];
        if (GetClassNameA(W, cls, sizeof cls) && std::string(cls) == "#32770" &&
            IsWindowVisible(W)) {
          *reinterpret_cast<HWND*>(Found) = W;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Filled by the timer that looks at a modal dialog while it is open.
struct TDialogLook {
  HWND Dialog = nullptr;
  int Buttons = 0;
  int Chosen = 0;  // buttons the rules give the push-button painter
  int Painted = 0; // buttons that have it (or would, once it is built)
  std::string Failure;
  int Answer = IDCANCEL;
};
TDialogLook gLook;

// Runs inside the dialog's modal loop: once the engine has taken the
// dialog over, checks its buttons and answers it.
void CALLBACK LookAtDialog(HWND, UINT, UINT_PTR Id, DWORD) {
  HWND dialog = VisibleDialogOfThread();
  if (!dialog || !ActiveSkinner(dialog)) return;
  KillTimer(nullptr, Id);
  gLook.Dialog = dialog;
  TWinSkinForm& skinner = *SkinnerOf(dialog);
  for (HWND button : PushButtonsOf(dialog)) {
    ++gLook.Buttons;
    const TWindowChoice choice = ChooseWindowPainter(button, *skinner.SkinData());
    if (choice.Action == waPainter && choice.Kind == pkButton) ++gLook.Chosen;
    const auto painted = PaintedAs(PainterOfWindow(skinner, button), pkButton);
    if (painted)
      ++gLook.Painted;
    else
      gLook.Failure = painted.message();
  }
  PostMessageA(dialog, WM_COMMAND, gLook.Answer, 0);
}

}  // namespace

TEST(BareWindows, EachClassAndStyleGetsThePainterOfItsRow) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_USEREX_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                           ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterPanelClass();
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());

  HWND dialog = MakeHiddenDialog(main.Handle(), DS_MODALFRAME | WS_POPUP | WS_CAPTION);
  ASSERT_NE(dialog, nullptr);
  std::vector<TExpectedWindow> expected;
  int index = 0;
  auto child = [&](const char* cls, DWORD style, TWindowAction action, TPainterKind kind) {
    HWND w = MakeChild(dialog, cls, style, index++);
    expected.push_back({w, action, kind, w});
    return w;
  };
  child("Button", BS_PUSHBUTTON, waPainter, pkButton);
  child("Button", BS_DEFPUSHBUTTON, waPainter, pkButton);
  child("Button", BS_USERBUTTON, waPainter, pkButton);
  child("Button", BS_OWNERDRAW, waNothing, pkCount);
  child("Button", BS_3STATE, waPainter, pkCheckBox);
  child("Button", BS_AUTOCHECKBOX, waPainter, pkCheckBox);
  child("Button", BS_AUTORADIOBUTTON, waPainter, pkRadioButton);
  child("Button", BS_GROUPBOX, waNothing, pkCount);
  child("Button", BS_PUSHBUTTON | BS_BITMAP, waNothing, pkCount);
  child("Button", BS_SPLITBUTTON, waNothing, pkCount);
  child("Button", BS_COMMANDLINK, waNothing, pkCount);
  child("ComboBox", CBS_DROPDOWN, waPainter, pkComBox);
  child("ComboBox", CBS_DROPDOWNLIST, waPainter, pkComBox);
  child("ComboBox", CBS_SIMPLE, waNothing, pkCount);
  child("Edit", WS_BORDER, waPainter, pkEdit);
  child("ScrollBar", SBS_SIZEGRIP, waPainter, pkSizer);
  child("ScrollBar", SBS_SIZEGRIP | WS_TABSTOP, waNothing, pkCount);
  child("ScrollBar", SBS_HORZ, waNothing, pkCount);
  child(WC_TREEVIEWA, 0, waNothing, pkCount);
  child(WC_TABCONTROLA, 0, waPainter, pkTab);
  child(WC_TABCONTROLA, TCS_OWNERDRAWFIXED, waNothing, pkCount);
  child(TOOLBARCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE, waPainter, pkBoxH);
  child("Static", SS_LEFT, waNothing, pkCount);
  HWND comboEx = MakeChild(dialog, WC_COMBOBOXEXA, CBS_DROPDOWN, index++);
  expected.push_back({comboEx, waPainterOnFirstChild, pkComBox, GetTopWindow(comboEx)});
  // A dialog inside the dialog, and a panel of another library: their
  // children are recognised too (the panel's class compared without case).
  HWND inner = MakeHiddenDialog(dialog, WS_CHILD | WS_VISIBLE | DS_CONTROL);
  SetWindowPos(inner, nullptr, 0, 130, 140, 60, SWP_NOZORDER);
  expected.push_back({inner, waChildrenThenPainter, pkBoxH, inner});
  HWND innerButton = MakeChild(inner, "Button", BS_PUSHBUTTON, 0);
  expected.push_back({innerButton, waPainter, pkButton, innerButton});
  HWND panel = CreateWindowExA(0, "TTntPanel.UnicodeClass", "", WS_CHILD | WS_VISIBLE, 150, 130,
                               140, 60, dialog, nullptr, GetModuleHandleA(nullptr), nullptr);
  expected.push_back({panel, waChildrenAndColour, pkCount, nullptr});
  HWND panelButton = MakeChild(panel, "Button", BS_PUSHBUTTON, 0);
  expected.push_back({panelButton, waPainter, pkButton, panelButton});

  std::vector<LONG_PTR> procedures;
  for (const TExpectedWindow& e : expected)
    procedures.push_back(GetWindowLongPtrA(e.Window, GWLP_WNDPROC));
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  ASSERT_TRUE(PumpUntil([&] { return ActiveSkinner(dialog); }));
  PumpMessages(50);
  TWinSkinForm& skinner = *SkinnerOf(dialog);
  for (const TExpectedWindow& e : expected) {
    char cls[64];
    GetClassNameA(e.Window, cls, sizeof cls);
    SCOPED_TRACE(std::string(cls) + " style " +
                 std::to_string(GetWindowLongA(e.Window, GWL_STYLE) & 0xFFFF));
    const TWindowChoice choice = ChooseWindowPainter(e.Window, *skinner.SkinData());
    EXPECT_EQ(choice.Action, e.Action);
    EXPECT_EQ(choice.Kind, e.Kind);
    if (e.Kind == pkCount) {
      EXPECT_TRUE(Unpainted(PainterOfWindow(skinner, e.Window)));
      continue;
    }
    TSkinControl* painter = PainterOfWindow(skinner, e.Painted);
    EXPECT_TRUE(PaintedAs(painter, e.Kind));
    if (painter) {
      EXPECT_EQ(SendMessageA(e.Painted, SM_ISSKINNED, 0, 0), 1);
    }
  }

  // Options that are off leave their classes native.
  TSkinData& data = *skinner.SkinData();
  const TSkinControlTypes all = data.GetSkinControls();
  data.SetSkinControls({});
  for (const TExpectedWindow& e : expected) {
    if (e.Kind == pkButton || e.Kind == pkComBox || e.Kind == pkEdit || e.Kind == pkTab) {
      EXPECT_EQ(ChooseWindowPainter(e.Window, data).Action, waNothing);
    }
  }
  data.SetSkinControls(all);

  // Switching the skin off gives every window its procedure back.
  main.Data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SkinnerOf(dialog) == nullptr; }));
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(GetWindowLongPtrA(expected[i].Window, GWLP_WNDPROC), procedures[i]);
    EXPECT_NE(SendMessageA(expected[i].Window, SM_ISSKINNED, 0, 0), 1);
  }
  DestroyWindow(dialog);
}

TEST(BareWindows, ASizeGripMadeUnderASkinnedWindowIsRecognisedAsItIsCreated) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  HWND grip = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 380, 220,
                              16, 16, main.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(grip, nullptr);
  EXPECT_TRUE(PaintedAs(PainterOfWindow(*main.Skinner(), grip), pkSizer));
  // Under a window the engine has not taken, a grip stays as it is.
  HWND plain = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                               main.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND nested = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0,
                                16, 16, plain, nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_TRUE(Unpainted(PainterOfWindow(*main.Skinner(), nested)));
  DestroyWindow(plain);
  DestroyWindow(grip);
}

TEST(BareWindows, TheButtonsOfAMessageBoxAndOfTheSaveDialogAreRecognised) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());

  gLook = {};
  gLook.Answer = IDNO;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, LookAtDialog);
  const int answer = MessageBoxA(main.Handle(), "Recognised?", "Message", MB_YESNOCANCEL);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer, IDNO);
  ASSERT_NE(gLook.Dialog, nullptr);
  EXPECT_EQ(gLook.Buttons, 3);
  EXPECT_EQ(gLook.Chosen, 3);
  EXPECT_EQ(gLook.Painted, 3) << gLook.Failure;

  gLook = {};
  TSaveDialog dialog(main.Form.get());
  dialog.SetFileName("BatchRun.bat");
  timer = SetTimer(nullptr, 0, 100, LookAtDialog);
  EXPECT_FALSE(dialog.Execute());
  KillTimer(nullptr, timer);
  ASSERT_NE(gLook.Dialog, nullptr);
  EXPECT_GE(gLook.Buttons, 2);  // Save and Cancel at least
  EXPECT_EQ(gLook.Chosen, gLook.Buttons);
  EXPECT_EQ(gLook.Painted, gLook.Buttons) << gLook.Failure;
}
