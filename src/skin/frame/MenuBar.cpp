#include "skin/frame/MenuBar.h"

#include <algorithm>
#include <cctype>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "skin/frame/MenuBarButton.h"
#include "skin/frame/MenuTracking.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/render/MenuBarDrawing.h"
#include "skin/render/MenuFont.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TWinSkinMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinSkinMenu>("TWinSkinMenu", &TComponent::StaticClass()).Info();
  return info;
}

namespace {

constexpr int kCaptionLength = 80;

const TDataSkinObject* BarElement(const TSkinData* Data) {
  if (!Data || !Data->SkinLoaded()) return nullptr;
  const TDataSkinObject* element = Data->Skin().MenuBar.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

// The character after the caption's single "&", upper-cased; 0 when none.
char AcceleratorOf(const std::string& Caption) {
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(Caption[i + 1])));
  }
  return 0;
}

int CaptionWidth(HDC DC, const std::string& Caption) {
  if (Caption.empty()) return 0;
  RECT r{0, 0, 0, 0};
  DrawTextA(DC, Caption.c_str(), static_cast<int>(Caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  return r.right - r.left;
}

}  // namespace

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& Owner, TSkinData* Data)
    : TComponent(nullptr), FOwner(Owner), FSkinData(Data) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (TMenuTracking::Instance().Bar() == this) TMenuTracking::Instance().End();
  FItems.clear();
}

bool TWinSkinMenu::RightToLeft() const {
  return FMenu ? FMenu->IsRightToLeft() : FOwner.RightToLeft();
}

// ---------------------------------------------------------------------------
// Building

void TWinSkinMenu::Build() {
  Read(rkForm);
}

void TWinSkinMenu::BuildAfterMDISetMenu() {
  if (Read(rkMDIFrame)) Layout(FBarRect);
}

bool TWinSkinMenu::Read(TReadKind Kind) {
  if (HMENU native = GetMenu(FOwner.Handle())) FMenuHandle = native;
  if (!FMenuHandle) return false;
  if (auto* form = dynamic_cast<TCustomForm*>(FOwner.Form())) {
    FMenu = form->GetMenu();
    if (!FMenu) return false;
  }
  FItems.clear();
  ReadNativeItems(Kind);
  ::SetMenu(FOwner.Handle(), nullptr);
  return true;
}

