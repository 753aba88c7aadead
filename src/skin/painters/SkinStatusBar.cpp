#include "skin/painters/SkinStatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/definition/DataSkinObject.h"
#include "skin/engine/SkinData.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/ItemContent.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinStatusBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinStatusBar>("TSkinStatusBar", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

void DrawElement(HDC DC, const RECT& Area, const TDataSkinObject& Element, int Frame) {
  DrawSliced(DC, TRect{Area.left, Area.top, Area.right, Area.bottom}, Element.Image, false,
             Element.Tile != 0, Element.Trans != 0, Element.FrameCount, Frame, Element.Margins);
}

// The pieces of a panel's text: before the first tab at the left, after
// it centred, after a second one at the right.
struct TTextPiece {
  std::wstring Text;
  TAlignment Alignment;
};

std::vector<TTextPiece> SplitAtTabs(const std::wstring& Text) {
  std::vector<TTextPiece> pieces;
  const TAlignment order[] = {taLeftJustify, taCenter, taRightJustify};
  size_t start = 0;
  for (int slot = 0; slot < 3; ++slot) {
    size_t tab = slot < 2 ? Text.find(L'\t', start) : std::wstring::npos;
    const std::wstring piece = Text.substr(start, tab == std::wstring::npos ? tab : tab - start);
    if (!piece.empty()) pieces.push_back({piece, order[slot]});
    if (tab == std::wstring::npos) break;
    start = tab + 1;
  }
  return pieces;
}

}  // namespace

const TDataSkinObject* TSkinStatusBar::Element() const {
  if (!FSkinData) return nullptr;
  const TDataSkinObject* element = FSkinData->Skin().StatusBarEdges.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

bool TSkinStatusBar::HasGrip() const {
  return (GetWindowLongPtrA(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
}

void TSkinStatusBar::Detach() {
  TSkinControl::Detach();
  if (FHandle && IsWindow(FHandle)) InvalidateRect(FHandle, nullptr, TRUE);
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinStatusBar::BeforeMessage(TMessage& Message) {
  if (Element() && PaintInsteadOfControl(Message)) return false;
  return TSkinControl::BeforeMessage(Message);
}

void TSkinStatusBar::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      // The last panel and the grip move with the bar's right edge.
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

// ---------------------------------------------------------------------------
// Painting

std::vector<RECT> TSkinStatusBar::PartRects() const {
  std::vector<RECT> parts;
  const bool simple = SendMessageW(FHandle, SB_ISSIMPLE, 0, 0) != 0;
  const int count = simple ? 1 : static_cast<int>(SendMessageW(FHandle, SB_GETPARTS, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (simple) {
      GetClientRect(FHandle, &r);
      InflateRect(&r, -2, -2);
    } else if (!SendMessageW(FHandle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r))) {
      continue;
    }
    parts.push_back(r);
  }
  return parts;
}

void TSkinStatusBar::Paint(HDC DC, const RECT&) {
  const TDataSkinObject* element = Element();
  if (!element || !FHandle) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  if (!FBitmap.SetSize(client.right, client.bottom)) return;
  FEnabled = (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  HDC canvas = FBitmap.DC();
  FillFace(canvas, client);
  DrawElement(canvas, client, *element, pfPanel);
  const std::vector<RECT> parts = PartRects();
  const bool grip = HasGrip();
  const HFONT font = ItemFont(FControl, FHandle);
  FPanelAreas.clear();
  int left = 0;
  for (size_t i = 0; i < parts.size(); ++i) {
    const bool last = i + 1 == parts.size();
    TPanelArea panel;
    panel.Area = {left, 0, last ? client.right : parts[i].right, client.bottom};
    if (panel.Area.right <= panel.Area.left) continue;
    panel.Frame = !last ? pfDivided : grip ? pfGrip : pfPanel;
    if (panel.Frame == pfGrip) {
      DrawElement(canvas, panel.Area, *element, pfPanel);
      DrawGrip(canvas, panel.Area, *element);
    } else {
      DrawElement(canvas, panel.Area, *element, panel.Frame);
    }
    RECT text = parts[i];
    text.left = left + 2;
    // The grip's corner stays free of text.
    if (last && grip) text.right = std::min<LONG>(text.right, client.right - client.bottom);
    DrawPart(canvas, static_cast<int>(i), text, font);
    FPanelAreas.push_back(panel);
    left = panel.Area.right;
  }
  FBitmap.CopyTo(DC, 0, 0);
}

// The grip frame at its own width in the corner; only its top part
// stretches with the bar's height, so that the grip keeps its shape.
void TSkinStatusBar::DrawGrip(HDC DC, const RECT& Panel, const TDataSkinObject& Element) {
  const TRect frame = CutFrame(Element.Image, false, Element.FrameCount, pfGrip);
  const int top = std::max(Element.Margins.Top, 0);
  const TRect margins{0, top, 0, std::max(frame.Height() - top - 1, 0)};
  const int left = std::max<int>(Panel.left, Panel.right - frame.Width());
  DrawSliced(DC, TRect{left, Panel.top, Panel.right, Panel.bottom}, Element.Image, false,
             Element.Tile != 0, Element.Trans != 0, Element.FrameCount, pfGrip, margins);
}

void TSkinStatusBar::DrawPart(HDC DC, int Part, const RECT& TextArea, HFONT Font) {
  const LRESULT length = SendMessageW(FHandle, SB_GETTEXTLENGTHW, Part, 0);
  if (HIWORD(length) & SBT_OWNERDRAW) {
    DrawOwnerPart(DC, Part, TextArea, SendMessageW(FHandle, SB_GETTEXTW, Part, 0));
    return;
  }
  RECT area = TextArea;
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(FHandle, SB_GETICON, Part, 0))) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int top = area.top + (area.bottom - area.top - size) / 2;
    DrawIconEx(DC, area.left + 1, top, icon, size, size, 0, nullptr, DI_NORMAL);
    area.left += size + 2;
  }
  std::wstring text(LOWORD(length) + 1, L'\0');
  SendMessageW(FHandle, SB_GETTEXTW, Part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  if (text.empty()) return;
  HGDIOBJ oldFont = SelectObject(DC, Font);
  const COLORREF oldColour = SetTextColor(DC, ItemTextColour(FControl, FSkinData, FEnabled));
  for (const TTextPiece& piece : SplitAtTabs(text))
    // One line, as the system's bar draws it: a long text ends in an ellipsis.
    DrawItemContent(DC, area, piece.Alignment, piece.Text, -1, nullptr, TextFlags(DT_SINGLELINE));
  SetTextColor(DC, oldColour);
  SelectObject(DC, oldFont);
}

// The owner draws its panel as the system control would ask it to, over
// the skinned panel.
void TSkinStatusBar::DrawOwnerPart(HDC DC, int Part, const RECT& Rect, LRESULT Data) {
  DRAWITEMSTRUCT item{};
  item.CtlType = 0;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(FHandle));
  item.itemID = static_cast<UINT>(Part);
  item.hwndItem = FHandle;
  item.hDC = DC;
  item.rcItem = Rect;
  item.itemData = static_cast<ULONG_PTR>(Data);
  const int saved = SaveDC(DC);
  SetBkMode(DC, TRANSPARENT);
  SendMessageW(GetParent(FHandle), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  RestoreDC(DC, saved);
}
