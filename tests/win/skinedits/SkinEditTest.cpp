// The edit painter on real edits of a skinned form: the border comes from
// the skin while the edit keeps its own text, caret and typing, printing
// and painting into a given device context keep working, and the native
// border comes back when the skin is switched off.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/SkinEdit.h"
#include "skinedits/EditSupport.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/GdiHandle.h"

namespace {

constexpr TPixel kWhite = PixelFromRgb(255, 255, 255);
constexpr TPixel kGreen = PixelFromRgb(0, 255, 0);
constexpr TPixel kRed = PixelFromRgb(255, 0, 0);

std::string TextOf(HWND Window) {
  char text[256] = {};
  GetWindowTextA(Window, text, sizeof text);
  return text;
}

// A memory device context of a window's size over a 32-bit DIB filled
// with green, and the red brush selected.
class TPrintTarget {
 public:
  TPrintTarget(int Width, int Height) : FWidth(Width), FHeight(Height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits),
                               nullptr, 0);
    FOldBitmap = SelectObject(FDC, FBitmap);
    for (int i = 0; i < Width * Height; ++i) FBits[i] = kGreen;
    FRed = CreateSolidBrush(RGB(255, 0, 0));
    FOldBrush = SelectObject(FDC, FRed);
  }
  ~TPrintTarget() {
    SelectObject(FDC, FOldBrush);
    SelectObject(FDC, FOldBitmap);
    DeleteObject(FRed);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }
  TPixel Pixel(int X, int Y) const {
    GdiFlush();
    return FBits[Y * FWidth + X] & 0xFFFFFF;
  }
  int CountNot(TPixel Colour) const {
    GdiFlush();
    int n = 0;
    for (int i = 0; i < FWidth * FHeight; ++i) n += (FBits[i] & 0xFFFFFF) != Colour;
    return n;
  }

 private:
  int FWidth, FHeight;
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
  HBRUSH FRed = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  std::uint32_t* FBits = nullptr;
};

}  // namespace

TEST(SkinEdit, TheBorderIsTheSkinsWhileTheEditTypesAndTheNativeOneComesBack) {
  TEditsForm form;
  auto* edit = form.Add<TEdit>(20, 20, 160, 23);
  auto* other = form.Add<TEdit>(20, 60, 160, 23);
  ASSERT_TRUE(form.Skin());
  HWND wnd = edit->WindowHandle();
  auto* painter = dynamic_cast<TSkinEdit*>(form.PainterOf(wnd));
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(dynamic_cast<TSkinEdit*>(form.PainterOf(other->WindowHandle())), nullptr);
  const TPixel shadow = form.Shown(form.Colours().ButtonShadow);
  const RECT r = WindowRectOf(wnd);
  const int w = r.right - r.left, h = r.bottom - r.top;

  auto skinnedBorder = [&] {
    const TPixelBuffer shot = CaptureWindow(wnd);
    return shot.Pixel(0, 0) == shadow && shot.Pixel(w / 2, 0) == shadow &&
           shot.Pixel(w - 1, h / 2) == shadow && shot.Pixel(w / 2, h - 1) == shadow &&
           shot.Pixel(1, h / 2) == kWhite && shot.Pixel(w / 2, 1) == kWhite &&
           shot.Pixel(2, h / 2) == kWhite;
  };
  EXPECT_TRUE(skinnedBorder());

  // Clicked and typed into: the focus change and the typing keep the skin's
  // border, and the edit has the text.
  ClickScreen(CentreOf(wnd));
  PumpUntil([&] { return GetFocus() == wnd; }, 2000);
  EXPECT_EQ(GetFocus(), wnd);
  TypeKeys({'F', 'W'});
  EXPECT_TRUE(PumpUntil([&] { return TextOf(wnd) == "fw"; }, 2000)) << TextOf(wnd);
  EXPECT_TRUE(skinnedBorder());

  // The system drawing the frame alone (as when only the border is
  // uncovered) does not bring the native border back.
  SendMessageA(wnd, WM_NCPAINT, 1, 0);
  PumpMessages(20);
  EXPECT_TRUE(skinnedBorder());

  ASSERT_TRUE(form.Unskin());
  EXPECT_NE(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
  RedrawNow(wnd);
  EXPECT_NE(PixelOf(wnd, 0, 0), shadow);
  EXPECT_NE(PixelOf(wnd, w / 2, 0), shadow);
  EXPECT_EQ(TextOf(wnd), "fw");
}

TEST(SkinEdit, PrintingAndPaintingIntoAGivenContextAndABorderlessEdit) {
  TEditsForm form;
  auto* edit = form.Add<TEdit>(20, 20, 160, 23);
  edit->SetText("Hello");
  ASSERT_TRUE(form.Skin());
  HWND wnd = edit->WindowHandle();
  ASSERT_NE(dynamic_cast<TSkinEdit*>(form.PainterOf(wnd)), nullptr);
  const TPixel shadow = form.Shown(form.Colours().ButtonShadow);
  const RECT r = WindowRectOf(wnd);
  const int w = r.right - r.left, h = r.bottom - r.top;

  // Printing the client area: the edit prints itself, then the thin
  // border: the outer line in the skin's shadow colour, the one inside it
  // with the target's brush.
  {
    TPrintTarget target(w, h);
    SendMessageA(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT);
    EXPECT_EQ(target.Pixel(0, 0), shadow);
    EXPECT_EQ(target.Pixel(w / 2, h - 1), shadow);
    EXPECT_EQ(target.Pixel(1, h / 2), kRed);
    EXPECT_EQ(target.Pixel(w - 2, h / 2), kRed);
  }
  // The engine's request to paint into a given context: the edit paints
  // itself there and the answer is the engine's tag; a wParam that is no
  // device context paints nothing and still answers.
  {
    TPrintTarget target(w, h);
    EXPECT_EQ(SendMessageA(wnd, SM_PAINTCLIENTDC, reinterpret_cast<WPARAM>(target.DC()),
                           kEngineMessageTag),
              kEngineMessageTag);
    EXPECT_GT(target.CountNot(kGreen), w * h / 2);
    EXPECT_EQ(SendMessageA(wnd, SM_PAINTCLIENTDC, 0x1234, kEngineMessageTag), kEngineMessageTag);
  }

  // An edit without a border keeps its look.
  HWND plain = CreateWindowExA(0, "EDIT", "plain", WS_CHILD | WS_VISIBLE, 20, 80, 160, 20,
                               form.Form(), nullptr, GetModuleHandleA(nullptr), nullptr);
  TWinSkinForm* skinner = form.Skinned.Skinner();
  auto* bare = new TSkinEdit(skinner);
  bare->AttachToWindow(plain, form.Skinned.Data, skinner, &skinner->CanvasWork());
  RedrawNow(plain);
  EXPECT_EQ(SendMessageA(plain, SM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(PixelOf(plain, 0, 0), kWhite);
  EXPECT_EQ(PixelOf(plain, 0, 10), kWhite);
  DestroyWindow(plain);
}
