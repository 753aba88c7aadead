// Menus: items read from a description, the form's menu bar, commands
// reaching the item, owner-draw events.
#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"
#include "common/SyntheticInput.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

class TMenuForm : public TForm {
  FW_CLASS(TMenuForm)
 public:
  using TForm::TForm;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* Open1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  std::vector<std::string> Log;
  void Open1Click(TObject*) { Log.push_back("open"); }
  void Open1Measure(TObject*, TCanvas*, int& Width, int& Height) {
    Log.push_back("measure");
    Width = 123;
    Height = 31;
  }
  void Open1Draw(TObject*, TCanvas* Canvas, RECT Rect, bool Selected) {
    Log.push_back(Selected ? "draw selected" : "draw");
  }
};

const TClassInfo& TMenuForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMenuForm>("TMenuForm", &TForm::StaticClass())
                                     .Field("MainMenu1", &TMenuForm::MainMenu1)
                                     .Field("Open1", &TMenuForm::Open1)
                                     .Field("PopupMenu1", &TMenuForm::PopupMenu1)
                                     .Method("Open1Click", &TMenuForm::Open1Click)
                                     .Method("Open1Measure", &TMenuForm::Open1Measure)
                                     .Method("Open1Draw", &TMenuForm::Open1Draw)
                                     .Info();
  return info;
}

const char* const kMenuForm = R"(object MenuForm: TMenuForm
  ClientWidth = 300
  ClientHeight = 100
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        OnClick = Open1Click
        OnMeasureItem = Open1Measure
        OnDrawItem = Open1Draw
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Hidden1: TMenuItem
        Caption = 'Hidden'
        Visible = False
      end
    end
  end
  object PopupMenu1: TPopupMenu
    OwnerDraw = True
    object Copy1: TMenuItem
      Caption = 'Copy'
      Checked = True
    end
  end
end
)";

TEST(Menu, TheMenuBarIsBuiltFromTheItemsAndCommandsReachThem) {
  Application->Initialize();
  TMenuForm form(nullptr);
  form.ReadDescription(kMenuForm);
  HWND wnd = form.Handle();
  HMENU bar = GetMenu(wnd);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar, form.MainMenu1->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(GetMenuItemCount(file), 2);  // the hidden item is left out
  char text[32];
  GetMenuStringA(file, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Open");
  EXPECT_EQ(GetMenuItemID(file, 0), form.Open1->Command());
  // With a menu bar the client area keeps the size the description asks.
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.bottom, 100);

  SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(form.Open1->Command(), 0), 0);
  EXPECT_EQ(form.Log, std::vector<std::string>{"open"});
  form.Open1->SetEnabled(false);
  form.Open1->Click();
  EXPECT_EQ(form.Log.size(), 1u);

  // Changing an item rebuilds the bar.
  form.Open1->SetEnabled(true);
  form.Open1->SetCaption("&Open...");
  bar = GetMenu(wnd);
  GetMenuStringA(GetSubMenu(bar, 0), 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Open...");
}

TEST(Menu, OwnerDrawMessagesGoToTheItemsEvents) {
  Application->Initialize();
  TMenuForm form(nullptr);
  form.ReadDescription(kMenuForm);
  HWND wnd = form.Handle();
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = form.Open1->Command();
  mis.itemData = reinterpret_cast<ULONG_PTR>(form.Open1);
  EXPECT_TRUE(SendMessageA(wnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
  EXPECT_EQ(mis.itemWidth, 123u);
  EXPECT_EQ(mis.itemHeight, 31u);

  HDC dc = GetDC(wnd);
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemData = reinterpret_cast<ULONG_PTR>(form.Open1);
  dis.itemState = ODS_SELECTED;
  dis.hDC = dc;
  dis.rcItem = {0, 0, 100, 20};
  EXPECT_TRUE(SendMessageA(wnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)));
  ReleaseDC(wnd, dc);
  EXPECT_EQ(form.Log, (std::vector<std::string>{"measure", "draw selected"}));

  // A pointer that is not a live item is not followed.
  mis.itemData = 0x1234;
  EXPECT_FALSE(SendMessageA(wnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));

  // The pop-up menu is owner-drawn throughout.
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE | MIIM_STATE;
  ASSERT_TRUE(GetMenuItemInfoA(form.PopupMenu1->Handle(), 0, TRUE, &mii));
  EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
  EXPECT_TRUE(mii.fState & MFS_CHECKED);
  EXPECT_EQ(form.GetPopupMenu(), form.PopupMenu1);
}

TEST(Menu, FreeingTheMenuDetachesItFromTheForm) {
  Application->Initialize();
  TMenuForm form(nullptr);
  form.ReadDescription(kMenuForm);
  HWND wnd = form.Handle();
  UINT open = form.Open1->Command();
  EXPECT_EQ(FindMenuItemByCommand(open), form.Open1);
  delete form.MainMenu1;
  EXPECT_EQ(form.GetMenu(), nullptr);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  // Its items went with it; their commands lead nowhere now.
  EXPECT_EQ(FindMenuItemByCommand(open), nullptr);
  EXPECT_EQ(form.FindComponent("Open1"), nullptr);
  SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(open, 0), 0);
}

