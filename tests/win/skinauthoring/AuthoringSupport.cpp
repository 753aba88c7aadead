#include "skinauthoring/AuthoringSupport.h"

#include <fstream>
#include <vector>

#include "common/ProgramSkin.h"
#include "common/SyntheticInput.h"
#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinReader.h"
#include "skin/definition/QuickIni.h"
#include "skin/engine/EngineMessages.h"
#include "toolkit/portable/BmpDecoder.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

const TSkinReader& ProgramSkinReader() {
  static const TSkinReader reader = [] {
    TSkinReader r;
    r.LoadArchive(ProgramSkin());
    return r;
  }();
  return reader;
}

}  // namespace

std::string TitleBitmapName() {
  TBytes text;
  std::string name;
  ProgramSkinReader().ExtractFirstMatching(".ini", text, name);
  TQuickIni definition;
  definition.LoadFromStream(text);
  return definition.ReadString("Personality", "Top", "");
}

void WriteFile(const std::string& Path, const TBytes& Bytes) {
  std::ofstream out(Path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(Bytes.data()),
            static_cast<std::streamsize>(Bytes.size()));
}

void UnpackProgramSkin(const std::string& Folder) {
  const TSkinReader& reader = ProgramSkinReader();
  TBytes bytes;
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    reader.ExtractEntry(i, bytes);
    WriteFile(Folder + "\\" + reader.Names()[i], bytes);
  }
}

TBytes ProgramSkinWith(const std::string& Name, const TBytes& Bytes) {
  const TSkinReader& reader = ProgramSkinReader();
  TSkinArchiveBuilder builder;
  TBytes bytes;
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    if (reader.Names()[i] == TSkinReader::LowerCase(Name)) {
      builder.Add(reader.Names()[i], Bytes);
      continue;
    }
    reader.ExtractEntry(i, bytes);
    builder.Add(reader.Names()[i], bytes);
  }
  return builder.BuildCompressed();
}

TBytes SolidLike(const std::string& Name, COLORREF Colour) {
  TBytes original;
  ProgramSkinReader().ExtractFile(Name, original);
  const TPixelBuffer image = BmpDecoder::Decode(original.data(), original.size());
  const TPixelBuffer solid(image.Width(), image.Height(),
                           PixelFromRgb(GetRValue(Colour), GetGValue(Colour), GetBValue(Colour)));
  return BmpEncoder::Encode24(solid);
}

namespace {

constexpr int kTop = 2, kRows = 5;

double Share(const std::vector<COLORREF>& Row, const std::vector<COLORREF>& Colours) {
  int same = 0;
  for (COLORREF c : Row)
    for (COLORREF colour : Colours)
      if (c == colour) {
        ++same;
        break;
      }
  return Row.empty() ? 0 : static_cast<double>(same) / Row.size();
}

// Rows 2 to 6 of the window, every other pixel across: above the caption
// text, below the frame's rounded corners. They are copied at once: a
// pixel read at a time is slow on some systems.
std::vector<COLORREF> BandOf(HDC Dc, int Width) {
  std::vector<COLORREF> band;
  if (Width <= 0) return band;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -kRows;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(Dc);
  HGDIOBJ old = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, Width, kRows, Dc, 0, kTop, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int y = 0; y < kRows; ++y)
    for (int x = 0; x < Width; x += 2) {
      const DWORD p = pixels[y * Width + x];
      band.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(copy);
  return band;
}

}  // namespace

double TitleShare(HWND Window, COLORREF Colour) {
  return TitleShare(Window, std::vector<COLORREF>{Colour});
}

double TitleShare(HWND Window, const std::vector<COLORREF>& Colours) {
  RECT r;
  GetWindowRect(Window, &r);
  HDC dc = GetWindowDC(Window);
  const double share = Share(BandOf(dc, r.right - r.left), Colours);
  ReleaseDC(Window, dc);
  return share;
}

