// Message flow through controls: a swapped WindowProc sees the messages and
// can be put back, windowless controls get mouse enter, leave and clicks
// from their parent, and key handlers can swallow or change keys.
#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "toolkit/Button.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace {

// Sits in front of a control's handler like a painter of the skin engine.
struct TInterceptor {
  TWndMethod Saved;
  std::vector<UINT> Seen;
  bool SwallowChars = false;
  void Handle(TMessage& Message) {
    Seen.push_back(Message.Msg);
    if (SwallowChars && Message.Msg == WM_CHAR) return;
    Saved(Message);
  }
  int Count(UINT Msg) const { return static_cast<int>(std::count(Seen.begin(), Seen.end(), Msg)); }
};

// One form serves all tests: hiding or destroying a shown window costs
// Wine about two seconds when no window manager runs.
class ControlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(100, 100, 300, 200);
    Form->Show();
  }
  static void TearDownTestSuite() { delete Form; }
  void TearDown() override {
    Form->GetFont()->SetName("MS Sans Serif");
    Form->DestroyOwnedComponents();
  }
  static inline TForm* Form = nullptr;
};

TEST_F(ControlTest, WindowProcCanBeInterceptedAndRestoredWithTheControlStillWorking) {
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  HWND wnd = edit->Handle();
  TInterceptor spy;
  spy.Saved = edit->WindowProc;
  edit->WindowProc = TWndMethod(&spy, &TInterceptor::Handle);

  edit->SetText("abc");
  EXPECT_EQ(spy.Count(WM_SETTEXT), 1);
  SendMessageA(wnd, WM_CHAR, 'x', 0);
  EXPECT_EQ(spy.Count(WM_CHAR), 1);
  EXPECT_EQ(edit->GetText().size(), 4u);  // passed on: the edit took the character
  spy.SwallowChars = true;
  SendMessageA(wnd, WM_CHAR, 'y', 0);
  EXPECT_EQ(edit->GetText().size(), 4u);
  // Toolkit notifications pass through the same chain.
  edit->SetEnabled(false);
  EXPECT_EQ(spy.Count(CM_ENABLEDCHANGED), 1);
  edit->SetEnabled(true);

  // Restored: the interceptor sees nothing more, the edit still works.
  EXPECT_EQ(edit->WindowProc, TWndMethod(&spy, &TInterceptor::Handle));
  edit->WindowProc = spy.Saved;
  size_t seen = spy.Seen.size();
  SendMessageA(wnd, WM_CHAR, 'z', 0);
  edit->SetText("done");
  EXPECT_EQ(spy.Seen.size(), seen);
  EXPECT_EQ(edit->GetText(), "done");
}

TEST_F(ControlTest, ControlReleaseTellsTheInterceptorToLetGo) {
  auto* label = new TLabel(Form);
  label->SetParent(Form);
  TInterceptor spy;
  spy.Saved = label->WindowProc;
  label->WindowProc = TWndMethod(&spy, &TInterceptor::Handle);
  delete label;
  EXPECT_EQ(spy.Count(CM_RELEASE), 1);
}

struct TMouseLog {
  std::vector<std::string> Events;
  void Enter(TObject* Sender) { Events.push_back("enter " + Name(Sender)); }
  void Leave(TObject* Sender) { Events.push_back("leave " + Name(Sender)); }
  void Click(TObject* Sender) { Events.push_back("click " + Name(Sender)); }
  static std::string Name(TObject* Sender) { return static_cast<TComponent*>(Sender)->GetName(); }
};

TEST_F(ControlTest, WindowlessControlsGetEnterLeaveAndClicksFromTheirParent) {
  TMouseLog log;
  auto make = [&](const char* Name, int Left) {
    auto* label = new TLabel(Form);
    label->SetName(Name);
    label->SetAutoSize(false);
    label->SetBounds(Left, 10, 50, 20);
    label->SetParent(Form);
    label->OnMouseEnter = TNotifyEvent(&log, &TMouseLog::Enter);
    label->OnMouseLeave = TNotifyEvent(&log, &TMouseLog::Leave);
    label->OnClick = TNotifyEvent(&log, &TMouseLog::Click);
    return label;
  };
  TLabel* a = make("A", 10);
  make("B", 100);
  HWND wnd = Form->Handle();
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(25, 16));  // still inside A
  EXPECT_TRUE(a->MouseInControl());
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(120, 15));
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(200, 100));
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 15));
  SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(112, 16));
  // Pressed on A, released outside it: no click.
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 15));
  SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
  std::vector<std::string> expected{"enter A", "leave A", "enter B", "leave B", "click B"};
  EXPECT_EQ(log.Events, expected);
  EXPECT_FALSE(a->MouseInControl());
  // Leaving the form's window leaves the control too.
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
  SendMessageA(wnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(log.Events.back(), "leave A");
}

