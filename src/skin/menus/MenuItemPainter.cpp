#include "skin/menus/MenuItemPainter.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "skin/frame/MenuTracking.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/menus/PopupMenuSkinner.h"
#include "skin/render/MenuFont.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomFrame.h"
#include "toolkit/Form.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"

namespace {

constexpr int kCheckMarkBitmap = 32760;  // the system's OBM_CHECK
constexpr int kMenuItemFrames = 5;
constexpr int kNormalFrame = 1;
constexpr int kSeparatorFrame = 2;
constexpr int kSelectedFrame = 4;
constexpr UINT kCaptionFormat = DT_EXPANDTABS | DT_SINGLELINE;

COLORREF Rgb(TColor Colour) {
  return static_cast<COLORREF>(ResolveColor(Colour) & 0xFFFFFF);
}

TPixel Pixel(TColor Colour) {
  return PixelFromColor(ResolveColor(Colour));
}

// The skin's menu item element, when it has an image to draw.
const TDataSkinObject* ItemElement(const TSkinData* Data) {
  if (!Data || !Data->SkinLoaded()) return nullptr;
  const TDataSkinObject* element = Data->Skin().MenuItem.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

int ElementLeftWidth(const TSkinData* Data) {
  const TDataSkinObject* element = ItemElement(Data);
  return element ? element->Margins.Left : 0;
}

int TextWidthIn(HFONT Font, const std::string& Text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font);
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &r,
            DT_CALCRECT | DT_NOCLIP | kCaptionFormat);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return r.right - r.left;
}

// A width that holds the caption and the shortcut in the menu font, with
// room for the glyph box and the gaps the drawing leaves.
int ContentWidth(const TMenuItem& Item, int LeftWidth) {
  if (Item.IsLine()) return 0;
  TFontHandle font = CreateMenuFont(Item.GetDefault());
  int width = TextWidthIn(font.Get(), Item.GetCaption()) + 36 + LeftWidth;
  if (Item.GetShortCut()) width += TextWidthIn(font.Get(), ShortCutToText(Item.GetShortCut())) + 20;
  return width;
}

TImageList* ImagesOf(const TMenuItem& Item) {
  const TMenu* menu = Item.GetParentMenu();
  return menu ? menu->GetImages() : nullptr;
}

// A memory DC with a bitmap selected for the time of one item.
class TSelectedBitmap {
 public:
  explicit TSelectedBitmap(TBitmap& Bitmap) : FDC(CreateCompatibleDC(nullptr)) {
    if (FDC) FOld = SelectObject(FDC.Get(), Bitmap.Handle());
  }
  ~TSelectedBitmap() {
    if (FOld) SelectObject(FDC.Get(), FOld);
  }
  TSelectedBitmap(const TSelectedBitmap&) = delete;
  TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
  HDC DC() const { return FOld ? FDC.Get() : nullptr; }

 private:
  TDCHandle FDC;
  HGDIOBJ FOld = nullptr;
};

// The system's check mark in Colour, its white parts left as they are.
void DrawCheckMark(HDC DC, int CenterX, int CenterY, COLORREF Colour) {
  TBitmapHandle mark(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckMarkBitmap)));
  BITMAP info{};
  if (!mark || !GetObjectA(mark.Get(), sizeof info, &info)) return;
  TDCHandle source(CreateCompatibleDC(DC));
  HGDIOBJ old = SelectObject(source.Get(), mark.Get());
  const int x = CenterX - info.bmWidth / 2, y = CenterY - info.bmHeight / 2;
  const COLORREF oldText = SetTextColor(DC, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(DC, RGB(255, 255, 255));
  // The mark's pixels go black, then take the colour.
  BitBlt(DC, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCAND);
  SetTextColor(DC, Colour);
  SetBkColor(DC, RGB(0, 0, 0));
  BitBlt(DC, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCPAINT);
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBack);
  SelectObject(source.Get(), old);
}

