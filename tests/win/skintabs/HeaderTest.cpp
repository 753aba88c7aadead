// Header controls drawn from the skin: the sections, the one under the
// mouse, the content of an item (shared with tabs and status bars), the
// column header of a list view; clicking and sizing sections still work.
#include <gtest/gtest.h>
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/ItemContent.h"
#include "skin/painters/SkinHeader.h"
#include "skin/painters/SkinListView.h"
#include "skin/recognition/ControlRecognition.h"
#include "skinpainters/PainterSupport.h"
#include "skinrecognition/RecognitionSupport.h"
#include "skintabs/TabsSupport.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/HeaderControl.h"
#include "toolkit/ListView.h"

namespace {

struct TSectionClicks {
  int Count = 0;
  THeaderSection* Last = nullptr;
  void Clicked(TCustomHeaderControl*, THeaderSection* Section) {
    ++Count;
    Last = Section;
  }
};

THeaderControl* AddHeader(TForm& Form) {
  auto* header = Add<THeaderControl>(Form, Form, 10, 10, 400, 22);
  header->SetAlign(alNone);
  header->SetBounds(10, 10, 400, 22);
  header->Sections().Add("Name", 100);
  header->Sections().Add("Size", 80).SetAlignment(taCenter);
  header->Sections().Add("Type", 90).SetAlignment(taRightJustify);
  return header;
}

// A DC over a 32-bit bitmap of its own, white, with black text.
class TMemoryCanvas {
 public:
  TMemoryCanvas(int Width, int Height) : FWidth(Width), FHeight(Height) {
    FDC = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    FBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits),
                               nullptr, 0);
    FOld = SelectObject(FDC, FBitmap);
    FOldFont = SelectObject(FDC, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(FDC, RGB(0, 0, 0));
    Clear();
  }
  ~TMemoryCanvas() {
    SelectObject(FDC, FOldFont);
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }
  void Clear() {
    RECT r{0, 0, FWidth, FHeight};
    FillRect(FDC, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  TPixelBuffer Pixels() const {
    GdiFlush();
    TPixelBuffer result(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
      for (int x = 0; x < FWidth; ++x) result.SetPixel(x, y, FBits[y * FWidth + x] & 0xFFFFFF);
    return result;
  }

 private:
  int FWidth, FHeight;
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld, FOldFont;
  std::uint32_t* FBits = nullptr;
};

}  // namespace

TEST(ItemContent, ImageAndTextArePlacedByAlignmentAndDrawnInsideTheItem) {
  TMemoryCanvas canvas(120, 24);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  {
    TPixelBuffer red(16, 16, PixelFromRgb(255, 0, 0));
    TBitmap bitmap;
    bitmap.Assign(red);
    ImageList_Add(images, bitmap.Handle(), nullptr);
  }
  const RECT item{10, 2, 110, 22};
  const std::wstring text = L"Text";
  const TItemContentLayout left = LayoutItemContent(canvas.DC(), item, taLeftJustify, text, -1, nullptr);
  const int textWidth = left.Text.right - left.Text.left;
  ASSERT_GT(textWidth, 0);
  // Left: 3 in; centre: half the free width; right: 2 short of the end.
  EXPECT_EQ(left.Text.left, item.left + 3);
  EXPECT_TRUE(IsRectEmpty(&left.Image));
  EXPECT_EQ(LayoutItemContent(canvas.DC(), item, taCenter, text, -1, nullptr).Text.left,
            item.left + (100 - textWidth) / 2);
  EXPECT_EQ(LayoutItemContent(canvas.DC(), item, taRightJustify, text, -1, nullptr).Text.right,
            item.right - 2);
  // The text is centred vertically.
  EXPECT_NEAR((left.Text.top + left.Text.bottom) / 2, (item.top + item.bottom) / 2, 1);

  // An image comes first and the text follows it.
  const TItemContentLayout withImage =
      LayoutItemContent(canvas.DC(), item, taLeftJustify, text, 0, images);
  EXPECT_EQ(withImage.Image.left, item.left + 3);
  EXPECT_EQ(withImage.Image.top, item.top + 2);
  EXPECT_EQ(withImage.Text.left, withImage.Image.right);
  DrawItemContent(canvas.DC(), item, taLeftJustify, text, 0, images);
  TPixelBuffer shown = canvas.Pixels();
  EXPECT_EQ(CountPixels(shown, TRect{13, 4, 29, 20}, PixelFromRgb(255, 0, 0)), 16 * 16);
  EXPECT_GT(CountPixels(shown, TRect{29, 2, 110, 22}, PixelFromRgb(0, 0, 0)), 0) << "no text";

  // Without an image list, or with images as wide as the item, no image;
  // an image index of -1 shows none either.
  const RECT narrow{0, 0, 16, 20};
  const RECT tooWide = LayoutItemContent(canvas.DC(), narrow, taLeftJustify, text, 0, images).Image;
  const RECT noIndex = LayoutItemContent(canvas.DC(), item, taLeftJustify, text, -1, images).Image;
  EXPECT_TRUE(IsRectEmpty(&tooWide));
  EXPECT_TRUE(IsRectEmpty(&noIndex));

  // Text wider than the item is cut at the item's edge; a start that
  // would fall left of the item becomes 1.
  canvas.Clear();
  const RECT small{40, 0, 60, 24};
  EXPECT_EQ(LayoutItemContent(canvas.DC(), small, taCenter, L"A long caption", -1, nullptr).Text.left,
            small.left + 1);
  DrawItemContent(canvas.DC(), small, taCenter, L"A long caption", -1, nullptr);
  shown = canvas.Pixels();
  EXPECT_EQ(CountPixels(shown, TRect{0, 0, 40, 24}, PixelFromRgb(255, 255, 255)), 40 * 24);
  EXPECT_EQ(CountPixels(shown, TRect{60, 0, 120, 24}, PixelFromRgb(255, 255, 255)), 60 * 24);

  // Empty text draws neither text nor image.
  canvas.Clear();
  DrawItemContent(canvas.DC(), item, taLeftJustify, L"", 0, images);
  EXPECT_EQ(CountPixels(canvas.Pixels(), TRect{0, 0, 120, 24}, PixelFromRgb(255, 255, 255)),
            120 * 24);
  ImageList_Destroy(images);
}

TEST(SkinHeader, SectionsShowTheSkinTheHotSectionAndStayClickableAndSizeable) {
  THeaderControl* header = nullptr;
  TSectionClicks clicks;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    header = AddHeader(Form);
    header->OnSectionClick = TSectionNotifyEvent(&clicks, &TSectionClicks::Clicked);
  });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinHeader*>(PainterOf(form.Skinner(), header));
  ASSERT_NE(painter, nullptr);
  const TDataSkinObject& element = *form.Data().Skin().Headerbar;
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  HWND window = header->WindowHandle();
  MouseMoveTo(5, 5);
  PumpMessages(50);
  const auto frameOf = [&](int Index) {
    return FrameShown(window, header->SectionRect(Index), element, face);
  };
  for (int i = 0; i < 3; ++i) EXPECT_EQ(frameOf(i), 1) << "section " << i;
  // The strip right of the last section.
  EXPECT_EQ(FrameShown(window, RECT{270, 0, 400, 22}, element, face), 1);

