// A skin read from an unpacked folder, on a real window: the window shows it,
// an edited bitmap shows after a reload, a reload that cannot be read keeps
// what is shown, and what the reader found wrong is there to be told.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/preview/PreviewForm.h"
#include "app/preview/PreviewMDIForm.h"
#include "common/MessagePump.h"
#include "common/ProgramSkin.h"
#include "common/TempFolder.h"
#include "skin/archive/SkinMessages.h"
#include "skin/archive/SkinReader.h"
#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "toolkit/Application.h"
#include "toolkit/portable/BmpDecoder.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

void WriteFile(const std::string& Path, const TBytes& Bytes) {
  std::ofstream(Path, std::ios::binary)
      .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

TBytes ReadFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The window as it is on the screen, frame included.
TPixelBuffer Capture(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  TPixelBuffer result(w, h);
  HDC windowDC = GetWindowDC(Window);
  HDC memory = CreateCompatibleDC(windowDC);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, windowDC, 0, 0, SRCCOPY);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = GetPixel(memory, x, y);
      result.SetPixel(x, y, PixelFromRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(Window, windowDC);
  return result;
}

// Share of the pixels of the window's top two rows that are Colour.
double TopRowsShare(HWND Window, TPixel Colour) {
  const TPixelBuffer shown = Capture(Window);
  int hits = 0, all = 0;
  for (int y = 0; y < 2 && y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x, ++all) hits += shown.Pixel(x, y) == Colour;
  return all ? static_cast<double>(hits) / all : 0;
}

class SkinReloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program's skin, unpacked as skinpack unpack leaves it.
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(ProgramSkin()));
    TBytes bytes;
    for (std::size_t i = 0; i < reader.Names().size(); ++i) {
      reader.ExtractEntry(i, bytes);
      WriteFile(Folder / reader.Names()[i], bytes);
    }
    Application->Initialize();
    ASSERT_TRUE(App.CreateForm(Form));
    // As the program starts its preview: with its own skin.
    Form->SkinData1->SetSkinBuffer(ProgramSkin());
    Form->SkinData1->SetActive(true);
    Form->Show();
    Settle();
    PumpMessages(200);
    FPrevious = SkinMessages::SetHandler([this](const std::string& T) { Messages.push_back(T); });
  }
  void TearDown() override {
    SkinMessages::SetHandler(FPrevious);
    delete Form;
    PumpMessages(50);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  // Lets the manager carry out what the component asked of it, then has the
  // frame painted.
  void Settle() {
    if (TSkinManage* manager = TSkinManage::Instance()) manager->RunScheduledAction();
    SendMessageA(Form->WindowHandle(), SM_REPAINTFRAME, 0, 0);
    PumpMessages(0);
  }

  // The top frame bitmap of the folder replaced by one of the same size in
  // a single colour.
  void PaintTopFrame(TPixel Colour) {
    const std::string path = Folder / "frame_top.bmp";
    const TBytes old = ReadFile(path);
    const TPixelBuffer image = BmpDecoder::Decode(old.data(), old.size());
    ASSERT_FALSE(image.Empty());
    WriteFile(path, BmpEncoder::Encode24(TPixelBuffer(image.Width(), image.Height(), Colour)));
  }

  TTempFolder Folder;
  TApplication App{nullptr};
  TPreviewForm* Form = nullptr;
  std::vector<std::string> Messages;

 private:
  SkinMessages::THandler FPrevious;
};

TEST_F(SkinReloadTest, AnEditedBitmapShowsAfterAReloadAndABrokenReloadKeepsTheSkin) {
  TSkinData& data = *Form->SkinData1;
  HWND wnd = Form->WindowHandle();
  const TPixel green = PixelFromRgb(0, 200, 0), blue = PixelFromRgb(0, 0, 230);
  PaintTopFrame(green);
  data.SetSkinFile(Folder.Path());
  Settle();
  ASSERT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.SkinSource(), Folder.Path());
  EXPECT_TRUE(data.SkinBuffer().empty());
  EXPECT_TRUE(data.Findings().Empty()) << data.Findings().Summary();
  ASSERT_TRUE(PumpUntil([&] { return TopRowsShare(wnd, green) > 0.5; }))
      << "the folder's top frame is not shown";

  // A second window skinned by the same component.
  SendMessageA(Form->MDIWindowButton->WindowHandle(), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return Form->MDIWindow() != nullptr; }, 3000));
  HWND other = Form->MDIWindow()->WindowHandle();
  Settle();
  ASSERT_TRUE(PumpUntil([&] { return TopRowsShare(other, green) > 0.5; }))
      << "the second window does not show the folder's top frame";

  // The author edits the bitmap and reloads: every window shows the edit.
  PaintTopFrame(blue);
  const DWORD start = GetTickCount();
  ASSERT_TRUE(data.ReloadSkin());
  Settle();
  EXPECT_TRUE(PumpUntil([&] {
    return TopRowsShare(wnd, blue) > 0.5 && TopRowsShare(other, blue) > 0.5;
  })) << "the edited top frame is not shown on both windows";
  std::printf("reload shown on both windows after %lu ms\n",
              static_cast<unsigned long>(GetTickCount() - start));
  EXPECT_EQ(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
  PostMessageA(other, WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return Form->MDIWindow() == nullptr; }, 3000));

  // A bitmap gone: the skin still loads, and says what is missing.
  DeleteFileA((Folder / "title_textback.bmp").c_str());
  ASSERT_TRUE(data.ReloadSkin());
  Settle();
  ASSERT_EQ(data.Findings().Count(), 1u) << data.Findings().Summary();
  EXPECT_EQ(data.Findings().Items()[0].Kind, TSkinFindingKind::MissingFile);
  EXPECT_EQ(data.Findings().Summary(), "1 problem: title_textback.bmp is missing");

  // The definition gone: nothing can be read, so the skin shown stays, with
  // its findings, and the user is told.
  Messages.clear();
  DeleteFileA((Folder / "skin.ini").c_str());
  EXPECT_FALSE(data.ReloadSkin());
  Settle();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], SkinMessages::kNoDefinitionInFolder);
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.SkinSource(), Folder.Path());
  EXPECT_EQ(data.Findings().Count(), 1u);
  EXPECT_GT(TopRowsShare(wnd, blue), 0.5);

  // A packed skin again: its source is the file, the buffer its bytes.
  const std::string file = Folder / "packed.skn";
  WriteFile(file, ProgramSkin());
  data.SetSkinFile(file);
  Settle();
  EXPECT_EQ(data.SkinSource(), file);
  EXPECT_EQ(data.SkinBuffer(), ProgramSkin());
  EXPECT_TRUE(data.Findings().Empty()) << data.Findings().Summary();
  EXPECT_TRUE(PumpUntil([&] { return TopRowsShare(wnd, blue) < 0.1; }));

  // The file gone: a reload says so and keeps the skin.
  Messages.clear();
  DeleteFileA(file.c_str());
  EXPECT_FALSE(data.ReloadSkin());
  EXPECT_EQ(Messages, std::vector<std::string>{SkinMessages::kCannotOpen});
  EXPECT_TRUE(data.SkinLoaded());
  EXPECT_EQ(data.SkinBuffer(), ProgramSkin());
}

}  // namespace