void DrawRadioMark(HDC DC, int CenterX, int CenterY, COLORREF Colour) {
  TBrushHandle brush(CreateSolidBrush(Colour));
  TPenHandle pen(CreatePen(PS_SOLID, 1, Colour));
  HGDIOBJ oldBrush = SelectObject(DC, brush.Get());
  HGDIOBJ oldPen = SelectObject(DC, pen.Get());
  Ellipse(DC, CenterX - 3, CenterY - 3, CenterX + 4, CenterY + 4);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
}

// The dotted face of a checked item's image box.
void FillCheckedBox(HDC DC, const RECT& Box) {
  WORD pattern[8];
  for (int i = 0; i < 8; ++i) pattern[i] = static_cast<WORD>(i % 2 ? 0xAA : 0x55);
  TBitmapHandle bits(CreateBitmap(8, 8, 1, 1, pattern));
  TBrushHandle brush(CreatePatternBrush(bits.Get()));
  const COLORREF oldText = SetTextColor(DC, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(DC, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(DC, &Box, brush.Get());
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBack);
  RECT edge = Box;
  DrawEdge(DC, &edge, BDR_SUNKENOUTER, BF_RECT);
}

// The part of the menu window's background under an item, when the window
// is skinned and its background built.
bool CopyMenuBackground(HDC ItemDC, const RECT& Item, TPixelBuffer& Pixels) {
  const TSkinManage* manager = TSkinManage::Instance();
  HWND window = WindowFromDC(ItemDC);
  TWinSkinPopMenu* popup = manager && window ? manager->FindPopupSkinner(window) : nullptr;
  if (!popup || popup->Background().Empty()) return false;
  RECT frame;
  POINT client{0, 0};
  GetWindowRect(window, &frame);
  ClientToScreen(window, &client);
  const int dx = client.x - frame.left, dy = client.y - frame.top;
  Pixels.CopyFrom(popup->Background(),
                  {Item.left + dx, Item.top + dy, Item.right + dx, Item.bottom + dy}, 0, 0);
  return true;
}

// The frame-2 strip of the element in the item's width: three slices over
// the background, magenta left out.
void DrawSeparatorStrip(TPixelBuffer& Pixels, const TDataSkinObject& Element) {
  const TRect frame = CutFrame(Element.Image, false, kMenuItemFrames, kSeparatorFrame);
  const int h = std::min(frame.Bottom - frame.Top, Pixels.Height());
  if (h <= 0 || frame.Right <= frame.Left) return;
  const TPixelBuffer strip = Element.Image.Copy({frame.Left, frame.Bottom - h, frame.Right, frame.Bottom});
  DrawHorzThreeSlice(Pixels, {0, 0, Pixels.Width(), h}, strip, false, true, 1, 1,
                     {Element.Margins.Left, 0, Element.Margins.Right, 0});
}

// Everything of an item but its background, drawn on a DC of the item's size.
class TItemContent {
 public:
  TItemContent(const TMenuItem& Item, const TSkinData* Data, bool Selected, bool RightToLeft,
               int Width, int Height)
      : I(Item), D(Data), FSelected(Selected), FRTL(RightToLeft), W(Width), H(Height) {}

  void Draw(HDC DC) {
    const int mode = SetBkMode(DC, TRANSPARENT);
    const RECT box = GlyphBox();
    if (!I.IsLine()) DrawGlyph(DC, box);
    RECT text = FRTL ? RECT{1, 0, box.left - 3, H} : RECT{box.right + 3, 0, W - 1, H};
    if (I.IsLine()) {
      RECT line{text.left, text.top + 4, text.right, text.bottom};
      DrawEdge(DC, &line, EDGE_ETCHED, BF_TOP);
    } else {
      DrawCaption(DC, text);
    }
    SetBkMode(DC, mode);
  }

 private:
  int GlyphSize() const {
    const TImageList* images = ImagesOf(I);
    int size = images ? images->GetWidth() : 16;
    if (I.GetChecked()) size = std::max(size, 16);
    return size;
  }

  RECT GlyphBox() const {
    const int size = GlyphSize(), left = ElementLeftWidth(D);
    if (FRTL) return {W - 1 - left - size, 1, W - 1 - left, 1 + size};
    return {1 + left, 1, 1 + left + size, 1 + size};
  }

  void DrawGlyph(HDC DC, const RECT& Box) {
    TImageList* images = ImagesOf(I);
    const int index = I.GetImageIndex();
    if (images && index >= 0 && index < images->Count()) {
      if (I.GetChecked()) FillCheckedBox(DC, Box);
      TCanvas canvas;
      canvas.SetHandle(DC);
      images->Draw(canvas, Box.left, Box.top, index, I.GetEnabled());
      canvas.SetHandle(nullptr);
      return;
    }
    if (!I.GetChecked()) return;
    const int cx = (Box.left + Box.right) / 2 + 1, cy = H / 2 + 1;
    const COLORREF colour = D ? Rgb(D->Skin().Colours.ButtonText) : GetSysColor(COLOR_BTNTEXT);
    if (I.GetRadioItem())
      DrawRadioMark(DC, cx - 1, cy - 1, colour);
    else
      DrawCheckMark(DC, cx, cy, colour);
  }

  COLORREF TextColour() const {
    if (!D) return GetSysColor(FSelected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const TSkinColours& c = D->Skin().Colours;
    if (!I.GetEnabled())
      return ResolveColor(c.ButtonShadow) == ResolveColor(c.MenuText) ? GetSysColor(COLOR_BTNSHADOW)
                                                                      : Rgb(c.ButtonShadow);
    return Rgb(FSelected ? c.HilightText : c.MenuText);
  }

  void DrawCaption(HDC DC, RECT Text) {
    TFontHandle font = CreateMenuFont(I.GetDefault());
    HGDIOBJ oldFont = SelectObject(DC, font.Get());
    const COLORREF oldColour = SetTextColor(DC, TextColour());
    std::string caption = I.GetCaption();
    const std::string measuredText = caption.empty() || caption == "&" ? caption + " " : caption;
    RECT measured = Text;
    DrawTextA(DC, measuredText.c_str(), -1, &measured, DT_CALCRECT | DT_NOCLIP | kCaptionFormat);
    const int textHeight = measured.bottom - measured.top;
    const int textWidth = measured.right - measured.left;
    RECT line{Text.left, (H - textHeight) / 2, Text.right, (H - textHeight) / 2 + textHeight};
    const UINT direction = FRTL ? DT_RIGHT | DT_RTLREADING : 0;
    DrawTextA(DC, caption.c_str(), -1, &line, kCaptionFormat | direction);
    if (I.GetShortCut()) {
      const std::string shortCut = ShortCutToText(I.GetShortCut());
      RECT keys = FRTL ? RECT{10, line.top, Text.right - textWidth, line.bottom}
                       : RECT{Text.left + textWidth, line.top, W - 10, line.bottom};
      DrawTextA(DC, shortCut.c_str(), -1, &keys, DT_SINGLELINE | (FRTL ? DT_LEFT : DT_RIGHT));
    }
    SetTextColor(DC, oldColour);
    SelectObject(DC, oldFont);
  }

  const TMenuItem& I;
  const TSkinData* D;
  bool FSelected;
  bool FRTL;
  int W, H;
};

}  // namespace

TMenuItemPainter::TMenuItemPainter(TWinSkinForm& Owner) : FOwner(Owner) {}

TMenuItemPainter::~TMenuItemPainter() = default;

TSkinData* TMenuItemPainter::SkinData() const {
  return FOwner.SkinData();
}

// ---------------------------------------------------------------------------
// Switching owner drawing

void TMenuItemPainter::SetPopupMenusOwnerDraw(TComponent* Container, bool On) {
  if (!Container) return;
  if (On && FOwner.ClassNameText() == "TwwRichEditForm") return;
  const int disableTag = SkinData() ? SkinData()->GetDisableTag() : 99;
  for (int i = 0; i < Container->ComponentCount(); ++i) {
    TComponent* owned = Container->Component(i);
    if (auto* popup = dynamic_cast<TPopupMenu*>(owned)) {
      if (On && popup->GetTag() == disableTag) continue;
      SetPopupItemsOwnerDraw(*popup->Items(), On);
      if (On && !popup->GetOwnerDraw()) {
        FOwnerDrawnMenus.push_back(popup);
        popup->SetOwnerDraw(true);
      } else if (!On) {
        auto it = std::find(FOwnerDrawnMenus.begin(), FOwnerDrawnMenus.end(), popup);
        if (it != FOwnerDrawnMenus.end()) {
          FOwnerDrawnMenus.erase(it);
          popup->SetOwnerDraw(false);
        }
      }
    } else if (dynamic_cast<TCustomFrame*>(owned) || dynamic_cast<TCustomForm*>(owned)) {
      SetPopupMenusOwnerDraw(owned, On);
    }
  }
}

void TMenuItemPainter::SetPopupItemsOwnerDraw(TMenuItem& Root, bool On) {
  const TMenuDrawItemEvent draw(this, &TMenuItemPainter::DrawMenuItem);
  const TMenuMeasureItemEvent measure(this, &TMenuItemPainter::MeasurePopupItem);
  for (int i = 0; i < Root.Count(); ++i) {
    TMenuItem* item = Root.Items(i);
    if (On) {
      if (item->OnDrawItem.Assigned() && !(item->OnDrawItem == draw))
        FReplacedDraw[item] = item->OnDrawItem;
      item->OnDrawItem = draw;
      if (!item->OnMeasureItem.Assigned()) item->OnMeasureItem = measure;
    } else {
      ClearOwnEvents(*item);
    }
    SetPopupItemsOwnerDraw(*item, On);
  }
}

void TMenuItemPainter::SetMainMenuOwnerDraw(TComponent* Form, bool On) {
  if (!Form) return;
  const TMenuDrawItemEvent draw(this, &TMenuItemPainter::DrawMenuItem);
  const TMenuMeasureItemEvent measure(this, &TMenuItemPainter::MeasureMainItem);
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    auto* menu = dynamic_cast<TMainMenu*>(Form->Component(i));
    if (!menu) continue;
    if (On) {
      // The bar's own items stay as they are; their drop-downs are drawn here.
      for (int bar = 0; bar < menu->Items()->Count(); ++bar)
        ForEachBelow(*menu->Items()->Items(bar), [&](TMenuItem& item) {
          if (item.OnDrawItem.Assigned()) return;
          item.OnDrawItem = draw;
          item.OnMeasureItem = measure;
        });
      if (!menu->GetOwnerDraw()) {
        FOwnerDrawnMenus.push_back(menu);
        menu->SetOwnerDraw(true);
      }
    } else {
      ForEachBelow(*menu->Items(), [&](TMenuItem& item) { ClearOwnEvents(item); });
      auto it = std::find(FOwnerDrawnMenus.begin(), FOwnerDrawnMenus.end(), menu);
      if (it != FOwnerDrawnMenus.end()) {
        FOwnerDrawnMenus.erase(it);
        menu->SetOwnerDraw(false);
      }
    }
  }
}

