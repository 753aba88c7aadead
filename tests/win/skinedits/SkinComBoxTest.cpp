// The combo-box painter on real combo boxes of a skinned form: the frame
// of the skin's combo image that each state shows (normal, mouse over the
// button, pressed, focused, disabled) while the combo box drops, types and
// chooses as usual; the companions on the edit and the lists; the other
// button styles; and the combo box given back whole.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/ComboxScrollBar.h"
#include "skin/painters/SkinComBox.h"
#include "skin/painters/WScrollbar.h"
#include "skinedits/EditSupport.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/portable/Strings.h"

namespace {

std::string TextOf(HWND Window) {
  char text[256] = {};
  GetWindowTextA(Window, text, sizeof text);
  return text;
}

TComboBox* AddCombo(TEditsForm& Form, TComboBoxStyle Style, int Top, int Items = 12) {
  auto* combo = Form.Add<TComboBox>(20, Top, 150, 21);
  combo->SetStyle(Style);
  for (int i = 0; i < Items; ++i) combo->GetItems()->Add("Item " + std::to_string(i));
  return combo;
}

POINT ButtonCentre(HWND Combo, const RECT& Button) {
  POINT p{(Button.left + Button.right) / 2, (Button.top + Button.bottom) / 2};
  ClientToScreen(Combo, &p);
  return p;
}

bool Dropped(HWND Combo) {
  return SendMessageA(Combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// A combo box whose system puts the drop button at the left (as some
// systems do for a scroll bar on the left): the system's answer mirrored.
WNDPROC gSystemCombo = nullptr;
LRESULT CALLBACK ButtonAtTheLeft(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const LRESULT result = CallWindowProcA(gSystemCombo, Window, Msg, WParam, LParam);
  if (Msg == CB_GETCOMBOBOXINFO && result) {
    auto* info = reinterpret_cast<COMBOBOXINFO*>(LParam);
    RECT client{};
    GetClientRect(Window, &client);
    const LONG width = info->rcButton.right - info->rcButton.left;
    info->rcButton.left = client.right - info->rcButton.right;
    info->rcButton.right = info->rcButton.left + width;
  }
  return result;
}

constexpr TPixel kBlue = PixelFromRgb(0, 0, 255);
constexpr TPixel kRed = PixelFromRgb(255, 0, 0);
constexpr TPixel kGrey = PixelFromRgb(128, 128, 128);
constexpr TPixel kGreen = PixelFromRgb(0, 200, 0);

}  // namespace

TEST(SkinComBox, EachStateShowsItsFrameWhileTheComboDropsTypesAndChooses) {
  TEditsForm form;
  TComboBox* drop = AddCombo(form, csDropDown, 20);
  TComboBox* list = AddCombo(form, csDropDownList, 70);
  auto* away = form.Add<TEdit>(220, 20, 120, 23);
  ASSERT_TRUE(form.Skin());
  HWND dropWnd = drop->WindowHandle(), listWnd = list->WindowHandle();
  auto* dropPainter = dynamic_cast<TSkinComBox*>(form.PainterOf(dropWnd));
  auto* listPainter = dynamic_cast<TSkinComBox*>(form.PainterOf(listWnd));
  ASSERT_NE(dropPainter, nullptr);
  ASSERT_NE(listPainter, nullptr);
  const TDataSkinBorder& image = *form.Skinned.Data->Skin().ComboButton;
  ASSERT_EQ(image.Style, 2);  // the program's skin composes the full-width image
  // Companions: the drop-down's edit is followed; both lists get bars.
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(dropWnd, &info));
  EXPECT_EQ(dropPainter->SubclassedEdit(), info.hwndItem);
  EXPECT_EQ(listPainter->SubclassedEdit(), nullptr);
  ASSERT_NE(dropPainter->ListPainter(), nullptr);
  ASSERT_NE(listPainter->ListPainter(), nullptr);

  ClickScreen(CentreOf(away->WindowHandle()));
  MouseMoveTo(5, 5);
  PumpUntil([&] { return GetFocus() == away->WindowHandle(); }, 2000);
  RedrawNow(form.Form());
  EXPECT_EQ(ShownSlicedFrame(dropWnd, image), TSkinComBox::cfNormal);
  EXPECT_EQ(ShownSlicedFrame(listWnd, image), TSkinComBox::cfNormal);

  // The mouse over the button lights it; over the text it does not, and
  // leaving the combo box ends it.
  const POINT button = ButtonCentre(listWnd, listPainter->ButtonRect());
  MouseMoveTo(button.x, button.y);
  EXPECT_TRUE(PumpUntil([&] { return listPainter->MouseOver(); }, 2000));
  EXPECT_EQ(ShownSlicedFrame(listWnd, image), TSkinComBox::cfHot);
  const POINT text = ScreenPoint(listWnd, 20, 10);
  MouseMoveTo(text.x, text.y);
  EXPECT_TRUE(PumpUntil([&] { return !listPainter->MouseOver(); }, 2000));
  MouseMoveTo(button.x, button.y);
  PumpUntil([&] { return listPainter->MouseOver(); }, 2000);
  MouseMoveTo(5, 5);
  EXPECT_TRUE(PumpUntil([&] { return !listPainter->MouseOver(); }, 2000));
  EXPECT_EQ(ShownSlicedFrame(listWnd, image), TSkinComBox::cfNormal);

  // Held down on the button: pressed while the list drops; the list's bars
  // are the skin's; the keyboard chooses; closed, the focused frame.
  MouseMoveTo(button.x, button.y);
  MouseButton(true);
  EXPECT_TRUE(PumpUntil([&] { return Dropped(listWnd); }, 2000));
  EXPECT_EQ(ShownSlicedFrame(listWnd, image), TSkinComBox::cfPressed);
  MouseButton(false);
  PumpMessages(60);
  ASSERT_TRUE(Dropped(listWnd));
  TWScrollbar* bar = listPainter->ListPainter()->VertBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(bar->WindowHandle()) != 0; }, 2000));
  TypeKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_TRUE(PumpUntil([&] { return !Dropped(listWnd); }, 2000));
  EXPECT_GE(list->GetItemIndex(), 1);
  EXPECT_FALSE(listPainter->DroppedDown());
  MouseMoveTo(5, 5);
  PumpMessages(40);
  EXPECT_EQ(GetFocus(), listWnd);
  EXPECT_EQ(ShownSlicedFrame(listWnd, image), TSkinComBox::cfHot);

  // Typing into the drop-down's edit: the combo box is focused through its
  // edit and shows it.
  ClickScreen(ScreenPoint(dropWnd, 20, 10));
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == info.hwndItem; }, 2000));
  TypeKeys({'A', 'B'});
  EXPECT_TRUE(PumpUntil([&] { return TextOf(dropWnd) == "ab"; }, 2000)) << TextOf(dropWnd);
  MouseMoveTo(5, 5);
  PumpMessages(40);
  EXPECT_EQ(ShownSlicedFrame(dropWnd, image), TSkinComBox::cfHot);

  list->SetEnabled(false);
  PumpMessages(40);
  EXPECT_EQ(ShownSlicedFrame(listWnd, image), TSkinComBox::cfDisabled);
}

