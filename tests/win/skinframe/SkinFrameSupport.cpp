#include "skinframe/SkinFrameSupport.h"

#include <atomic>
#include <fstream>
#include <thread>

#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinStream.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

void AddImage(TSkinArchiveBuilder& Builder, std::string& Ini, const char* Side,
              const TPixelBuffer& Image, int Frames, int Trans) {
  if (Image.Empty()) return;
  const std::string file = std::string(Side) + ".bmp";
  Builder.Add(file, BmpEncoder::Encode24(Image));
  Ini += std::string(Side) + "=" + file + "\r\n";
  Ini += std::string(Side) + "Frame=" + std::to_string(Frames) + "\r\n";
  Ini += std::string(Side) + "Trans=" + std::to_string(Trans) + "\r\n";
}

}  // namespace

TBytes MakeSkin(const TTestSkinImages& Images) {
  TSkinArchiveBuilder builder;
  std::string ini = "[TitlebarSkin]\r\nSkinName=Test\r\n[Personality]\r\n";
  AddImage(builder, ini, "Left", Images.Left, Images.LeftFrames, Images.Trans);
  AddImage(builder, ini, "Right", Images.Right, Images.RightFrames, Images.Trans);
  AddImage(builder, ini, "Top", Images.Top, Images.TopFrames, Images.Trans);
  AddImage(builder, ini, "Bottom", Images.Bottom, Images.BottomFrames, Images.Trans);
  ini += "ActiveTextR=250\r\nActiveTextG=250\r\nActiveTextB=10\r\n";
  ini += "InActiveTextR=10\r\nInActiveTextG=250\r\nInActiveTextB=250\r\n";
  ini += Images.ExtraPersonality;
  ini += "[Colours]\r\nTitleTextActive=250 250 10\r\nTitleTextNoActive=10 250 250\r\n";
  ini += Images.ExtraSections;
  for (const auto& [name, image] : Images.Extra) builder.Add(name, BmpEncoder::Encode24(image));
  builder.Add("skin.ini", TBytes(ini.begin(), ini.end()));
  return builder.BuildCompressed();
}

TTestSkinImages PlainBorders(int Left, int Title, int Right, int Bottom, TPixel ActiveColour,
                             TPixel InactiveColour) {
  TTestSkinImages images;
  auto sideBySide = [&](int W, int H) {
    TPixelBuffer b(2 * W, H, ActiveColour);
    b.FillRect({W, 0, 2 * W, H}, InactiveColour);
    return b;
  };
  auto stacked = [&](int W, int H) {
    TPixelBuffer b(W, 2 * H, ActiveColour);
    b.FillRect({0, H, W, 2 * H}, InactiveColour);
    return b;
  };
  images.Left = sideBySide(Left, 40);
  images.Right = sideBySide(Right, 40);
  images.Top = stacked(40, Title);
  images.Bottom = stacked(40, Bottom);
  images.Trans = 0;
  return images;
}

TTempSkinFile::TTempSkinFile(const TBytes& Blob, const std::string& Name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  FPath = std::string(dir) + "fwk-frame-" + std::to_string(GetCurrentProcessId()) + "-" + Name;
  std::ofstream(FPath, std::ios::binary)
      .write(reinterpret_cast<const char*>(Blob.data()), static_cast<std::streamsize>(Blob.size()));
}

TTempSkinFile::~TTempSkinFile() {
  DeleteFileA(FPath.c_str());
}

TSkinnedForm::TSkinnedForm(const TBytes& Skin) : TSkinnedForm(Skin, TOptions()) {}

TSkinnedForm::TSkinnedForm(const TBytes& Skin, const TOptions& Options) {
  Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(Options.BorderStyle);
  Form->SetBounds(120, 100, Options.ClientWidth + 16, Options.ClientHeight + 40);
  Form->SetClientWidth(Options.ClientWidth);
  Form->SetClientHeight(Options.ClientHeight);
  Form->SetText(Options.Caption);
  Form->SetTag(Options.Tag);
  Data = new TSkinData(Form.get());
  // As a form description would set it up.
  Data->SetLoading(true);
  TBytes stream;
  SkinStream::Write(Skin, stream);
  Data->ReadBinaryProperty("SkinStream", stream);
  Data->SetActive(Options.Active);
  if (Options.Configure) Options.Configure(*Data);
  Form->HandleNeeded();
  Data->Loaded();
  Form->Show();
  PumpMessages(30);
}