std::vector<COLORREF> OwnTitleColours() {
  TBytes bytes;
  ProgramSkinReader().ExtractFile(TitleBitmapName(), bytes);
  const TPixelBuffer image = BmpDecoder::Decode(bytes.data(), bytes.size());
  std::vector<COLORREF> colours;
  // Two frames one above the other, active then inactive; the rows shade
  // from top to bottom.
  for (int frame = 0; frame < 2; ++frame)
    for (int y = 2; y <= 6; ++y) {
      const TPixel p = image.Pixel(image.Width() / 2, frame * image.Height() / 2 + y);
      colours.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
  return colours;
}

HWND FindProcessWindow(const char* Class) {
  struct TQuery {
    const char* Class;
    HWND Found = nullptr;
  } query{Class};
  EnumWindows(
      [](HWND Wnd, LPARAM Data) -> BOOL {
        auto* q = reinterpret_cast<TQuery*>(Data);
        DWORD pid = 0;
        GetWindowThreadProcessId(Wnd, &pid);
        char cls[64] = "";
        GetClassNameA(Wnd, cls, sizeof cls);
        if (pid == GetCurrentProcessId() && IsWindowVisible(Wnd) && std::string(cls) == q->Class) {
          q->Found = Wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&query));
  return query.Found;
}

TDialogTyping::TDialogTyping(std::vector<std::string> Texts)
    : FTexts(std::move(Texts)), FThread([this] { Answer(); }) {}

TDialogTyping::~TDialogTyping() {
  FStop = true;
  FThread.join();
}

std::string TDialogTyping::Caption() const {
  std::lock_guard<std::mutex> hold(FLock);
  return FCaption;
}

void TDialogTyping::Answer() {
  HWND last = nullptr;
  for (const std::string& text : FTexts)
    if (!AnswerOne(text, last)) return;
}

// Waits for a dialog other than Last, answers it with Text and leaves it in
// Last; false when none came.
bool TDialogTyping::AnswerOne(const std::string& Text, HWND& Last) {
  HWND dialog = nullptr;
  for (int i = 0; i < 1000 && !FStop && !dialog; ++i) {
    dialog = FindProcessWindow("#32770");
    if (dialog == Last && IsWindow(Last)) dialog = nullptr;
    if (!dialog) Sleep(10);
  }
  if (!dialog) return false;
  Last = dialog;
  if (FSeen++ == 0) {
    char caption[128] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    {
      std::lock_guard<std::mutex> hold(FLock);
      FCaption = caption;
    }
    bool skinned = false;
    for (int i = 0; i < 150 && !skinned && !FStop; ++i) {
      DWORD_PTR answer = 0;
      SendMessageTimeoutA(dialog, SM_ISSKINNED, 0, 0, SMTO_NORMAL, 1000, &answer);
      skinned = answer == 1;
      if (!skinned) Sleep(20);
    }
    FSkinned = skinned;
  }
  // The dialog finishes starting up (and gives its edit the focus) before
  // the keys come.
  for (int i = 0; i < 200 && GetForegroundWindow() != dialog && !FStop; ++i) Sleep(10);
  Sleep(300);
  if (Text.empty()) {
    PressChord({VK_ESCAPE});
  } else {
    // Whatever the edit proposes is replaced.
    PressChord({VK_END});
    PressChord({VK_SHIFT, VK_HOME});
    TypeCharacters(Text);
    Sleep(100);
    PressChord({VK_RETURN});
  }
  CloseIfLeft(dialog);
  return true;
}

void TDialogTyping::CloseIfLeft(HWND Dialog) {
  for (int i = 0; i < 500 && IsWindow(Dialog) && IsWindowVisible(Dialog); ++i) Sleep(10);
  if (!IsWindow(Dialog) || !IsWindowVisible(Dialog)) return;
  FLeftOpen = true;
  while (IsWindow(Dialog) && IsWindowVisible(Dialog) && !FStop) {
    PostMessageA(Dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(200);
  }
}
