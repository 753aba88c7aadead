#include "skin/painters/SkinTab31.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "skin/definition/DataSkinObject.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/painters/ItemContent.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/Control.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/PropInfo.h"
#include "toolkit/portable/Strings.h"

const TClassInfo& TSkinTab31::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTab31>("TSkinTab31", &TSkinTab::StaticClass()).Info();
  return info;
}

namespace {

constexpr int kDefaultStartMargin = 5;
// Room at either side of a tab's text.
constexpr int kTextPadding = 8;

// The control's "Tabs": a list of lines, published either as lines or as
// a string-list object.
std::vector<std::string> TabTexts(const TObject* Control) {
  if (!Control) return {};
  const TPropInfo* info = Control->ClassType().FindProperty("Tabs");
  if (!info || !info->Get) return {};
  if (info->Kind == pkStringList) return info->Get(*Control).Lines;
  if (auto* strings = dynamic_cast<TStrings*>(GetObjectPropByName(Control, "Tabs")))
    return strings->GetStrings();
  return {};
}

std::wstring Widen(const std::string& Text) {
  if (Text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()),
                                    nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), wide.data(), n);
  return wide;
}

int OrdOr(const TObject* Control, const char* Name, int Default) {
  const auto value = GetOrdPropByName(Control, Name);
  return value < 0 ? Default : static_cast<int>(value);
}

}  // namespace

std::vector<TSkinTab::TTabItem> TSkinTab31::ReadTabSet() const {
  std::vector<TTabItem> tabs;
  if (!FHandle) return tabs;
  RECT client{};
  GetClientRect(FHandle, &client);
  const int selected = static_cast<int>(GetOrdPropByName(FControl, "TabIndex"));
  const int height = std::min<int>(OrdOr(FControl, "TabHeight", client.bottom), client.bottom);
  HDC dc = GetDC(FHandle);
  HGDIOBJ oldFont = SelectObject(dc, ItemFont(FControl, FHandle));
  int x = OrdOr(FControl, "StartMargin", kDefaultStartMargin);
  const std::vector<std::string> texts = TabTexts(FControl);
  for (size_t i = 0; i < texts.size(); ++i) {
    TTabItem tab;
    tab.Index = static_cast<int>(i);
    tab.Text = Widen(texts[i]);
    RECT measured{0, 0, 0, 0};
    DrawSkinText(dc, tab.Text.empty() ? L" " : tab.Text, measured, DT_CALCRECT | DT_SINGLELINE);
    const int width = measured.right - measured.left + 2 * kTextPadding;
    tab.Rect = {x, 0, x + width, height};
    tab.Selected = tab.Index == selected;
    tabs.push_back(tab);
    x += width;
  }
  SelectObject(dc, oldFont);
  ReleaseDC(FHandle, dc);
  return tabs;
}

std::vector<RECT> TSkinTab31::TabRects() const {
  std::vector<RECT> rects;
  for (const TTabItem& tab : ReadTabSet()) rects.push_back(tab.Rect);
  return rects;
}

int TSkinTab31::TabAt(POINT At) const {
  for (const TTabItem& tab : ReadTabSet())
    if (PtInRect(&tab.Rect, At)) return tab.Index;
  return -1;
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinTab31::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!CanDraw()) return true;
      OnMouseDown(Message);
      return false;
    default:
      return TSkinTab::BeforeMessage(Message);
  }
}

void TSkinTab31::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(Message);
      break;
    case WM_MOUSELEAVE:
      if (FHotIndex != -1) {
        FHotIndex = -1;
        Repaint();
      }
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinTab31::OnMouseDown(const TMessage& Message) {
  const int index = TabAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
  if (index < 0 || !FControl || index == GetOrdPropByName(FControl, "TabIndex")) return;
  SetPropByName(FControl, "TabIndex", std::to_string(index));
  Repaint();
}

void TSkinTab31::OnMouseMove(const TMessage& Message) {
  const int index = TabAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
  if (index != FHotIndex) {
    FHotIndex = index;
    Repaint();
  }
  if (FSkinData) FSkinData->TrackLeave(FHandle);
}

// ---------------------------------------------------------------------------
// Painting

void TSkinTab31::Paint(HDC DC, const RECT&) {
  if (!CanDraw() || !FHandle) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  if (!FBitmap.SetSize(client.right, client.bottom)) return;
  FEnabled = (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  FFocused = GetFocus() == FHandle;
  const std::vector<TTabItem> tabs = ReadTabSet();
  FSelected = -1;
  for (const TTabItem& tab : tabs)
    if (tab.Selected) FSelected = tab.Index;
  HDC canvas = FBitmap.DC();
  FillFace(canvas, client);
  // The notebook's lower edge runs along the top, under the tabs.
  FPaneRect = {client.left, client.top - 1, client.right, client.top + 1};
  DrawBaseLine(canvas, client, FPaneRect, tsBottom);
  const HFONT font = ItemFont(FControl, FHandle);
  const TDataSkinBorder* element = TabsElement();
  for (int pass = 0; pass < 2; ++pass)
    for (const TTabItem& tab : tabs) {
      if (tab.Selected != (pass == 1)) continue;
      DrawTurned(canvas, tab.Rect, *element, element->Image, TabFrame(tab.Index), tsBottom,
                 element->Margins);
      RECT area = tab.Rect;
      InflateRect(&area, -2, -2);
      DrawTabText(canvas, tab, area, font, nullptr, tsBottom);
    }
  FBitmap.CopyTo(DC, 0, 0);
}