void TWinSkinMenu::ReadNativeItems(TReadKind Kind) {
  const int count = GetMenuItemCount(FMenuHandle);
  for (int i = 0; i < count; ++i) {
    char caption[kCaptionLength + 1] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = kCaptionLength;
    if (!GetMenuItemInfoA(FMenuHandle, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(FOwner, *this);
    button->SkinData = FSkinData;
    button->Index = static_cast<int>(FItems.size());
    button->SubMenu = info.hSubMenu;
    button->ItemEnabled = (info.fState & MFS_GRAYED) == 0;
    button->Visible = true;
    button->Command = info.wID;
    button->Caption = caption;
    // A frame menu the MDI client set keeps the texts it carries; the form's
    // items speak only for the entries that have none.
    if (Kind == rkForm)
      TakeFromMenuItem(*button);
    else if (button->Caption.empty())
      TakeCaptionlessFromMenuItem(*button);
    FItems.push_back(std::move(button));
  }
}

// The form's own item for the entry, when there is one, says what it shows.
void TWinSkinMenu::TakeFromMenuItem(TMenuBtn& Button) {
  TMenuItem* item = FindMenuItemByCommand(Button.Command);
  if (!item) return;
  Button.MenuItem = item;
  Button.Caption = item->GetCaption();
  Button.ItemEnabled = item->GetEnabled();
  Button.SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
}

void TWinSkinMenu::TakeCaptionlessFromMenuItem(TMenuBtn& Button) {
  TMenuItem* item = FindMenuItemByCommand(Button.Command);
  if (!item) return;
  Button.Caption = item->GetCaption();
  Button.ItemEnabled = item->GetEnabled();
  Button.Command = item->Command();
  Button.SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
}

TMenuItem* TWinSkinMenu::FindMenuItemByCommand(UINT Command) const {
  TMenuItem* item = ::FindMenuItemByCommand(Command);
  return item && FMenu && item->GetParentMenu() == FMenu ? item : nullptr;
}

namespace {

TMenuItem* FindBySubMenu(TMenuItem& Parent, HMENU SubMenu) {
  for (int i = 0; i < Parent.Count(); ++i) {
    TMenuItem* item = Parent.Items(i);
    if (item->Count() > 0 && item->Handle() == SubMenu) return item;
    if (TMenuItem* found = FindBySubMenu(*item, SubMenu)) return found;
  }
  return nullptr;
}

}  // namespace

TMenuItem* TWinSkinMenu::FindMenuItemBySubMenu(HMENU SubMenu) const {
  return FMenu && SubMenu ? FindBySubMenu(*FMenu->Items(), SubMenu) : nullptr;
}

void TWinSkinMenu::GiveBack() {
  RestoreOwnerDraw();
  HWND window = FOwner.Handle();
  if (!IsWindow(window)) return;
  HMENU menu = FMenuHandle;
  if (auto* form = dynamic_cast<TCustomForm*>(FOwner.Form()); form && form->GetMenu())
    menu = form->GetMenu()->Handle();
  if (menu && IsMenu(menu)) ::SetMenu(window, menu);
}

// ---------------------------------------------------------------------------
// Owner drawing of the drop-downs

void TWinSkinMenu::SwitchToOwnerDraw(HMENU Menu) {
  const int count = GetMenuItemCount(Menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(Menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      TSwitchedItem switched{Menu, static_cast<UINT>(i), info.wID, {}};
      char caption[kCaptionLength + 1] = {};
      GetMenuStringA(Menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION);
      switched.Caption = caption;
      MENUITEMINFOA type{};
      type.cbSize = sizeof type;
      type.fMask = MIIM_FTYPE;
      type.fType = info.fType | MFT_OWNERDRAW;
      if (SetMenuItemInfoA(Menu, static_cast<UINT>(i), TRUE, &type))
        FSwitched.push_back(std::move(switched));
    }
    if (info.hSubMenu) SwitchToOwnerDraw(info.hSubMenu);
  }
}

void TWinSkinMenu::RestoreOwnerDraw() {
  for (const TSwitchedItem& item : FSwitched) {
    if (!IsMenu(item.Menu)) continue;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoA(item.Menu, item.Position, TRUE, &info) || info.wID != item.Id ||
        !(info.fType & MFT_OWNERDRAW))
      continue;
    info.fMask = MIIM_FTYPE;
    info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
    SetMenuItemInfoA(item.Menu, item.Position, TRUE, &info);
  }
  FSwitched.clear();
}

std::string TWinSkinMenu::NativeCaption(HMENU Menu, UINT Id) const {
  for (const TSwitchedItem& item : FSwitched)
    if (item.Menu == Menu && item.Id == Id) return item.Caption;
  return {};
}

// ---------------------------------------------------------------------------
// Layout and painting

void TWinSkinMenu::Layout(const RECT& Bar) {
  FBarRect = Bar;
  const int width = Bar.right - Bar.left;
  if (width <= 0 || Bar.bottom <= Bar.top) return;
  const bool rtl = RightToLeft();
  int margin = 6;
  if (const TDataSkinObject* element = BarElement(FSkinData))
    margin = rtl ? element->Margins.Right + 8 : element->Margins.Left + 4;
  if (width < margin) margin = 12;
  HDC dc = GetDC(nullptr);
  TFontHandle font = CreateMenuFont();
  HGDIOBJ old = SelectObject(dc, font.Get());
  int x = rtl ? Bar.right - margin : Bar.left + margin;
  for (const auto& item : FItems) {
    if (!item->Visible) {
      item->Rect = {};
      continue;
    }
    const int w = item->Caption.empty() ? 0 : CaptionWidth(dc, item->Caption) + 10;
    if (rtl) {
      item->Rect = {x - w, Bar.top, x, Bar.bottom - 1};
      x -= w;
    } else {
      item->Rect = {x, Bar.top, x + w, Bar.bottom - 1};
      x += w;
    }
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
}

void TWinSkinMenu::Paint(HDC DC, const RECT& Bar) {
  const int w = Bar.right - Bar.left, h = Bar.bottom - Bar.top;
  if (w <= 0 || h <= 0) return;
  Layout(Bar);
  TPixelBuffer pixels(w, h);
  const TDataSkinObject* element = BarElement(FSkinData);
  if (element) {
    const int frames = std::max(element->FrameCount, 1);
    const int frame = FOwner.IsActive() || frames < 2 ? 1 : 2;
    if (element->Tile == 1)
      TileBitmap(pixels, pixels.Bounds(), element->Image,
                 CutFrame(element->Image, false, frames, frame));
    else
      DrawHorzThreeSlice(pixels, pixels.Bounds(), element->Image, false, false, frames, frame,
                         element->Margins);
  } else {
    pixels.FillRect(pixels.Bounds(), PixelFromColor(ResolveColor(FSkinData->Skin().Colours.Menubar)));
  }
  FBarBitmap = pixels;
  TBitmap bitmap;
  bitmap.Assign(pixels);
  TBarItemDrawing drawing(bitmap, FSkinData);
  if (!drawing.DC()) return;
  for (const auto& item : FItems) {
    if (!item->Visible || item->Caption.empty()) continue;
    RECT r = item->Rect;
    OffsetRect(&r, -Bar.left, -Bar.top);
    drawing.DrawCaption(r, item->Caption, item->ItemEnabled);
  }
  BitBlt(DC, Bar.left, Bar.top, w, h, drawing.DC(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// Finding items

TMenuBtn* TWinSkinMenu::MenuItemAt(POINT WindowPoint) const {
  for (const auto& item : FItems)
    if (item->Visible && !item->Caption.empty() && PtInRect(&item->Rect, WindowPoint))
      return item.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ItemAtScreen(POINT Screen) const {
  RECT window;
  if (!GetWindowRect(FOwner.Handle(), &window)) return nullptr;
  return MenuItemAt({Screen.x - window.left, Screen.y - window.top});
}

TMenuBtn* TWinSkinMenu::FindAccelerator(char Key) const {
  const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(Key)));
  for (const auto& item : FItems) {
    if (!item->Visible || !item->ItemEnabled || item->Caption.empty()) continue;
    if (Key == 0 || AcceleratorOf(item->Caption) == wanted) return item.get();
  }
  return nullptr;
}

int TWinSkinMenu::NeighbourIndex(int From, int Step) const {
  const int n = ItemCount();
  if (n == 0) return -1;
  int index = From;
  for (int tries = 0; tries < n; ++tries) {
    index = ((index + Step) % n + n) % n;
    const TMenuBtn& item = *FItems[static_cast<size_t>(index)];
    if (item.Visible && !item.Caption.empty()) return index;
  }
  return -1;
}

// ---------------------------------------------------------------------------
// Opening

void TWinSkinMenu::OpenMenuItem(TMenuBtn& Item) {
  HWND window = FOwner.Handle();
  PostMessageA(window, WM_COMMAND, Item.Command, 0);
  TMenuTracking& tracking = TMenuTracking::Instance();
  if (!Item.SubMenu || tracking.Tracking()) return;
  RECT frame;
  GetWindowRect(window, &frame);
  SwitchToOwnerDraw(Item.SubMenu);
  FTracking = true;
  TSkinManage::Ensure().SetMenuBarPopup(true);
  tracking.Begin(*this, Item.Index, Item.SubMenu);
  if (Item.ItemEnabled) {
    const bool rtl = RightToLeft();
    const int x = frame.left + (rtl ? Item.Rect.right : Item.Rect.left);
    const int y = frame.top + Item.Rect.bottom;
    TrackPopupMenu(Item.SubMenu, TPM_NONOTIFY | TPM_RIGHTBUTTON | (rtl ? TPM_RIGHTALIGN : 0), x, y,
                   0, window, nullptr);
  }
  const int next = tracking.SwitchTarget();
  tracking.End();
  FTracking = false;
  POINT cursor;
  GetCursorPos(&cursor);
  if (ItemAtScreen(cursor) != &Item) Item.MouseLeave();
  if (next < 0 || next >= ItemCount()) return;
  // The neighbour opens from the window's own message loop.
  const RECT& r = Items(next)->Rect;
  PostMessageA(window, SM_OPENMENUITEM, 0,
               MAKELPARAM(frame.left + r.left + 1, frame.top + r.top + 1));
}

bool TWinSkinMenu::MouseMove(POINT WindowPoint) {
  TMenuBtn* item = MenuItemAt(WindowPoint);
  if (!item) return false;
  item->MouseEnter();
  return true;
}

bool TWinSkinMenu::MouseDown(POINT WindowPoint) {
  TMenuBtn* item = MenuItemAt(WindowPoint);
  if (!item) return false;
  if (!FOwner.IsActive() || GetForegroundWindow() != FOwner.Handle())
    SetForegroundWindow(FOwner.Handle());
  item->MouseDown();
  OpenMenuItem(*item);
  return true;
}
