// Pop-up menu windows taken over by the engine: the form's pop-up menus and
// the platform's own edit menu get the skin's frame and answer the engine's
// query; a window procedure taken over is given back in time.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "skin/engine/EngineMessages.h"
#include "skin/menus/PopupMenuSkinner.h"
#include "skinmenus/MenuTestSupport.h"
#include "toolkit/CustomEdit.h"

namespace {

COLORREF ImagePixel(const TPixelBuffer& Image, int X, int Y) {
  const TPixel p = Image.Pixel(X, Y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Runs Modal in this thread (a menu's loop) while Script sends input.
void RunModal(const std::function<void()>& Modal, const std::function<void()>& Script) {
  std::atomic<bool> done{false};
  std::thread input([&] {
    Sleep(100);
    Script();
    done = true;
  });
  Modal();
  PumpUntil([&] { return done.load(); }, 10000);
  input.join();
  PumpMessages(50);
}

struct TFrameSample {
  LRESULT Skinned = 0;
  COLORREF Corner = CLR_INVALID, Edge = CLR_INVALID;
  RECT Rect{};
};

TFrameSample SampleMenu(HWND Menu) {
  TFrameSample sample;
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(Menu, SM_ISSKINNED, 0, 0, SMTO_BLOCK, 1000, &answer);
  sample.Skinned = static_cast<LRESULT>(answer);
  sample.Rect = WindowRectOf(Menu);
  sample.Corner = WindowPixel(Menu, 0, 0);
  sample.Edge = WindowPixel(Menu, 1, (sample.Rect.bottom - sample.Rect.top) / 2);
  return sample;
}

}  // namespace

TEST(PopupMenu, FormPopupGetsTheSkinFrameAndIsLetGoWhenClosed) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  ASSERT_TRUE(form.Popup->GetOwnerDraw());
  const DWORD thread = GetCurrentThreadId();
  TFrameSample sample;
  RunModal([&] { form.Popup->Popup(300, 300); },
           [&] {
             if (HWND menu = WaitMenuWindow(thread)) sample = SampleMenu(menu);
             SendKey(VK_ESCAPE);
             WaitNoMenuWindow(thread);
           });
  const TPixelBuffer& background = form.Data->Skin().MenuBackground->Image;
  EXPECT_EQ(sample.Skinned, 1);
  EXPECT_EQ(sample.Corner, ImagePixel(background, 0, 0));
  EXPECT_EQ(sample.Edge, ImagePixel(background, 1, background.Height() / 2));
  EXPECT_EQ(TSkinManage::Instance()->PopupSkinnerCount(), 0u);
}

TEST(PopupMenu, ChosenItemOfASkinnedPopupRuns) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const DWORD thread = GetCurrentThreadId();
  RunModal([&] { form.Popup->Popup(300, 300); },
           [&] {
             HWND menu = WaitMenuWindow(thread);
             if (!menu) return;
             RECT item{};
             GetMenuItemRect(nullptr, form.Popup->Handle(), 2, &item);
             SendClick({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
             WaitNoMenuWindow(thread);
           });
  ASSERT_EQ(form.Clicked.size(), 1u);
  EXPECT_EQ(form.Clicked[0], "&Close");
}

TEST(PopupMenu, EditsPlatformMenuIsSkinned) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  auto* edit = new TEdit(form.Form.get());
  edit->SetParent(form.Form.get());
  edit->SetBounds(20, 20, 200, 24);
  edit->SetText("address");
  PumpMessages(100);
  const DWORD thread = GetCurrentThreadId();
  TFrameSample sample;
  RunWithInput([&] {
    RECT r = WindowRectOf(edit->WindowHandle());
    SendClick({r.left + 30, r.top + 10}, true);
    if (HWND menu = WaitMenuWindow(thread)) sample = SampleMenu(menu);
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
  });
  const TPixelBuffer& background = form.Data->Skin().MenuBackground->Image;
  EXPECT_EQ(sample.Skinned, 1);
  EXPECT_EQ(sample.Corner, ImagePixel(background, 0, 0));
  EXPECT_EQ(sample.Edge, ImagePixel(background, 1, background.Height() / 2));
}

namespace {

// A window standing in for a menu window: it records what reaches its own
// procedure.
struct TRecorder {
  static LRESULT CALLBACK Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_DESTROY)
      ProcAtDestroy = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Window, GWLP_WNDPROC));
    if (Msg == WM_ERASEBKGND) ++Erases;
    if (Msg == WM_NCPAINT) ++NcPaints;
    return DefWindowProcA(Window, Msg, WParam, LParam);
  }
  static inline WNDPROC ProcAtDestroy = nullptr;
  static inline int Erases = 0;
  static inline int NcPaints = 0;

  TRecorder() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FwkMenuStandIn";
    RegisterClassA(&wc);
    // Shown without activation, as menus are: no frame skinner takes it.
    Window = CreateWindowExA(WS_EX_TOOLWINDOW, "FwkMenuStandIn", "", WS_POPUP, 40, 40, 120, 90,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(Window, SW_SHOWNOACTIVATE);
    ProcAtDestroy = nullptr;
    Erases = NcPaints = 0;
  }
  ~TRecorder() {
    if (IsWindow(Window)) DestroyWindow(Window);
  }
  HWND Window;
};

}  // namespace

