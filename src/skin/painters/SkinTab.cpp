#include "skin/painters/SkinTab.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/definition/DataSkinObject.h"
#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/ImageTransforms.h"
#include "skin/painters/ItemContent.h"
#include "skin/recognition/PainterFactory.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinTab::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTab>("TSkinTab", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

constexpr int kTextLength = 260;
constexpr TColor kKeyColour = 0xFF00FF;

TRect ToTRect(const RECT& R) {
  return TRect{R.left, R.top, R.right, R.bottom};
}

void DrawElement(HDC DC, const RECT& Area, const TDataSkinObject& Element, int Frame) {
  DrawSliced(DC, ToTRect(Area), Element.Image, false, Element.Tile != 0, Element.Trans != 0,
             Element.FrameCount, Frame, Element.Margins);
}

// A copy of Font turned by Escapement tenths of a degree.
HFONT TurnedFont(HFONT Font, int Escapement) {
  LOGFONTW log{};
  GetObjectW(Font, sizeof log, &log);
  log.lfEscapement = log.lfOrientation = Escapement;
  return CreateFontIndirectW(&log);
}

}  // namespace

// ---------------------------------------------------------------------------
// State

const TDataSkinBorder* TSkinTab::TabsElement() const {
  if (!FSkinData) return nullptr;
  const TDataSkinBorder* element = FSkinData->Skin().Tabs.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

bool TSkinTab::ButtonLook() const {
  return FHandle && (GetWindowLongPtrA(FHandle, GWL_STYLE) & TCS_BUTTONS);
}

bool TSkinTab::CanDraw() const {
  if (!TabsElement()) return false;
  if (!ButtonLook()) return true;
  const TDataSkinButton* buttons = FSkinData->Skin().Buttons.get();
  return buttons && !buttons->Image.Empty();
}

TSkinTab::TTabSide TSkinTab::Side() const {
  const LONG_PTR style = FHandle ? GetWindowLongPtrA(FHandle, GWL_STYLE) : 0;
  if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? tsRight : tsLeft;
  return (style & TCS_BOTTOM) ? tsBottom : tsTop;
}

bool TSkinTab::FlatButtons() const {
  return FHandle && (GetWindowLongPtrA(FHandle, GWL_STYLE) & TCS_FLATBUTTONS);
}

int TSkinTab::TabFrame(int Index) const {
  if (ButtonLook()) {
    if (!FEnabled) return bfDisabled;
    if (Index == FSelected) return bfPressed;
    if (Index == FHotIndex) return bfMouseOver;
    return bfNormal;
  }
  if (!FEnabled) return tfDisabled;
  if (Index == FSelected) return FFocused ? tfSelectedFocused : tfSelected;
  if (Index == FHotIndex) return tfMouseOver;
  return tfNormal;
}

bool TSkinTab::ShowsFocus() const {
  if (!FFocused) return false;
  const LRESULT state = SendMessageW(FHandle, WM_QUERYUISTATE, 0, 0);
  return (state & UISF_HIDEFOCUS) == 0;
}

void TSkinTab::Detach() {
  TSkinControl::Detach();
  if (FHandle && IsWindow(FHandle)) InvalidateRect(FHandle, nullptr, TRUE);
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinTab::BeforeMessage(TMessage& Message) {
  if (CanDraw() && PaintInsteadOfControl(Message)) return false;
  return TSkinControl::BeforeMessage(Message);
}

void TSkinTab::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(Message);
      break;
    case WM_MOUSELEAVE:
      SetHotIndex(-1);
      break;
    case WM_SIZE:
      // The pane and the rows move with the size; the system control does
      // not always redraw all of it.
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinTab::OnMouseMove(const TMessage& Message) {
  TCHITTESTINFO hit{{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}, 0};
  SetHotIndex(static_cast<int>(SendMessageW(FHandle, TCM_HITTEST, 0,
                                            reinterpret_cast<LPARAM>(&hit))));
  if (FSkinData) FSkinData->TrackLeave(FHandle);
}

void TSkinTab::SetHotIndex(int Value) {
  if (Value == FHotIndex) return;
  FHotIndex = Value;
  Repaint();
}

// ---------------------------------------------------------------------------
// Geometry

std::vector<TSkinTab::TTabItem> TSkinTab::ReadTabs() const {
  std::vector<TTabItem> tabs;
  const int count = static_cast<int>(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TTabItem tab;
    tab.Index = i;
    if (!SendMessageW(FHandle, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab.Rect))) continue;
    wchar_t text[kTextLength + 1] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text;
    item.cchTextMax = kTextLength;
    if (SendMessageW(FHandle, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))) {
      tab.Text = text;
      tab.Image = item.iImage;
    }
    tab.Selected = i == FSelected;
    tabs.push_back(tab);
  }
  return tabs;
}