  // Texts by the sections' alignment: left 3 in, right 2 short of the end.
  const TPixelBuffer shown = CaptureWindow(window);
  TPixelBuffer normal(400, 22);
  for (int i = 0; i < 3; ++i) {
    const RECT r = header->SectionRect(i);
    const TPixelBuffer section =
        ExpectedItem(element, element.Image, r.right - r.left, r.bottom - r.top, 1, face);
    normal.CopyFrom(section, section.Bounds(), r.left, r.top);
  }
  const auto name = DifferingColumns(shown, normal, TRect{0, 3, 100, 19});
  const auto type = DifferingColumns(shown, normal, TRect{180, 3, 270, 19});
  const auto size = DifferingColumns(shown, normal, TRect{100, 3, 180, 19});
  EXPECT_GE(name.first, 3);
  EXPECT_LE(name.first, 5);
  EXPECT_GE(type.second, 270 - 5);
  EXPECT_LT(type.second, 270 - 2);
  EXPECT_NEAR((size.first + size.second) / 2, 140, 3);

  // The section under the mouse is hot, one at a time, until it leaves.
  MouseToClient(window, 140, 11);
  ASSERT_TRUE(PumpUntil([&] { return painter->HotIndex() == 1; }, 2000));
  EXPECT_EQ(frameOf(1), 2);
  EXPECT_EQ(frameOf(0), 1);
  MouseToClient(window, 220, 11);
  ASSERT_TRUE(PumpUntil([&] { return painter->HotIndex() == 2; }, 2000));
  EXPECT_EQ(frameOf(1), 1);
  EXPECT_EQ(frameOf(2), 2);
  MouseMoveTo(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return painter->HotIndex() == -1; }, 2000));
  EXPECT_EQ(frameOf(2), 1);

  // Clicking a section reaches the control.
  ClickScreen(ClientToScreenPoint(window, 50, 11));
  ASSERT_TRUE(PumpUntil([&] { return clicks.Count == 1; }, 2000));
  EXPECT_EQ(clicks.Last, &header->Sections().Items(0));

  // Dragging the first divider sizes the first section; it is drawn so.
  DragWithMouse(ClientToScreenPoint(window, 100, 11), ClientToScreenPoint(window, 140, 11));
  ASSERT_TRUE(PumpUntil([&] { return header->Sections().Items(0).GetWidth() == 140; }, 3000));
  MouseMoveTo(5, 5);
  PumpUntil([&] { return painter->HotIndex() == -1; }, 2000);
  PumpMessages(50);
  EXPECT_EQ(header->SectionRect(0).right, 140);
  EXPECT_EQ(frameOf(0), 1);
  EXPECT_EQ(frameOf(1), 1);

  // Printed (as the system's animations do) as it is shown.
  {
    TMemoryCanvas printed(400, 22);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.DC()), PRF_CLIENT);
    EXPECT_EQ(FrameOf(Crop(printed.Pixels(), header->SectionRect(1)), element, element.Image, face),
              1);
  }

  // Switched off, the header draws itself again.
  form.Data().SetActive(false);
  ASSERT_TRUE(form.Window().WaitUnskinned());
  PumpMessages(50);
  EXPECT_EQ(SendMessageA(window, SM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(frameOf(1), 0);
}

TEST(SkinHeader, AListViewsColumnHeaderGetsAHeaderPainter) {
  TListView* list = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    list = Add<TListView>(Form, Form, 10, 10, 300, 150);
    list->SetViewStyle(vsReport);
    list->Columns().Add("Name", 120);
    list->Columns().Add("Size", 80);
  });
  ASSERT_TRUE(form.Skinned());
  auto* listPainter = dynamic_cast<TSkinListView*>(PainterOf(form.Skinner(), list));
  ASSERT_NE(listPainter, nullptr);
  HWND header = reinterpret_cast<HWND>(SendMessageA(list->WindowHandle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  TSkinHeader* headerPainter = listPainter->HeaderPainter();
  ASSERT_NE(headerPainter, nullptr);
  EXPECT_EQ(headerPainter->Handle(), header);
  EXPECT_EQ(PainterOfWindow(form.Skinner(), header), headerPainter);
  MouseMoveTo(5, 5);
  PumpMessages(50);
  RECT column{};
  Header_GetItemRect(header, 0, &column);
  const TDataSkinObject& element = *form.Data().Skin().Headerbar;
  EXPECT_EQ(FrameShown(header, column, element, form.Data().Skin().Colours.ButtonFace), 1);
  // Recognising the form again makes no second header painter.
  SkinFormControls(form.Skinner());
  int painters = 0;
  for (TSkinControl* painter : form.Skinner().Painters())
    if (painter->Handle() == header) ++painters;
  EXPECT_EQ(painters, 1);
}
