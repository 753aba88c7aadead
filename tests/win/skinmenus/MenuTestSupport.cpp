#include "skinmenus/MenuTestSupport.h"

#include <atomic>
#include <thread>

#include "skin/archive/SkinStream.h"
#include "skin/frame/MenuBar.h"
#include "skin/frame/MenuBarButton.h"
#include "skin/imaging/SkinSystem.h"

TMenuForm::TMenuForm(const TBytes& Skin, const TMenuFormOptions& Options) {
  Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsSizeable);
  Form->SetBounds(100, 80, 520, 360);
  Form->SetText("Menus");
  if (Options.RightToLeft) Form->SetBiDiMode(bdRightToLeft);
  Images = new TImageList(Form.get());
  Images->SetWidth(16);
  Images->SetHeight(16);
  for (int i = 0; i < 3; ++i) Images->AddIcon(LoadIconA(nullptr, IDI_APPLICATION));

  Main = new TMainMenu(Form.get());
  Main->SetImages(Images);
  File = AddItem(Main->Items(), "&File");
  New = AddItem(File, "&New");
  New->SetImageIndex(0);
  New->SetShortCut(scCtrl | 'N');
  AddItem(File, "-");
  Recent = AddItem(File, "&Recent");
  AddItem(Recent, "&1 First");
  AddItem(Recent, "&2 Second");
  Print = AddItem(File, "&Print");
  Print->SetEnabled(false);
  Exit = AddItem(File, "E&xit");
  Edit = AddItem(Main->Items(), "&Edit");
  Cut = AddItem(Edit, "Cu&t");
  Cut->SetShortCut(scCtrl | 'X');
  Copy = AddItem(Edit, "&Copy");
  View = AddItem(Main->Items(), "&View");
  ToolBar = AddItem(View, "&Tool bar");
  ToolBar->SetChecked(true);
  AddItem(View, "-");
  Large = AddItem(View, "&Large");
  Large->SetRadioItem(true);
  Small = AddItem(View, "&Small");
  Small->SetRadioItem(true);
  Small->SetChecked(true);
  Help = AddItem(Main->Items(), "&Help");
  About = AddItem(Help, "&About");
  About->SetDefault(true);
  if (Options.RightToLeft) Main->SetBiDiMode(bdRightToLeft);
  Form->SetMenu(Main);

  Popup = new TPopupMenu(Form.get());
  AddItem(Popup->Items(), "&Open");
  AddItem(Popup->Items(), "-");
  AddItem(Popup->Items(), "&Close");

  Data = new TSkinData(Form.get());
  Data->SetLoading(true);
  TBytes stream;
  SkinStream::Write(Skin, stream);
  Data->ReadBinaryProperty("SkinStream", stream);
  Data->SetActive(Options.Active);
  if (Options.Configure) Options.Configure(*Data);
  Form->HandleNeeded();
  Data->Loaded();
  Form->Show();
  SetForegroundWindow(Handle());
  PumpMessages(30);
}

TMenuForm::~TMenuForm() {
  Form.reset();
  PumpMessages(10);
}

TMenuItem* TMenuForm::AddItem(TMenuItem* Parent, const std::string& Caption) {
  auto* item = new TMenuItem(Form.get());
  item->SetCaption(Caption);
  item->OnClick = TNotifyEvent(this, &TMenuForm::ItemClicked);
  Parent->Add(item);
  return item;
}

void TMenuForm::ItemClicked(TObject* Sender) {
  if (auto* item = dynamic_cast<TMenuItem*>(Sender)) Clicked.push_back(item->GetCaption());
}

TWinSkinForm* TMenuForm::Skinner() const {
  TSkinManage* manager = TSkinManage::Instance();
  return manager && Handle() ? manager->FindFormSkinner(Handle()) : nullptr;
}

TWinSkinMenu* TMenuForm::Bar() const {
  TWinSkinForm* skinner = Skinner();
  return skinner ? skinner->MenuBar() : nullptr;
}

bool TMenuForm::WaitSkinned() const {
  return PumpUntil(
      [&] {
        TWinSkinForm* s = Skinner();
        return s && s->SkinState() == TWinSkinForm::ssActive;
      },
      3000);
}

POINT TMenuForm::BarItemCentre(int Index) const {
  const RECT r = Bar()->Items(Index)->Rect;
  const RECT w = WindowRectOf(Handle());
  return {w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
}

namespace {

struct TMenuSearch {
  std::vector<HWND> Found;
};

BOOL CALLBACK CollectMenuWindow(HWND Window, LPARAM Param) {
  char name[16] = {};
  GetClassNameA(Window, name, sizeof name);
  if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(Window))
    reinterpret_cast<TMenuSearch*>(Param)->Found.push_back(Window);
  return TRUE;
}

}  // namespace