void TMenuItemPainter::SetMenuItemsOwnerDraw(TMenuItem* Item, bool On) {
  if (!Item) return;
  auto apply = [&](TMenuItem& item) {
    if (On) {
      item.OnDrawItem = TMenuDrawItemEvent(this, &TMenuItemPainter::DrawMenuItem);
      item.OnMeasureItem = TMenuMeasureItemEvent(this, &TMenuItemPainter::MeasureMainItem);
    } else {
      ClearOwnEvents(item);
    }
  };
  apply(*Item);
  ForEachBelow(*Item, apply);
}

void TMenuItemPainter::ClearOwnEvents(TMenuItem& Item) {
  if (Item.OnDrawItem == TMenuDrawItemEvent(this, &TMenuItemPainter::DrawMenuItem)) {
    auto saved = FReplacedDraw.find(&Item);
    if (saved != FReplacedDraw.end()) {
      Item.OnDrawItem = saved->second;
      FReplacedDraw.erase(saved);
    } else {
      Item.OnDrawItem = nullptr;
    }
  }
  if (Item.OnMeasureItem == TMenuMeasureItemEvent(this, &TMenuItemPainter::MeasurePopupItem) ||
      Item.OnMeasureItem == TMenuMeasureItemEvent(this, &TMenuItemPainter::MeasureMainItem))
    Item.OnMeasureItem = nullptr;
}