RECT TSkinTab::PaneOf(const RECT& Client, const std::vector<TTabItem>& Tabs) const {
  RECT pane = Client;
  if (Tabs.empty()) return pane;
  // The pane's edge lies under the tabs' own base line, so that the
  // selected tab, drawn last, opens into it.
  switch (Side()) {
    case tsTop:
      pane.top = 0;
      for (const TTabItem& tab : Tabs) pane.top = std::max(pane.top, tab.Rect.bottom - 1);
      break;
    case tsBottom:
      pane.bottom = Client.bottom;
      for (const TTabItem& tab : Tabs) pane.bottom = std::min(pane.bottom, tab.Rect.top + 1);
      break;
    case tsLeft:
      pane.left = 0;
      for (const TTabItem& tab : Tabs) pane.left = std::max(pane.left, tab.Rect.right - 1);
      break;
    case tsRight:
      pane.right = Client.right;
      for (const TTabItem& tab : Tabs) pane.right = std::min(pane.right, tab.Rect.left + 1);
      break;
  }
  return pane;
}

// ---------------------------------------------------------------------------
// Painting

void TSkinTab::Paint(HDC DC, const RECT&) {
  if (!CanDraw() || !FHandle) return;
  FindScrollArrows();
  RECT client{};
  GetClientRect(FHandle, &client);
  if (!FBitmap.SetSize(client.right, client.bottom)) return;
  FEnabled = (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  FFocused = GetFocus() == FHandle;
  FSelected = static_cast<int>(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0));
  HDC canvas = FBitmap.DC();
  FillFace(canvas, client);
  const std::vector<TTabItem> tabs = ReadTabs();
  const HFONT font = ItemFont(FControl, FHandle);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
  if (ButtonLook()) {
    FPaneRect = RECT{};
    for (const TTabItem& tab : tabs) DrawButtonTab(canvas, tab, font, images);
  } else {
    FPaneRect = PaneOf(client, tabs);
    DrawPane(canvas, FPaneRect);
    if (!tabs.empty()) DrawBaseLine(canvas, client, FPaneRect, Side());
    for (const TTabItem& tab : tabs)
      if (!tab.Selected) DrawTab(canvas, tab, font, images);
    for (const TTabItem& tab : tabs)
      if (tab.Selected) DrawTab(canvas, tab, font, images);
  }
  FBitmap.CopyTo(DC, 0, 0);
}

void TSkinTab::DrawPane(HDC DC, const RECT& Pane) const {
  const TDataSkinObject* pane = FSkinData->Skin().TabPane.get();
  if (pane && !pane->Image.Empty()) {
    DrawElement(DC, Pane, *pane, 1);
    return;
  }
  TBrushHandle shadow(CreateSolidBrush(SkinColorRef(FSkinData->Skin().Colours.ButtonShadow)));
  FrameRect(DC, &Pane, shadow.Get());
}

void TSkinTab::DrawBaseLine(HDC DC, const RECT& Client, const RECT& Pane, TTabSide Side) const {
  const TDataSkinBorder* element = TabsElement();
  const TPixelBuffer& image = element->SecondImage;
  if (image.Empty() || element->FrameCount <= 0) return;
  const int depth = image.Height();
  RECT line = Client;
  // The line's outer row lies on the pane's edge.
  switch (Side) {
    case tsTop:
      line.top = Pane.top + 1 - depth;
      line.bottom = Pane.top + 1;
      break;
    case tsBottom:
      line.top = Pane.bottom - 1;
      line.bottom = Pane.bottom - 1 + depth;
      break;
    case tsLeft:
      line.left = Pane.left + 1 - depth;
      line.right = Pane.left + 1;
      break;
    case tsRight:
      line.left = Pane.right - 1;
      line.right = Pane.right - 1 + depth;
      break;
  }
  DrawTurned(DC, line, *element, image, 1, Side, TRect{0, 0, 0, 0});
}