class TChoiceForm : public TForm {
  FW_CLASS(TChoiceForm)
 public:
  using TForm::TForm;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* Save1 = nullptr;
  TMenuItem* Print1 = nullptr;
  TMenuItem* Large1 = nullptr;
  TMenuItem* Small1 = nullptr;
  TMenuItem* Wrap1 = nullptr;
  std::vector<std::string> Log;
  void ItemClick(TObject* Sender) { Log.push_back(static_cast<TMenuItem*>(Sender)->GetName()); }
};

const TClassInfo& TChoiceForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TChoiceForm>("TChoiceForm", &TForm::StaticClass())
                                     .Field("MainMenu1", &TChoiceForm::MainMenu1)
                                     .Field("Save1", &TChoiceForm::Save1)
                                     .Field("Print1", &TChoiceForm::Print1)
                                     .Field("Large1", &TChoiceForm::Large1)
                                     .Field("Small1", &TChoiceForm::Small1)
                                     .Field("Wrap1", &TChoiceForm::Wrap1)
                                     .Method("ItemClick", &TChoiceForm::ItemClick)
                                     .Info();
  return info;
}

const char* const kChoiceForm = R"(object ChoiceForm: TChoiceForm
  ClientWidth = 300
  ClientHeight = 100
  Menu = MainMenu1
  object Edit1: TEdit
    Left = 8
    Top = 8
    TabOrder = 0
  end
  object Images1: TImageList
  end
  object MainMenu1: TMainMenu
    Images = Images1
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Caption = '&Save'
        ImageIndex = 0
        ShortCut = 16467
        OnClick = ItemClick
      end
      object Print1: TMenuItem
        Caption = '&Print'
        Enabled = False
        ShortCut = 16464
        OnClick = ItemClick
      end
    end
    object View1: TMenuItem
      Caption = '&View'
      object Large1: TMenuItem
        AutoCheck = True
        Caption = '&Large'
        Checked = True
        GroupIndex = 1
        RadioItem = True
        OnClick = ItemClick
      end
      object Small1: TMenuItem
        AutoCheck = True
        Caption = 'S&mall'
        GroupIndex = 1
        RadioItem = True
        OnClick = ItemClick
      end
      object Wrap1: TMenuItem
        AutoCheck = True
        Caption = '&Wrap'
        OnClick = ItemClick
      end
    end
  end
end
)";

void PumpApplication(DWORD Milliseconds) {
  DWORD end = GetTickCount() + Milliseconds;
  do {
    Application->ProcessMessages();
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
  DrainQuit();
}

UINT StateOf(TMenuItem* Item) {
  HMENU menu = Item->GetParentMenu()->Handle();
  HMENU sub = GetSubMenu(menu, Item->ParentItem()->GetName() == "File1" ? 0 : 1);
  return GetMenuState(sub, Item->Command(), MF_BYCOMMAND);
}

TEST(Menu, ShortcutsRadioGroupsAndImagesWorkFromTheKeyboard) {
  Application->Initialize();
  TChoiceForm form(nullptr);
  form.ReadDescription(kChoiceForm);
  form.Show();
  PumpApplication(100);
  HWND wnd = form.WindowHandle();
  HMENU file = GetSubMenu(GetMenu(wnd), 0);
  char text[64];
  GetMenuStringA(file, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Save\tCtrl+S");
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_BITMAP | MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(file, 0, TRUE, &mii));
  EXPECT_EQ(mii.hbmpItem, HBMMENU_CALLBACK);  // the image list draws it
  ASSERT_TRUE(GetMenuItemInfoA(GetSubMenu(GetMenu(wnd), 1), 0, TRUE, &mii));
  EXPECT_TRUE(mii.fType & MFT_RADIOCHECK);

  // Ctrl+S typed into the edit reaches the item; the disabled item's
  // shortcut does nothing.
  SetForegroundWindow(wnd);
  SetFocus(GetWindow(wnd, GW_CHILD));
  PressChord({VK_CONTROL, 'S'});
  PressChord({VK_CONTROL, 'P'});
  PumpApplication(200);
  EXPECT_EQ(form.Log, std::vector<std::string>{"Save1"});

  // Choosing the other radio item through the menu bar moves the check.
  form.Log.clear();
  // Both at once: the menu runs a loop of its own that reads the second.
  PressChord({VK_MENU, 'V'});
  PressChord({'M'});
  PumpApplication(300);
  EXPECT_EQ(form.Log, std::vector<std::string>{"Small1"});
  EXPECT_TRUE(form.Small1->GetChecked());
  EXPECT_FALSE(form.Large1->GetChecked());
  EXPECT_TRUE(StateOf(form.Small1) & MF_CHECKED);
  EXPECT_FALSE(StateOf(form.Large1) & MF_CHECKED);

  // A check item toggles; a radio item stays checked when chosen again.
  form.Wrap1->Click();
  EXPECT_TRUE(form.Wrap1->GetChecked());
  form.Wrap1->Click();
  EXPECT_FALSE(form.Wrap1->GetChecked());
  form.Small1->Click();
  EXPECT_TRUE(form.Small1->GetChecked());
  // Checking from code keeps one item of the group checked too.
  form.Large1->SetChecked(true);
  EXPECT_FALSE(form.Small1->GetChecked());
}

}  // namespace