TEST(PopupMenuSkinner, DestroyedWindowHasItsProcedureBackBeforeItsOwnDestruction) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  TRecorder recorder;
  TWinSkinPopMenu skinner;
  skinner.Attach(recorder.Window, form.Data, 0);
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(recorder.Window, GWLP_WNDPROC)),
            &TRecorder::Proc);
  EXPECT_EQ(SendMessageA(recorder.Window, SM_ISSKINNED, 0, 0), 1);
  DestroyWindow(recorder.Window);
  EXPECT_EQ(TRecorder::ProcAtDestroy, &TRecorder::Proc);
  EXPECT_FALSE(skinner.Attached());
  skinner.Detach();  // a second time does nothing
  EXPECT_TRUE(skinner.Background().Empty());
}

TEST(PopupMenuSkinner, PaintsTheFrameAndSuppressesTheEraseWithMenuBackgroundOption) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  TRecorder recorder;
  TWinSkinPopMenu skinner;
  skinner.Attach(recorder.Window, form.Data, 0);
  SendMessageA(recorder.Window, WM_NCPAINT, 1, 0);
  EXPECT_EQ(TRecorder::NcPaints, 0);
  EXPECT_EQ(skinner.Background().Width(), 120);
  const TPixelBuffer& image = form.Data->Skin().MenuBackground->Image;
  EXPECT_EQ(WindowPixel(recorder.Window, 0, 0), ImagePixel(image, 0, 0));

  HDC dc = GetDC(recorder.Window);
  EXPECT_EQ(SendMessageA(recorder.Window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(TRecorder::Erases, 1);
  TSkinOptions options = form.Data->GetOptions();
  options.Include(xoMenuBG);
  form.Data->SetOptions(options);
  EXPECT_EQ(SendMessageA(recorder.Window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(TRecorder::Erases, 1);
  ReleaseDC(recorder.Window, dc);

  // Skinning switched off: everything but the query goes to the window.
  TSkinManage::Instance()->SetActive(false);
  SendMessageA(recorder.Window, WM_NCPAINT, 1, 0);
  EXPECT_EQ(TRecorder::NcPaints, 1);
  EXPECT_EQ(SendMessageA(recorder.Window, SM_ISSKINNED, 0, 0), 1);
  TSkinManage::Instance()->SetActive(true);
}

TEST(PopupMenuSkinner, SkinWithoutMenuBackgroundLeavesTheFrameToTheSystem) {
  TMenuForm form(MakeSkin(PlainBorders(4, 24, 4, 4, PixelFromRgb(10, 60, 110),
                                       PixelFromRgb(90, 90, 90))));
  ASSERT_TRUE(form.WaitSkinned());
  TRecorder recorder;
  TWinSkinPopMenu skinner;
  skinner.Attach(recorder.Window, form.Data, 0);
  SendMessageA(recorder.Window, WM_NCPAINT, 1, 0);
  EXPECT_EQ(TRecorder::NcPaints, 1);
  EXPECT_TRUE(skinner.Background().Empty());
  EXPECT_EQ(SendMessageA(recorder.Window, SM_ISSKINNED, 0, 0), 1);
}