TSkinnedForm::~TSkinnedForm() {
  Form.reset();
  PumpMessages(10);
}

TWinSkinForm* TSkinnedForm::Skinner() const {
  TSkinManage* manager = TSkinManage::Instance();
  return manager && Form->WindowHandle() ? manager->FindFormSkinner(Form->WindowHandle()) : nullptr;
}

bool TSkinnedForm::WaitSkinned(DWORD Milliseconds) const {
  return PumpUntil(
      [&] {
        TWinSkinForm* s = Skinner();
        return s && s->SkinState() == TWinSkinForm::ssActive;
      },
      Milliseconds);
}

bool TSkinnedForm::WaitUnskinned(DWORD Milliseconds) const {
  return PumpUntil([&] { return Skinner() == nullptr; }, Milliseconds);
}

RECT WindowRectOf(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  return r;
}

RECT ClientRectOf(HWND Window) {
  RECT r{};
  GetClientRect(Window, &r);
  return r;
}

POINT ClientOffset(HWND Window) {
  POINT origin{0, 0};
  ClientToScreen(Window, &origin);
  const RECT w = WindowRectOf(Window);
  return {origin.x - w.left, origin.y - w.top};
}

namespace {

void SendMove(int X, int Y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (X * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = (Y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void SendButton(bool Down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = Down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void MouseMoveTo(int X, int Y) {
  SendMove(X, Y);
  PumpMessages(30);
}

void MouseButton(bool Down) {
  SendButton(Down);
  PumpMessages(30);
}

// The input comes from a thread of its own: moving and sizing run a modal
// loop of their own inside this thread's message handling.
void DragWithMouse(POINT From, POINT To) {
  std::atomic<bool> done{false};
  std::thread input([&] {
    SendMove(From.x, From.y);
    Sleep(80);
    SendButton(true);
    Sleep(80);
    for (int step = 1; step <= 6; ++step) {
      SendMove(From.x + (To.x - From.x) * step / 6, From.y + (To.y - From.y) * step / 6);
      Sleep(50);
    }
    Sleep(80);
    SendButton(false);
    Sleep(80);
    done = true;
  });
  PumpUntil([&] { return done.load(); }, 10000);
  input.join();
  PumpMessages(80);
}

namespace {

LRESULT CALLBACK FrameProc(HWND W, UINT M, WPARAM P, LPARAM L) {
  HWND client = FindWindowExA(W, nullptr, "MDIClient", nullptr);
  return DefFrameProcA(W, client, M, P, L);
}

LRESULT CALLBACK ChildProc(HWND W, UINT M, WPARAM P, LPARAM L) {
  return DefMDIChildProcA(W, M, P, L);
}

void RegisterMDIClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA wc{};
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpfnWndProc = FrameProc;
  wc.lpszClassName = "FwTestMDIFrame";
  RegisterClassA(&wc);
  wc.lpfnWndProc = ChildProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "FwTestMDIChild";
  RegisterClassA(&wc);
}

}  // namespace

TMDIFrame::TMDIFrame(bool WithMenu) {
  RegisterMDIClasses();
  HMENU menu = nullptr;
  if (WithMenu) {
    menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 1, "&New");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  }
  Frame = CreateWindowExA(0, "FwTestMDIFrame", "MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                          60, 60, 640, 440, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
  CLIENTCREATESTRUCT ccs{nullptr, 100};
  Client = CreateWindowExA(0, "MDIClient", nullptr,
                           WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0,
                           600, 400, Frame, nullptr, GetModuleHandleA(nullptr), &ccs);
}

void TMDIFrame::Show() {
  ShowWindow(Frame, SW_SHOW);
  SetForegroundWindow(Frame);
  PumpMessages(50);
}

TMDIFrame::~TMDIFrame() {
  DestroyWindow(Frame);
  PumpMessages(20);
}

HWND TMDIFrame::NewChild(const char* Title, DWORD Style) {
  MDICREATESTRUCTA mcs{};
  mcs.szClass = "FwTestMDIChild";
  mcs.szTitle = Title;
  mcs.hOwner = GetModuleHandleA(nullptr);
  mcs.x = mcs.y = CW_USEDEFAULT;
  mcs.cx = 260;
  mcs.cy = 180;
  mcs.style = Style;
  HWND child = reinterpret_cast<HWND>(
      SendMessageA(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  PumpMessages(50);
  return child;
}