struct TKeyLog {
  std::vector<WORD> KeysUp;
  TShiftState LastShift;
  void KeyPress(TObject*, char& Key) {
    if (Key == '/' || Key == '\\') Key = 0;
  }
  void KeyUp(TObject*, WORD& Key, TShiftState Shift) {
    KeysUp.push_back(Key);
    LastShift = Shift;
  }
};

TEST_F(ControlTest, KeyPressCanDiscardACharacterAndKeyUpReportsTheKey) {
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  TKeyLog log;
  edit->OnKeyPress = TKeyPressEvent(&log, &TKeyLog::KeyPress);
  edit->OnKeyUp = TKeyEvent(&log, &TKeyLog::KeyUp);
  HWND wnd = edit->Handle();
  for (char c : std::string("1/9\\2")) SendMessageA(wnd, WM_CHAR, static_cast<unsigned char>(c), 0);
  EXPECT_EQ(edit->GetText(), "192");
  SendMessageA(wnd, WM_KEYUP, VK_RETURN, 0xC0000001);
  ASSERT_EQ(log.KeysUp.size(), 1u);
  EXPECT_EQ(log.KeysUp[0], VK_RETURN);
  EXPECT_FALSE(log.LastShift.Contains(ssShift));
}

TEST_F(ControlTest, ChangingPropertiesSendsTheToolkitNotifications) {
  auto* button = new TButton(Form);
  button->SetParent(Form);
  HWND wnd = button->Handle();
  TInterceptor spy;
  spy.Saved = button->WindowProc;
  button->WindowProc = TWndMethod(&spy, &TInterceptor::Handle);
  button->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(wnd));
  button->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(wnd));
  button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(wnd));
  button->GetFont()->SetName("Arial");
  button->SetColor(0x123456);
  button->SetDefault(true);
  EXPECT_EQ(spy.Count(CM_VISIBLECHANGED), 2);
  EXPECT_EQ(spy.Count(CM_ENABLEDCHANGED), 1);
  EXPECT_EQ(spy.Count(CM_FONTCHANGED), 1);
  EXPECT_EQ(spy.Count(CM_COLORCHANGED), 1);
  EXPECT_EQ(spy.Count(CM_DEFAULTCHANGED), 1);
  button->WindowProc = spy.Saved;

  // A parent's font reaches children that use it, and stops at those that
  // set their own.
  auto* label = new TLabel(Form);
  label->SetParent(Form);
  Form->GetFont()->SetName("Courier New");
  EXPECT_EQ(label->GetFont()->GetName(), "Courier New");
  EXPECT_EQ(button->GetFont()->GetName(), "Arial");
}

TEST_F(ControlTest, ADeletedControlLeavesItsParentsTabOrder) {
  auto* first = new TEdit(Form);
  first->SetParent(Form);
  auto* gone = new TButton(Form);
  gone->SetParent(Form);
  ASSERT_EQ(Form->TabList().size(), 2u);
  delete gone;
  ASSERT_EQ(Form->TabList().size(), 1u);
  EXPECT_EQ(Form->TabList()[0], first);
  // Tabbing on finds only the control that is left.
  EXPECT_EQ(Form->FindNextControl(first, true), first);
}

TEST_F(ControlTest, RecreatingTheWindowKeepsTextAndAnnouncesTheNewHandle) {
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  edit->SetText("kept");
  HWND old = edit->Handle();
  TInterceptor spy;
  spy.Saved = edit->WindowProc;
  edit->WindowProc = TWndMethod(&spy, &TInterceptor::Handle);
  edit->RecreateWnd();
  edit->WindowProc = spy.Saved;
  EXPECT_FALSE(IsWindow(old));
  EXPECT_TRUE(IsWindow(edit->WindowHandle()));
  EXPECT_EQ(spy.Count(CM_RECREATEWND), 1);
  EXPECT_EQ(edit->GetText(), "kept");
  EXPECT_EQ(FindControl(edit->WindowHandle()), edit);
}

}  // namespace
