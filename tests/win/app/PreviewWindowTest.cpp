// The skin preview window, from the program's own form description: it
// opens with every kind of control laid out without overlaps or clipping,
// its buttons open the save dialog, a message box and the MDI window with
// three children, a right click opens its pop-up menu, and it closes
// leaving no window behind.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "MainWindowDriver.h"
#include "app/preview/PreviewForm.h"
#include "app/preview/PreviewGlyphs.h"
#include "app/preview/PreviewMDIForm.h"
#include "common/SyntheticInput.h"
#include "toolkit/Application.h"
#include "toolkit/TabSheet.h"

namespace {

// The first visible window of this process with that class (and caption,
// when given), or null.
HWND FindProcessWindow(const std::string& Class, const std::string& Caption = "") {
  struct TQuery {
    std::string Class, Caption;
    HWND Found = nullptr;
  } query{Class, Caption};
  EnumWindows(
      [](HWND Wnd, LPARAM Data) -> BOOL {
        auto* q = reinterpret_cast<TQuery*>(Data);
        DWORD pid = 0;
        GetWindowThreadProcessId(Wnd, &pid);
        char cls[64] = "", text[128] = "";
        GetClassNameA(Wnd, cls, sizeof cls);
        GetWindowTextA(Wnd, text, sizeof text);
        if (pid == GetCurrentProcessId() && IsWindowVisible(Wnd) && q->Class == cls &&
            (q->Caption.empty() || q->Caption == text)) {
          q->Found = Wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&query));
  return query.Found;
}

// Waits on a thread of its own for the next visible window of this
// process with that class (a dialog, a pop-up menu: they run loops of their
// own on the test's thread), keeps its caption and answers it.
class TWindowAnswer {
 public:
  TWindowAnswer(std::string Class, std::function<void(HWND)> Answer)
      : FClass(std::move(Class)), FAnswer(std::move(Answer)), FThread([this] { Watch(); }) {}
  ~TWindowAnswer() {
    FStop = true;
    FThread.join();
  }
  TWindowAnswer(const TWindowAnswer&) = delete;
  TWindowAnswer& operator=(const TWindowAnswer&) = delete;
  bool Seen() const { return FSeen; }
  std::string Caption() const { return FCaption; }

 private:
  void Watch() {
    HWND wnd = nullptr;
    for (int i = 0; i < 500 && !FStop && !wnd; ++i) {
      wnd = FindProcessWindow(FClass);
      if (!wnd) Sleep(10);
    }
    if (!wnd) return;
    Sleep(100);  // let it finish showing
    char caption[64] = "";
    GetWindowTextA(wnd, caption, sizeof caption);
    FCaption = caption;
    FSeen = true;
    FAnswer(wnd);
  }

  std::string FClass;
  std::function<void(HWND)> FAnswer;
  std::string FCaption;
  std::atomic<bool> FSeen{false}, FStop{false};
  std::thread FThread;
};

COLORREF PixelOf(HWND Wnd, int X, int Y) {
  HDC dc = GetDC(Wnd);
  COLORREF c = GetPixel(dc, X, Y);
  ReleaseDC(Wnd, dc);
  return c;
}

bool ShowsOnScreen(TControl* Control) {
  if (auto* w = dynamic_cast<TWinControl*>(Control))
    return w->WindowHandle() && IsWindowVisible(w->WindowHandle());
  return Control->GetVisible() && Control->Parent() && ShowsOnScreen(Control->Parent());
}

// Every control that shows lies inside its parent's client area and
// overlaps none of its siblings.
void ExpectTidyLayout(TWinControl* Parent) {
  RECT area;
  GetClientRect(Parent->WindowHandle(), &area);
  // What a scroll box holds may lie beyond it: it scrolls.
  const bool scrolls = Parent->ClassType().InheritsFrom("TScrollingWinControl");
  std::vector<TControl*> shown;
  for (int i = 0; i < Parent->ControlCount(); ++i)
    if (ShowsOnScreen(Parent->Controls(i))) shown.push_back(Parent->Controls(i));
  for (size_t i = 0; i < shown.size(); ++i) {
    RECT r = shown[i]->BoundsRect(), inside;
    IntersectRect(&inside, &r, &area);
    EXPECT_TRUE(scrolls || EqualRect(&inside, &r))
        << shown[i]->GetName() << " is clipped by " << Parent->GetName();
    for (size_t j = i + 1; j < shown.size(); ++j) {
      RECT other = shown[j]->BoundsRect(), common;
      EXPECT_FALSE(IntersectRect(&common, &r, &other))
          << shown[i]->GetName() << " overlaps " << shown[j]->GetName();
    }
    if (auto* w = dynamic_cast<TWinControl*>(shown[i])) ExpectTidyLayout(w);
  }
}

class PreviewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Application->OnException = TExceptionEvent(&Shown, &TShownMessages::Record);
    App.OnException = Application->OnException;
    ASSERT_TRUE(App.CreateForm(Form));
    Form->Show();
    PumpMessages(200);
  }
  void TearDown() override {
    delete Form;
    Application->OnException = TExceptionEvent();
    PumpMessages(50);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  void ClickButton(TButton* Button) {
    RECT r;
    GetClientRect(Button->WindowHandle(), &r);
    ClickClient(Button->WindowHandle(), POINT{r.right / 2, r.bottom / 2});
  }

  TApplication App{nullptr};
  TShownMessages Shown;
  TPreviewForm* Form = nullptr;
};

TEST_F(PreviewWindowTest, OpensWithEveryControlKindLaidOutTidily) {
  HWND wnd = Form->WindowHandle();
  ASSERT_TRUE(IsWindowVisible(wnd));
  char caption[64];
  GetWindowTextA(wnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "Fernwick skin preview");
  EXPECT_NE(GetMenu(wnd), nullptr);
  EXPECT_TRUE(Shown.Texts.empty());

  std::set<std::string> kinds;
  for (int i = 0; i < Form->ComponentCount(); ++i) kinds.insert(Form->Component(i)->ClassName());
  for (const char* kind :
       {"TLabel",         "TLabeledEdit", "TEdit",           "TButton",      "TTreeView",
        "TMainMenu",      "TPopupMenu",   "TImageList",      "TSaveDialog",  "TToolBar",
        "TToolButton",    "TStatusBar",   "TPageControl",    "TTabSheet",    "TProgressBar",
        "TTrackBar",      "TUpDown",      "TDateTimePicker", "TMediaPlayer", "TListView",
        "THeaderControl", "TTabControl",  "TGroupBox",       "TCheckBox",    "TRadioButton",
        "TRadioGroup",    "TPanel",       "TScrollBox",      "TMemo",        "TListBox",
        "TComboBox",      "TScrollBar",   "TBitBtn",         "TSpeedButton", "TSkinData"})
    EXPECT_EQ(kinds.count(kind), 1u) << kind << " is missing";

  // The window fits on the screen and nothing in it is clipped or covered.
  RECT window;
  GetWindowRect(wnd, &window);
  EXPECT_GE(window.left, 0);
  EXPECT_GE(window.top, 0);
  EXPECT_LE(window.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(window.bottom, GetSystemMetrics(SM_CYSCREEN));
  // Page by page.
  for (int i = 0; i < Form->PageControl1->PageCount(); ++i) {
    Form->PageControl1->SetActivePageIndex(i);
    PumpMessages(50);
    SCOPED_TRACE(Form->PageControl1->Pages(i)->GetText());
    ExpectTidyLayout(Form);
  }

  // Beside the tabs the window's colour shows.
  HWND pages = Form->PageControl1->WindowHandle();
  RECT strip;
  GetClientRect(pages, &strip);
  RedrawWindow(pages, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(PixelOf(pages, strip.right - 12, 6), GetSysColor(COLOR_BTNFACE));

  // The menu images were drawn, one per glyph.
  EXPECT_EQ(Form->MenuImages->Count(), PreviewGlyphs::gCount);
  EXPECT_GT(Form->TreeView1->Items().Count(), 5);
  EXPECT_GT(Form->ListView1->Items().Count(), 5);
  // The memo and the list box have more than they can show, both ways.
  for (HWND scrolled : {Form->Memo1->WindowHandle(), Form->ListBox1->WindowHandle()}) {
    SCROLLINFO si{sizeof si, SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(scrolled, SB_VERT, &si));
    EXPECT_GT(si.nMax - si.nMin + 1, static_cast<int>(si.nPage));
    ASSERT_TRUE(GetScrollInfo(scrolled, SB_HORZ, &si));
    EXPECT_GT(si.nMax - si.nMin + 1, static_cast<int>(si.nPage));
  }
}

TEST_F(PreviewWindowTest, ButtonsOpenTheDialogsAndTheMDIWindow) {
  {
    TSaveDialogAnswer answer("");
    ClickButton(Form->SaveDialogButton);
    PumpUntil([&] { return answer.Seen(); }, 6000);
    PumpMessages(200);
    EXPECT_TRUE(answer.Seen());
    EXPECT_EQ(answer.Proposed(), "Untitled.skn");
  }
  {
    TWindowAnswer answer("#32770", [](HWND Box) { PostMessageA(Box, WM_COMMAND, IDCANCEL, 0); });
    ClickButton(Form->MessageBoxButton);
    PumpUntil([&] { return answer.Seen(); }, 6000);
    PumpMessages(200);
    EXPECT_TRUE(answer.Seen());
    EXPECT_EQ(answer.Caption(), "Skin preview");
  }
  ClickButton(Form->MDIWindowButton);
  ASSERT_TRUE(PumpUntil([&] { return Form->MDIWindow() != nullptr; }, 3000));
  TPreviewMDIForm* mdi = Form->MDIWindow();
  EXPECT_TRUE(IsWindowVisible(mdi->WindowHandle()));
  ASSERT_EQ(mdi->MDIChildCount(), 3);
  EXPECT_EQ(mdi->ActiveMDIChild(), mdi->MDIChildren(2));
  char text[32];
  GetWindowTextA(mdi->MDIChildren(0)->WindowHandle(), text, sizeof text);
  EXPECT_STREQ(text, "Document 1");
  // Its window menu lists the documents.
  HMENU windowMenu = GetSubMenu(GetMenu(mdi->WindowHandle()), 1);
  EXPECT_GE(GetMenuItemCount(windowMenu), 3 + 1 + 3);

  // Closing it frees it; the preview notices.
  PostMessageA(mdi->WindowHandle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return Form->MDIWindow() == nullptr; }, 3000));
  EXPECT_TRUE(Shown.Texts.empty());
}

TEST_F(PreviewWindowTest, RightClickOpensThePopupMenu) {
  HWND wnd = Form->WindowHandle();
  RECT client;
  GetClientRect(wnd, &client);
  int items = -1;
  TWindowAnswer answer("#32768", [&](HWND Menu) {
    items = GetMenuItemCount(reinterpret_cast<HMENU>(SendMessageA(Menu, MN_GETHMENU, 0, 0)));
    PressChord({VK_ESCAPE});
  });
  // An empty spot near the bottom left corner.
  ClickClient(wnd, POINT{8, client.bottom - 8}, true);
  PumpUntil([&] { return answer.Seen(); }, 6000);
  PumpMessages(200);
  ASSERT_TRUE(answer.Seen());
  EXPECT_EQ(items, GetMenuItemCount(Form->PopupMenu1->Handle()));
  EXPECT_EQ(FindProcessWindow("#32768"), nullptr);
}

TEST_F(PreviewWindowTest, ClosingLeavesNoWindowBehind) {
  ClickButton(Form->MDIWindowButton);
  ASSERT_TRUE(PumpUntil([&] { return Form->MDIWindow() != nullptr; }, 3000));
  HWND mdi = Form->MDIWindow()->WindowHandle();
  HWND wnd = Form->WindowHandle();
  PostMessageA(wnd, WM_CLOSE, 0, 0);
  PumpUntil([&] { return App.Terminated(); }, 3000);
  EXPECT_TRUE(App.Terminated());
  EXPECT_FALSE(IsWindowVisible(wnd));
  delete Form;
  Form = nullptr;
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_FALSE(IsWindow(mdi));
  EXPECT_EQ(FindProcessWindow("TPreviewMDIForm"), nullptr);
  EXPECT_EQ(FindProcessWindow("TPreviewForm"), nullptr);
}

}  // namespace