void TMenuItemPainter::ForEachBelow(TMenuItem& Item, const std::function<void(TMenuItem&)>& Action) {
  for (int i = 0; i < Item.Count(); ++i) {
    TMenuItem* child = Item.Items(i);
    Action(*child);
    ForEachBelow(*child, Action);
  }
}

// ---------------------------------------------------------------------------
// Measuring

void TMenuItemPainter::MeasurePopupItem(TObject* Sender, TCanvas*, int& Width, int&) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item) return;
  const int left = ElementLeftWidth(SkinData());
  Width += left + 12;
  if (!ImagesOf(*item)) Width += 23;
  Width = std::max(Width, ContentWidth(*item, left));
}

void TMenuItemPainter::MeasureMainItem(TObject* Sender, TCanvas*, int& Width, int&) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item) return;
  const int left = ElementLeftWidth(SkinData());
  Width += left + 10;
  if (!ImagesOf(*item)) Width += 25;
  Width = std::max(Width, ContentWidth(*item, left));
}

// ---------------------------------------------------------------------------
// Drawing

void TMenuItemPainter::DrawMenuItem(TObject* Sender, TCanvas* Canvas, RECT Rect, bool Selected) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item || !Canvas || !Canvas->Handle()) return;
  DrawItem(*item, Canvas->Handle(), Rect, Selected);
}

