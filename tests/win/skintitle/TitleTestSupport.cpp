#include "skintitle/TitleTestSupport.h"

#include <memory>

#include "common/MessagePump.h"
#include "skin/engine/SkinData.h"

TWinSysButton* ButtonWithAction(TWinSkinForm& Skinner, int Action, int Visibility) {
  for (const auto& button : Skinner.TitleButtons().Buttons())
    if (button->Action() == Action &&
        (Visibility == -1000 || button->Element().Visibility == Visibility))
      return button.get();
  return nullptr;
}

POINT ScreenCentre(HWND Window, const TWinSysButton& Button) {
  const RECT w = WindowRectOf(Window);
  return {w.left + (Button.Rect.left + Button.Rect.right) / 2,
          w.top + (Button.Rect.top + Button.Rect.bottom) / 2};
}

double FrameShown(HWND Window, const TWinSysButton& Button, int Frame) {
  const TPixelBuffer& image = Button.Image();
  const int w = image.Width() / Button.FrameCount();
  HDC dc = GetWindowDC(Window);
  int opaque = 0, same = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < w; ++x) {
      const TPixel p = image.Pixel(x + (Frame - 1) * w, y);
      if ((p & 0xFFFFFF) == (KeyPixel & 0xFFFFFF)) continue;
      ++opaque;
      const COLORREF shown = GetPixel(dc, Button.Rect.left + x, Button.Rect.top + y);
      if (shown == RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF)) ++same;
    }
  ReleaseDC(Window, dc);
  return opaque ? static_cast<double>(same) / opaque : 0.0;
}

TSkinnedForm::TOptions FormWithIcons(TBorderIcons Icons, TFormBorderStyle Border) {
  TSkinnedForm::TOptions options;
  options.BorderStyle = Border;
  options.Configure = [Icons](TSkinData& Data) {
    if (auto* form = dynamic_cast<TForm*>(Data.Owner())) form->SetBorderIcons(Icons);
  };
  return options;
}

namespace {

struct TMenuWatch {
  std::function<void(const TMenuSeen&)> WhileOpen;
  TMenuSeen Seen;
  bool Done = false;
};
TMenuWatch* Watch = nullptr;

HWND OpenMenuWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND Wnd, LPARAM Out) -> BOOL {
        char name[16] = {};
        GetClassNameA(Wnd, name, sizeof name);
        if (std::string(name) != "#32768" || !IsWindowVisible(Wnd)) return TRUE;
        *reinterpret_cast<HWND*>(Out) = Wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Whatever the test sent, the menu does not outlive it.
void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  EndMenu();
}

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR Id, DWORD) {
  if (!Watch || Watch->Done) return;
  HWND window = OpenMenuWindow();
  if (!window) return;
  TMenuSeen& seen = Watch->Seen;
  seen.Opened = true;
  seen.Menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  GetWindowRect(window, &seen.WindowRect);
  for (int i = 0; seen.Menu && i < GetMenuItemCount(seen.Menu); ++i) {
    char text[128] = {};
    GetMenuStringA(seen.Menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    seen.Captions.emplace_back(text);
    seen.Grayed.push_back((GetMenuState(seen.Menu, static_cast<UINT>(i), MF_BYPOSITION) &
                           (MF_GRAYED | MF_DISABLED)) != 0);
  }
  Watch->Done = true;
  KillTimer(nullptr, Id);
  SetTimer(nullptr, 0, 3000, EndStuckMenu);
  Watch->WhileOpen(seen);
}

}  // namespace

bool MenuWindowOpen() {
  return OpenMenuWindow() != nullptr;
}

void SendDoubleClick(POINT At) {
  SetCursorPos(At.x, At.y);
  INPUT inputs[5]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(At.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(At.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = inputs[3].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = inputs[4].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(5, inputs, sizeof(INPUT));
}

TMenuSeen WatchMenu(const std::function<void()>& Open,
                    const std::function<void(const TMenuSeen&)>& WhileOpen, DWORD Milliseconds) {
  TMenuWatch watch{WhileOpen, {}, false};
  Watch = &watch;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtMenu);
  Open();
  PumpUntil([&] { return watch.Done; }, Milliseconds);
  KillTimer(nullptr, timer);
  // The menu closes from what WhileOpen sent.
  PumpUntil([] { return OpenMenuWindow() == nullptr; }, 2000);
  PumpMessages(50);
  Watch = nullptr;
  return watch.Seen;
}

RECT MenuItemScreenRect(HMENU Menu, int Position) {
  RECT r{};
  GetMenuItemRect(nullptr, Menu, static_cast<UINT>(Position), &r);
  return r;
}

int MenuPositionOf(const TMenuSeen& Seen, const std::string& Text) {
  for (size_t i = 0; i < Seen.Captions.size(); ++i) {
    std::string plain;
    for (char c : Seen.Captions[i])
      if (c != '&') plain += c;
    if (plain.rfind(Text, 0) == 0) return static_cast<int>(i);
  }
  return -1;
}