std::vector<HWND> MenuWindows(DWORD ThreadId) {
  TMenuSearch search;
  EnumThreadWindows(ThreadId, CollectMenuWindow, reinterpret_cast<LPARAM>(&search));
  // Z order lists the newest first.
  return {search.Found.rbegin(), search.Found.rend()};
}

HWND WaitMenuWindow(DWORD ThreadId, DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    const std::vector<HWND> windows = MenuWindows(ThreadId);
    if (!windows.empty()) {
      Sleep(150);  // painted
      return windows.back();
    }
    Sleep(20);
  }
  return nullptr;
}

bool WaitNoMenuWindow(DWORD ThreadId, DWORD Milliseconds) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    if (MenuWindows(ThreadId).empty()) return true;
    Sleep(20);
  }
  return false;
}

HMENU MenuOfWindow(HWND MenuWindow) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(MenuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0, SMTO_BLOCK, 1000, &result);
  return reinterpret_cast<HMENU>(result);
}

namespace {

// Mouse moves go through the window thread. While a drop-down is open,
// Wine holds the X pointer grabbed on the window thread's display
// connection and refuses to move the X pointer for input sent from any
// other thread: Wine's cursor moves, the X pointer stays, and the next menu
// window that appears reports the X pointer's old position as a move back
// there. A real mouse moves the X pointer itself; sending the move from
// the window thread, whose connection holds the grab, keeps the two
// together as a real mouse does.
struct TMoveRelay {
  std::atomic<bool> Active{false};
  std::atomic<bool> Pending{false};
  POINT Target{};
};

TMoveRelay Relay;

void SendAbsoluteMove(POINT Screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (Screen.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = (Screen.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

// Runs on the window thread, from its own message loop or a menu's.
void CALLBACK RelayMove(HWND, UINT, UINT_PTR, DWORD) {
  if (!Relay.Pending) return;
  SendAbsoluteMove(Relay.Target);
  Relay.Pending = false;
}

}  // namespace

void RunWithInput(const std::function<void()>& Script, DWORD Milliseconds) {
  std::atomic<bool> done{false};
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, RelayMove);
  Relay.Active = timer != 0;
  std::thread input([&] {
    Sleep(50);
    Script();
    done = true;
  });
  PumpUntil([&] { return done.load(); }, Milliseconds);
  input.join();
  Relay.Active = false;
  if (timer) KillTimer(nullptr, timer);
  PumpMessages(50);
}

void SendMouseMove(POINT Screen) {
  if (Relay.Active) {
    Relay.Target = Screen;
    Relay.Pending = true;
    // The window thread sends it at its next timer tick; should it be
    // stuck outside any message loop, the move goes from here.
    const DWORD end = GetTickCount() + 1000;
    while (Relay.Pending && static_cast<LONG>(GetTickCount() - end) < 0) Sleep(5);
    if (Relay.Pending.exchange(false)) SendAbsoluteMove(Screen);
  } else {
    SendAbsoluteMove(Screen);
  }
  Sleep(60);
}

void SendClick(POINT Screen, bool Right) {
  SendMouseMove(Screen);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(1, &inputs[0], sizeof(INPUT));
  Sleep(60);
  SendInput(1, &inputs[1], sizeof(INPUT));
  Sleep(100);
}

void SendKey(WORD Key, bool Alt) {
  INPUT inputs[4]{};
  UINT n = 0;
  auto add = [&](WORD key, bool up) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n].ki.wVk = key;
    if (up) inputs[n].ki.dwFlags = KEYEVENTF_KEYUP;
    ++n;
  };
  if (Alt) add(VK_MENU, false);
  add(Key, false);
  add(Key, true);
  if (Alt) add(VK_MENU, true);
  for (UINT i = 0; i < n; ++i) {
    SendInput(1, &inputs[i], sizeof(INPUT));
    Sleep(40);
  }
  Sleep(100);
}

COLORREF WindowPixel(HWND Window, int X, int Y) {
  HDC dc = GetWindowDC(Window);
  const COLORREF c = GetPixel(dc, X, Y);
  ReleaseDC(Window, dc);
  return c;
}

int CountPixels(HWND Window, const RECT& Area, COLORREF Colour) {
  HDC dc = GetWindowDC(Window);
  int count = 0;
  for (int y = Area.top; y < Area.bottom; ++y)
    for (int x = Area.left; x < Area.right; ++x)
      if (GetPixel(dc, x, y) == Colour) ++count;
  ReleaseDC(Window, dc);
  return count;
}

COLORREF ScreenColour(TColor Colour) {
  return static_cast<COLORREF>(ResolveColor(Colour) & 0xFFFFFF);
}
