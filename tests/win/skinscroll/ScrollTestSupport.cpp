#include "skinscroll/ScrollTestSupport.h"

#include <atomic>
#include <thread>

#include "common/MessagePump.h"
#include "common/ProgramSkin.h"
#include "skin/archive/SkinStream.h"
#include "skin/engine/SkinManager.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/painters/WScrollbar.h"
#include "toolkit/TreeView.h"

TScrollForm::TScrollForm(bool Engine) {
  Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(40, 40, 720, 520);
  Form->SetText("Scroll bars");
  Data = new TSkinData(Form.get());
  Data->SetLoading(true);
  TBytes stream;
  SkinStream::Write(ProgramSkin(), stream);
  Data->ReadBinaryProperty("SkinStream", stream);
  Form->HandleNeeded();
  if (Engine) return;
  Data->SetLoading(false);
  Form->Show();
  PumpMessages(30);
}

bool TScrollForm::Start() {
  Data->SetActive(true);
  Data->Loaded();
  Form->Show();
  return PumpUntil(
      [&] {
        TWinSkinForm* skinner = Skinner();
        return skinner && skinner->SkinState() == TWinSkinForm::ssActive;
      },
      3000);
}

TWinSkinForm* TScrollForm::Skinner() const {
  TSkinManage* manager = TSkinManage::Instance();
  return manager && Form->WindowHandle() ? manager->FindFormSkinner(Form->WindowHandle())
                                         : nullptr;
}

bool TScrollForm::WaitUnskinned() const {
  return PumpUntil([&] { return Skinner() == nullptr; }, 3000);
}

TScrollForm::~TScrollForm() {
  Form.reset();
  PumpMessages(10);
}

TTreeView* TScrollForm::AddTree(int Count, RECT Bounds) {
  auto* tree = Add<TTreeView>(Bounds);
  tree->HandleNeeded();
  tree->Items().BeginUpdate();
  for (int i = 0; i < Count; ++i) tree->Items().Add("Node " + std::to_string(i));
  tree->Items().EndUpdate();
  PumpMessages(20);
  return tree;
}

SCROLLBARINFO NativeBar(HWND Window, LONG Object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(Window, Object, &info);
  return info;
}

SCROLLINFO ScrollPosition(HWND Window, int Bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Window, Bar, &info);
  return info;
}

RECT WindowRectOf(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  return r;
}

TPixelBuffer ExpectedPicture(const TSkinData& Data, const TWScrollbar& Bar) {
  const RECT r = WindowRectOf(Bar.WindowHandle());
  TScrollBarState state;
  state.Vertical = Bar.Vertical();
  state.Width = r.right - r.left;
  state.Height = r.bottom - r.top;
  state.ArrowSize = Bar.ArrowSize();
  state.Thumb = Bar.Thumb();
  if (Bar.Kind() == TWScrollbar::bkControl)
    state.Unavailable = !IsWindowEnabled(Bar.Target());
  else
    state.Unavailable =
        (NativeBar(Bar.Target(), Bar.Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL).rgstate[0] &
         STATE_SYSTEM_UNAVAILABLE) != 0;
  state.HotPart = Bar.HotPart();
  state.Pressed = Bar.Pressed();
  return BuildScrollBarImage(Data.Skin(), ResolveColor(Data.Skin().Colours.ButtonFace), state);
}

TPixelBuffer ScreenPixels(const RECT& Screen) {
  const int w = Screen.right - Screen.left, h = Screen.bottom - Screen.top;
  TPixelBuffer result(w, h);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, Screen.left, Screen.top, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const TPixel*>(bits);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) result.SetPixel(x, y, pixels[y * w + x] & 0xFFFFFF);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return result;
}

int PixelsOffPicture(const TSkinData& Data, const TWScrollbar& Bar) {
  const TPixelBuffer expected = ExpectedPicture(Data, Bar);
  const TPixelBuffer shown = ScreenPixels(WindowRectOf(Bar.WindowHandle()));
  if (expected.Empty() || expected.Width() != shown.Width() || expected.Height() != shown.Height())
    return -1;
  int off = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) off += shown.Pixel(x, y) != expected.Pixel(x, y);
  return off;
}

namespace {

void SendMouse(DWORD Flags, POINT At = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = Flags;
  if (Flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(At.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(At.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  }
  SendInput(1, &input, sizeof input);
}

}  // namespace

void MouseTo(POINT At) {
  SetCursorPos(At.x, At.y);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, At);
}

void MouseDown() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void MouseUp() {
  SendMouse(MOUSEEVENTF_LEFTUP);
}

void ClickAt(POINT At) {
  MouseTo(At);
  PumpMessages(20);
  // Both go in at once: the native tracking loop the press starts finds
  // the release waiting.
  MouseDown();
  MouseUp();
  PumpMessages(60);
}

void RunInput(const std::function<void()>& Script) {
  std::atomic<bool> done{false};
  std::thread input([&] {
    Script();
    done = true;
  });
  PumpUntil([&] { return done.load(); }, 10000);
  input.join();
  PumpMessages(60);
}

void DragFromTo(POINT From, POINT To) {
  RunInput([&] {
    MouseTo(From);
    Sleep(60);
    MouseDown();
    Sleep(100);
    for (int step = 1; step <= 8; ++step) {
      MouseTo({From.x + (To.x - From.x) * step / 8, From.y + (To.y - From.y) * step / 8});
      Sleep(40);
    }
    MouseUp();
  });
}

POINT OnBar(const TWScrollbar& Bar, int Along) {
  const RECT r = WindowRectOf(Bar.WindowHandle());
  if (Bar.Vertical()) return {(r.left + r.right) / 2, r.top + Along};
  return {r.left + Along, (r.top + r.bottom) / 2};
}