void TSkinTab::DrawTurned(HDC DC, const RECT& Area, const TDataSkinObject& Element,
                          const TPixelBuffer& Image, int Frame, TTabSide Side,
                          const TRect& Margins) const {
  const int width = Area.right - Area.left;
  const int height = Area.bottom - Area.top;
  if (width <= 0 || height <= 0) return;
  const bool turned = Side == tsLeft || Side == tsRight;
  TPixelBuffer face = BuildSlicedBitmap(turned ? height : width, turned ? width : height, Image,
                                        Margins, false, Element.Tile != 0, Element.FrameCount,
                                        Frame);
  if (Side == tsBottom) FlipVertical(face);
  if (Side == tsLeft) RotateLeft(face);
  if (Side == tsRight) RotateRight(face);
  if (Element.Trans != 0)
    ::DrawTransparent(DC, ToTRect(Area), face, kKeyColour);
  else
    DrawPixelBuffer(DC, Area.left, Area.top, face);
}

void TSkinTab::DrawTab(HDC DC, const TTabItem& Tab, HFONT Font, HIMAGELIST Images) {
  const TDataSkinBorder* element = TabsElement();
  const TTabSide side = Side();
  DrawTurned(DC, Tab.Rect, *element, element->Image, TabFrame(Tab.Index), side,
             element->Margins);
  RECT area = Tab.Rect;
  InflateRect(&area, -2, -2);
  DrawTabText(DC, Tab, area, Font, Images, side);
  if (Tab.Selected && ShowsFocus()) {
    RECT focus = Tab.Rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(DC, &focus);
  }
}

void TSkinTab::DrawButtonTab(HDC DC, const TTabItem& Tab, HFONT Font, HIMAGELIST Images) {
  const TDataSkinButton& buttons = *FSkinData->Skin().Buttons;
  const int frame = TabFrame(Tab.Index);
  // Flat buttons show their face only when selected or under the mouse.
  if (!FlatButtons() || frame == bfPressed || frame == bfMouseOver)
    DrawElement(DC, Tab.Rect, buttons, frame);
  RECT area = Tab.Rect;
  InflateRect(&area, -2, -2);
  if (frame == bfPressed) OffsetRect(&area, 1, 1);
  DrawTabText(DC, Tab, area, Font, Images, tsTop);
  if (Tab.Selected && ShowsFocus()) {
    RECT focus = Tab.Rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(DC, &focus);
  }
}

void TSkinTab::DrawTabText(HDC DC, const TTabItem& Tab, const RECT& Area, HFONT Font,
                           HIMAGELIST Images, TTabSide Side) {
  if (Tab.Text.empty()) return;
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(DC, ItemTextColour(FControl, FSkinData, FEnabled));
  const TTabSide side = Side;
  if (side == tsTop || side == tsBottom) {
    HGDIOBJ oldFont = SelectObject(DC, Font);
    DrawItemContent(DC, Area, taCenter, Tab.Text, Tab.Image, Images, TextFlags(0));
    SelectObject(DC, oldFont);
  } else {
    // Text along a vertical tab reads upwards on the left, downwards on
    // the right, as the system draws it.
    TFontHandle turned(TurnedFont(Font, side == tsLeft ? 900 : 2700));
    HGDIOBJ oldFont = SelectObject(DC, turned.Get());
    SIZE extent{};
    GetTextExtentPoint32W(DC, Tab.Text.c_str(), static_cast<int>(Tab.Text.size()), &extent);
    const int across = Area.right - Area.left;
    const int along = Area.bottom - Area.top;
    const int x = side == tsLeft ? Area.left + (across - extent.cy) / 2
                                 : Area.right - (across - extent.cy) / 2;
    const int y = side == tsLeft ? Area.bottom - (along - extent.cx) / 2
                                 : Area.top + (along - extent.cx) / 2;
    ExtTextOutW(DC, x, y, ETO_CLIPPED, &Area, Tab.Text.c_str(),
                static_cast<UINT>(Tab.Text.size()), nullptr);
    SelectObject(DC, oldFont);
  }
  SetTextColor(DC, oldColour);
  SetBkMode(DC, oldMode);
}

// The system control makes an up-down child when its single row of tabs
// does not fit; the skin draws it too.
void TSkinTab::FindScrollArrows() {
  if (FScrollArrows && IsWindow(FScrollArrows) && GetParent(FScrollArrows) == FHandle) return;
  FScrollArrows = nullptr;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (LowerAscii(WindowClassName(child)) != "msctls_updown32") continue;
    FScrollArrows = child;
    break;
  }
  // A painter of a bare window belongs to the form skinner.
  if (!FScrollArrows || !FFormSkinner || SendMessageW(FScrollArrows, SM_ISSKINNED, 0, 0) == 1)
    return;
  TPainterTarget target;
  target.FormSkinner = FFormSkinner;
  target.SkinData = FSkinData;
  target.Canvas = FCanvas;
  target.Window = FScrollArrows;
  MakePainter(TPainterKind::pkUpDown, target);
}
