#include "skin/painters/SkinHeader.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/definition/DataSkinObject.h"
#include "skin/engine/SkinData.h"
#include "skin/painters/ItemContent.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinHeader::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinHeader>("TSkinHeader", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

constexpr int kNormalFrame = 1;
constexpr int kHotFrame = 2;
constexpr int kTextLength = 200;

void DrawElement(HDC DC, const RECT& Area, const TDataSkinObject& Element, int Frame) {
  DrawSliced(DC, TRect{Area.left, Area.top, Area.right, Area.bottom}, Element.Image, false,
             Element.Tile != 0, Element.Trans != 0, Element.FrameCount, Frame, Element.Margins);
}

TAlignment SectionAlignment(int Format) {
  switch (Format & 0xFF) {
    case HDF_RIGHT:
      return taRightJustify;
    case HDF_CENTER:
      return taCenter;
    default:
      return taLeftJustify;
  }
}

}  // namespace

void TSkinHeader::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                  bool PaintBackground, TCanvas* Canvas) {
  FHotIndex = -1;
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
}

void TSkinHeader::AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                                 TCanvas* Canvas) {
  FHotIndex = -1;
  TSkinControl::AttachToWindow(Window, Data, FormSkinner, Canvas);
}

const TDataSkinObject* TSkinHeader::Element() const {
  if (!FSkinData) return nullptr;
  const TDataSkinObject* element = FSkinData->Skin().Headerbar.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

void TSkinHeader::Detach() {
  TSkinControl::Detach();
  if (FHandle && IsWindow(FHandle)) InvalidateRect(FHandle, nullptr, TRUE);
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinHeader::BeforeMessage(TMessage& Message) {
  // Without an element the header paints itself: swallowing the paint
  // would leave it blank.
  if (Element() && PaintInsteadOfControl(Message)) return false;
  return TSkinControl::BeforeMessage(Message);
}

void TSkinHeader::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(Message);
      break;
    case WM_MOUSELEAVE:
      FHotIndex = -1;
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinHeader::OnMouseMove(const TMessage& Message) {
  const POINT at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  for (size_t i = 0; i < FSectionRects.size(); ++i) {
    if (!PtInRect(&FSectionRects[i], at)) continue;
    if (static_cast<int>(i) != FHotIndex) {
      FHotIndex = static_cast<int>(i);
      Repaint();
    }
    break;
  }
  if (FSkinData) FSkinData->TrackLeave(FHandle);
}

// ---------------------------------------------------------------------------
// Painting

void TSkinHeader::Paint(HDC DC, const RECT& Rect) {
  const TDataSkinObject* element = Element();
  if (!element || !FHandle) return;
  if (!FBitmap.SetSize(Rect.right - Rect.left, Rect.bottom - Rect.top)) return;
  HDC canvas = FBitmap.DC();
  const HFONT font = ItemFont(FControl, FHandle);
  const COLORREF textColour = ItemTextColour(FControl, FSkinData, true);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0));
  FSectionRects.clear();
  int right = Rect.left;
  for (int i = 0; i < count; ++i) {
    RECT section{};
    if (!SendMessageW(FHandle, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&section))) {
      // Kept in its place, so that the list stays in section order.
      FSectionRects.push_back(RECT{});
      continue;
    }
    DrawSection(canvas, i, section, images, font, textColour);
    RECT stored = section;
    InflateRect(&stored, -3, 0);
    FSectionRects.push_back(stored);
    right = std::max(right, static_cast<int>(section.right));
  }
  if (right < Rect.right) {
    const RECT rest{right, 0, FBitmap.Width(), FBitmap.Height()};
    DrawElement(canvas, rest, *element, kNormalFrame);
  }
  FBitmap.CopyTo(DC, Rect.left, Rect.top);
}

void TSkinHeader::DrawSection(HDC Target, int Index, const RECT& Section, HIMAGELIST Images,
                              HFONT Font, COLORREF TextColour) {
  const TDataSkinObject* element = Element();
  const int width = Section.right - Section.left;
  const int height = Section.bottom - Section.top;
  if (!element || !FSectionBitmap.SetSize(width, height)) return;
  HDC dc = FSectionBitmap.DC();
  const RECT whole{0, 0, width, height};
  FillFace(dc, whole);
  DrawElement(dc, whole, *element, Index == FHotIndex ? kHotFrame : kNormalFrame);

  wchar_t text[kTextLength + 1] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kTextLength;
  if (SendMessageW(FHandle, HDM_GETITEMW, Index, reinterpret_cast<LPARAM>(&item)) && text[0]) {
    const int image = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? item.iImage : -1;
    HGDIOBJ oldFont = SelectObject(dc, Font);
    const COLORREF oldColour = SetTextColor(dc, TextColour);
    DrawItemContent(dc, whole, SectionAlignment(item.fmt), text, image, Images, TextFlags(0));
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);
  }
  FSectionBitmap.CopyTo(Target, Section.left, Section.top);
}