TEST(SkinComBox, TheComboAndItsEditAreGivenBackWhole) {
  TEditsForm form;
  TComboBox* drop = AddCombo(form, csDropDown, 20);
  TComboBox* simple = AddCombo(form, csSimple, 60, 20);
  simple->SetBounds(200, 20, 150, 120);
  ASSERT_TRUE(form.Skin());
  HWND dropWnd = drop->WindowHandle();
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(dropWnd, &info));
  const auto editProc = GetWindowLongPtrA(info.hwndItem, GWLP_WNDPROC);
  auto* painter = dynamic_cast<TSkinComBox*>(form.PainterOf(dropWnd));
  ASSERT_NE(painter, nullptr);
  const TDataSkinBorder& image = *form.Skinned.Data->Skin().ComboButton;
  RedrawNow(form.Form());
  EXPECT_NE(ShownSlicedFrame(dropWnd, image), 0);

  // A simple combo box is left to draw itself; its list has the skin's
  // bars.
  auto* simplePainter = dynamic_cast<TSkinComBox*>(form.PainterOf(simple->WindowHandle()));
  ASSERT_NE(simplePainter, nullptr);
  ASSERT_NE(simplePainter->SimpleListPainter(), nullptr);
  EXPECT_EQ(simplePainter->ListPainter(), nullptr);
  TWScrollbar* bar = simplePainter->SimpleListPainter()->VertBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(IsWindowVisible(bar->WindowHandle()));
  EXPECT_EQ(ShownSlicedFrame(simple->WindowHandle(), image), 0);

  ASSERT_TRUE(form.Unskin());
  EXPECT_NE(SendMessageA(dropWnd, SM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(GetPropA(info.hwndItem, "FernwickComboEditPainter"), nullptr);
  EXPECT_NE(GetWindowLongPtrA(info.hwndItem, GWLP_WNDPROC), editProc);
  RedrawNow(dropWnd);
  EXPECT_EQ(ShownSlicedFrame(dropWnd, image), 0);
  // The edit still types.
  ClickScreen(ScreenPoint(dropWnd, 20, 10));
  PumpUntil([&] { return GetFocus() == info.hwndItem; }, 2000);
  TypeKeys({'Z'});
  EXPECT_TRUE(PumpUntil([&] { return TextOf(dropWnd) == "z"; }, 2000)) << TextOf(dropWnd);
}

TEST(SkinComBox, TheButtonStylesAndTheMirroredButton) {
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  // Style 0 without a sunken edge: the button image stretched into the
  // button's place, two pixels inside the border.
  {
    TEditsForm form(ButtonStyleSkin(0));
    TComboBox* combo = AddCombo(form, csDropDownList, 20);
    ASSERT_TRUE(form.Skin());
    HWND wnd = combo->WindowHandle();
    ASSERT_NE(form.PainterOf(wnd), nullptr);
    const RECT r = WindowRectOf(wnd);
    const int width = r.right - r.left, height = r.bottom - r.top;
    MouseMoveTo(5, 5);
    RedrawNow(wnd);
    EXPECT_EQ(PixelOf(wnd, width - 2 - w / 2, height / 2), kBlue);
    EXPECT_EQ(PixelOf(wnd, width - 3, 3), kBlue);
    EXPECT_NE(PixelOf(wnd, width - 1, height / 2), kBlue);
    const POINT button = ScreenPoint(wnd, width - 2 - w / 2, height / 2);
    MouseMoveTo(button.x, button.y);
    EXPECT_TRUE(PumpUntil([&] { return PixelOf(wnd, width - 2 - w / 2, height / 2) == kGreen; },
                          2000));
    MouseMoveTo(5, 5);
    combo->SetEnabled(false);
    PumpMessages(40);
    EXPECT_EQ(PixelOf(wnd, width - 2 - w / 2, height / 2), kGrey);

    // With the button at the left, the mirrored image in the same state.
    HWND left = CreateWindowExA(WS_EX_LEFTSCROLLBAR, "COMBOBOX", "",
                                WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 20, 60, 150,
                                200, form.Form(), nullptr, GetModuleHandleA(nullptr), nullptr);
    gSystemCombo = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(left, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonAtTheLeft)));
    TWinSkinForm* skinner = form.Skinned.Skinner();
    auto* painter = new TSkinComBox(skinner);
    painter->AttachToWindow(left, form.Skinned.Data, skinner, &skinner->CanvasWork());
    RedrawNow(left);
    EXPECT_EQ(PixelOf(left, 2 + w / 2, height / 2), kBlue);
    EXPECT_NE(PixelOf(left, width - 2 - w / 2, height / 2), kBlue);
    DestroyWindow(left);
  }
  // Style 1, the flat look: a one-pixel frame in the shadow colour, darker
  // under the mouse, the button one pixel inside it.
  {
    TEditsForm form(ButtonStyleSkin(1));
    TComboBox* combo = AddCombo(form, csDropDownList, 20);
    ASSERT_TRUE(form.Skin());
    HWND wnd = combo->WindowHandle();
    const RECT r = WindowRectOf(wnd);
    const int width = r.right - r.left, height = r.bottom - r.top;
    MouseMoveTo(5, 5);
    RedrawNow(wnd);
    const TPixel shadow = form.Shown(form.Colours().ButtonShadow);
    EXPECT_EQ(PixelOf(wnd, 0, 0), shadow);
    EXPECT_EQ(PixelOf(wnd, width / 3, height - 1), shadow);
    EXPECT_EQ(PixelOf(wnd, width - 2, height / 2), kBlue);
    const POINT button = ScreenPoint(wnd, width - 1 - w / 2, height / 2);
    MouseMoveTo(button.x, button.y);
    EXPECT_TRUE(PumpUntil(
        [&] { return PixelOf(wnd, 0, 0) == form.Shown(form.Colours().ButtonDkShadow); }, 2000));
    EXPECT_EQ(PixelOf(wnd, width - 2, height / 2), kGreen);
    MouseButton(true);
    PumpUntil([&] { return Dropped(wnd); }, 2000);
    EXPECT_EQ(PixelOf(wnd, width - 2, height / 2), kRed);
    MouseButton(false);
    TypeKeys({VK_ESCAPE});
  }
  // Combo boxes of a dialog whose scroll bar is on the left: where the
  // system keeps the button at the right (as Wine does), the usual image;
  // where it puts the button at the left, the mirrored one.
  {
    TEditsForm form;
    ASSERT_TRUE(form.Skin());
    TWinSkinForm* skinner = form.Skinned.Skinner();
    const TParsedSkin& skin = form.Skinned.Data->Skin();
    auto leftScrollCombo = [&](int Top) {
      HWND combo = CreateWindowExA(WS_EX_LEFTSCROLLBAR, "COMBOBOX", "",
                                   WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 20, Top,
                                   150, 200, form.Form(), nullptr, GetModuleHandleA(nullptr),
                                   nullptr);
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Left"));
      return combo;
    };
    HWND kept = leftScrollCombo(20);
    HWND mirrored = leftScrollCombo(60);
    gSystemCombo = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        mirrored, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonAtTheLeft)));
    for (HWND combo : {kept, mirrored}) {
      auto* painter = new TSkinComBox(skinner);
      painter->AttachToWindow(combo, form.Skinned.Data, skinner, &skinner->CanvasWork());
    }
    MouseMoveTo(5, 5);
    RedrawNow(form.Form());
    EXPECT_EQ(ShownSlicedFrame(kept, *skin.ComboButton), TSkinComBox::cfNormal);
    // The mirrored strip holds the frames in reverse order.
    EXPECT_EQ(ShownSlicedFrame(mirrored, *skin.SunkEdge),
              skin.SunkEdge->FrameCount + 1 - TSkinComBox::cfNormal);
    EXPECT_EQ(ShownSlicedFrame(mirrored, *skin.ComboButton), 0);
    DestroyWindow(mirrored);
    DestroyWindow(kept);
  }
}