bool TMenuItemPainter::IsRightToLeft(const TMenuItem& Item) const {
  if (const TMenu* menu = Item.GetParentMenu()) return menu->IsRightToLeft();
  auto* form = dynamic_cast<TCustomForm*>(FOwner.Form());
  return form && form->GetMenu() && form->GetMenu()->IsRightToLeft();
}

void TMenuItemPainter::DrawItem(const TMenuItem& Item, HDC DC, const RECT& Rect, bool Selected) {
  const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  if (w <= 0 || h <= 0) return;
  const TSkinData* data = SkinData();
  const TDataSkinObject* element = ItemElement(data);
  TPixelBuffer pixels(w, h);
  if (!element) {
    const TColor fill = data ? (Selected ? data->Skin().Colours.Hilight : data->Skin().Colours.Menu)
                             : SystemColor(Selected ? scHighlight : scMenu);
    pixels.FillRect(pixels.Bounds(), Pixel(fill));
  } else {
    if (!CopyMenuBackground(DC, Rect, pixels)) pixels.FillRect(pixels.Bounds(), Pixel(data->Skin().Colours.Menu));
    if (Item.IsLine())
      DrawSeparatorStrip(pixels, *element);
    else
      DrawSliced(pixels, pixels.Bounds(), element->Image, false, element->Tile == 1,
                 element->Trans != 0, kMenuItemFrames, Selected ? kSelectedFrame : kNormalFrame,
                 element->Margins);
  }
  TBitmap bitmap;
  bitmap.Assign(pixels);
  TSelectedBitmap work(bitmap);
  if (!work.DC()) return;
  if (!(element && Item.IsLine()))
    TItemContent(Item, data, Selected, IsRightToLeft(Item), w, h).Draw(work.DC());
  BitBlt(DC, Rect.left, Rect.top, w, h, work.DC(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// Items of the window's native menus

TMenuItem* TMenuItemPainter::FormMenuItem(UINT Command) const {
  auto* form = dynamic_cast<TCustomForm*>(FOwner.Form());
  TMenuItem* item = FindMenuItemByCommand(Command);
  if (!item || !form || !form->GetMenu() || item->GetParentMenu() != form->GetMenu())
    return nullptr;
  return item;
}

namespace {

// A native menu entry as a temporary item.
void ReadNativeItem(HMENU Menu, UINT Command, TMenuItem& Item) {
  char caption[81] = {};
  GetMenuStringA(Menu, Command, caption, sizeof caption, MF_BYCOMMAND);
  Item.SetCaption(caption[0] ? caption : "-");
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  if (GetMenuItemInfoA(Menu, Command, FALSE, &info)) {
    Item.SetEnabled((info.fState & MFS_GRAYED) == 0);
    Item.SetChecked((info.fState & MFS_CHECKED) != 0);
  }
}

}  // namespace

bool TMenuItemPainter::MeasureNativeItem(MEASUREITEMSTRUCT& Item) {
  if (Item.CtlType != ODT_MENU) return false;
  HDC dc = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  bool handled = true;
  int width = 0, height = 0;
  if (TMenuItem* item = FormMenuItem(Item.itemID)) {
    MeasureMenuItemDefault(*item, canvas, width, height);
    if (item->OnMeasureItem.Assigned() &&
        !(item->OnMeasureItem == TMenuMeasureItemEvent(this, &TMenuItemPainter::MeasureMainItem)))
      item->MeasureItem(canvas, width, height);
    else
      MeasureMainItem(item, &canvas, width, height);
  } else if (Item.itemID >= 1 && Item.itemID <= 4095) {
    handled = false;
  } else {
    char caption[81] = {};
    if (HMENU tracked = TrackedMenu())
      GetMenuStringA(tracked, Item.itemID, caption, sizeof caption, MF_BYCOMMAND);
    TFontHandle font = CreateMenuFont(false);
    HGDIOBJ old = SelectObject(dc, font.Get());
    SIZE extent{};
    GetTextExtentPoint32A(dc, "W", 1, &extent);
    const int textHeight = extent.cy;
    GetTextExtentPoint32A(dc, caption, static_cast<int>(strlen(caption)), &extent);
    SelectObject(dc, old);
    width = extent.cx + 26 + ElementLeftWidth(SkinData());
    height = caption[0] ? textHeight + 4 : 8;
  }
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  if (!handled) return false;
  Item.itemWidth = static_cast<UINT>(std::max(width, 0));
  Item.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TMenuItemPainter::DrawNativeItem(const DRAWITEMSTRUCT& Item) {
  if (Item.CtlType != ODT_MENU) return false;
  const bool selected = (Item.itemState & ODS_SELECTED) != 0;
  if (TMenuItem* item = FormMenuItem(Item.itemID)) {
    const TMenuDrawItemEvent own(this, &TMenuItemPainter::DrawMenuItem);
    if (item->OnDrawItem.Assigned() && !(item->OnDrawItem == own)) {
      TCanvas canvas;
      canvas.SetHandle(Item.hDC);
      item->DrawItem(canvas, Item.rcItem, selected);
      canvas.SetHandle(nullptr);
    } else {
      DrawItem(*item, Item.hDC, Item.rcItem, selected);
    }
    return true;
  }
  if (Item.itemID >= 1 && Item.itemID <= 4095) return false;
  TMenuItem temporary(nullptr);
  ReadNativeItem(reinterpret_cast<HMENU>(Item.hwndItem), Item.itemID, temporary);
  DrawItem(temporary, Item.hDC, Item.rcItem, selected);
  return true;
}
