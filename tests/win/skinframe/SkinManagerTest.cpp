// The window manager's decisions (which windows it takes, which skin data
// skins them), the skin component's requests, the painter protocol and
// property access by name.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/PropertyAccess.h"
#include "skin/painters/SkinControl.h"
#include "skinframe/SkinFrameSupport.h"
#include "toolkit/Button.h"

namespace {

// A modeless dialog made from a template in memory.
HWND MakeDialog(DWORD Style, int Width = 160, int Height = 80) {
  struct {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } t{};
  t.Template.style = Style | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  t.Template.cx = static_cast<short>(Width);
  t.Template.cy = static_cast<short>(Height);
  t.Template.x = 20;
  t.Template.y = 20;
  return CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr), &t.Template, nullptr,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

bool Skinned(HWND Window) {
  TSkinManage* manager = TSkinManage::Instance();
  return manager && manager->FindFormSkinner(Window) != nullptr;
}

// A painter of the tests' own: counts what passes through it.
class TCountingPainter : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  int Messages = 0;
  int Detached = 0;

 protected:
  bool BeforeMessage(TMessage& Message) override {
    ++Messages;
    return TSkinControl::BeforeMessage(Message);
  }
  void Detach() override {
    ++Detached;
    TSkinControl::Detach();
  }
};

}  // namespace

TEST(SkinManager, TheHookTakesDialogsAndMessageBoxesButLeavesTheExcludedNative) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());

  HWND dialog = MakeDialog(DS_MODALFRAME);
  ASSERT_NE(dialog, nullptr);
  SetForegroundWindow(dialog);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageA(dialog, SM_ISSKINNED, 0, 0) == 1; }));
  ASSERT_TRUE(Skinned(dialog));
  EXPECT_TRUE(main.Skinner() != TSkinManage::Instance()->FindFormSkinner(dialog));
  EXPECT_TRUE(TSkinManage::Instance()->FindFormSkinner(dialog)->IsDialog());
  TWinSkinForm* skinner = TSkinManage::Instance()->FindFormSkinner(dialog);
  DestroyWindow(dialog);
  PumpMessages(30);
  // Its skinner gave the window back as it went and is freed at the next
  // purge.
  EXPECT_EQ(skinner->SkinState(), TWinSkinForm::ssDestroyed);
  TSkinManage::Instance()->PurgeFormSkinners();
  EXPECT_FALSE(Skinned(dialog));

  HWND foreground = MakeDialog(DS_SETFOREGROUND);
  SetForegroundWindow(foreground);
  PumpMessages(100);
  EXPECT_FALSE(Skinned(foreground));
  DestroyWindow(foreground);

  // A window of no area, and a form whose Tag is 99 whatever DisableTag says.
  HWND empty = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 0, 0, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(empty);
  PumpMessages(50);
  EXPECT_FALSE(Skinned(empty));
  DestroyWindow(empty);
  main.Data->SetDisableTag(5);
  TForm tagged(nullptr);
  tagged.SetTag(99);
  tagged.SetBounds(50, 50, 200, 100);
  tagged.Show();
  PumpMessages(100);
  EXPECT_FALSE(Skinned(tagged.WindowHandle()));

  // A message box of this thread is taken as it opens.
  static bool boxSkinned;
  boxSkinned = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR Id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND W, LPARAM Found) -> BOOL {
          char cls[16];
          if (GetClassNameA(W, cls, sizeof cls) && std::string(cls) == "#32770" &&
              IsWindowVisible(W)) {
            *reinterpret_cast<HWND*>(Found) = W;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    boxSkinned = SendMessageA(box, SM_ISSKINNED, 0, 0) == 1;
    KillTimer(nullptr, Id);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(main.Handle(), "Skinned?", "Message", MB_OK);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(boxSkinned);
}

TEST(SkinManager, ClassNamesAndTheVetoDecide) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TSkinManage& manager = *TSkinManage::Instance();
  HWND any = main.Handle();
  EXPECT_TRUE(manager.ShouldSkinWindow(any, "TForm"));
  EXPECT_TRUE(manager.ShouldSkinWindow(any, "TPrintPreview"));  // xoPreview is set
  EXPECT_FALSE(manager.ShouldSkinWindow(any, "SysMonthCal32"));
  EXPECT_TRUE(manager.ShouldSkinWindow(any, "TfrDesigner"));
  main.Data->SetSkinControls(TSkinControlTypes(main.Data->GetSkinControls()).Include(xcFastReport));
  EXPECT_FALSE(manager.ShouldSkinWindow(any, "TfrDesigner"));
  EXPECT_TRUE(manager.ShouldSkinWindow(any, "TFRDesigner"));  // case counts
  main.Data->SetOptions(TSkinOptions{xoToolbarBK});
  EXPECT_FALSE(manager.ShouldSkinWindow(any, "TPrintPREVIEW"));
  EXPECT_EQ(main.Data->VetoWindow(), any);

  // With a handler, the handler alone decides.
  struct TVeto {
    std::string Seen;
    void Decide(TObject*, const std::string& Name, bool& DoSkin) {
      Seen = Name;
      DoSkin = Name != "TNoSkin";
    }
  } veto;
  main.Data->OnFormSkin = TOnFormSkin(&veto, &TVeto::Decide);
  EXPECT_TRUE(manager.ShouldSkinWindow(any, "SysMonthCal32"));
  EXPECT_EQ(veto.Seen, "SysMonthCal32");
  EXPECT_FALSE(manager.ShouldSkinWindow(any, "TNoSkin"));
  main.Data->OnFormSkin = TOnFormSkin();
}

TEST(SkinManager, SkinDataIsChosenByKindAndOwner) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TSkinManage& manager = *TSkinManage::Instance();
  TForm other(nullptr);
  other.SetBounds(10, 10, 100, 80);
  TSkinData own(&other), dialogs(nullptr);
  own.SetSkinFormtype(sfOnlyThisForm);
  dialogs.SetSkinFormtype(sfDialog);
  manager.RegisterSkinData(&own);
  manager.RegisterSkinData(&dialogs);
  HWND dialog = MakeDialog(DS_SETFOREGROUND);
  EXPECT_EQ(manager.SelectSkinData(other.Handle()), &own);
  EXPECT_EQ(manager.SelectSkinData(dialog), &dialogs);
  EXPECT_EQ(manager.SelectSkinData(main.Handle()), main.Data);
  EXPECT_EQ(manager.MainSkinData(), main.Data);
  DestroyWindow(dialog);
  manager.UnregisterSkinData(&own);
  manager.UnregisterSkinData(&dialogs);
}

TEST(SkinManager, ActiveChangesAreRequestsCarriedOutOnTheTimer) {
  TSkinnedForm::TOptions options;
  options.Active = false;
  TSkinnedForm window(ProgramSkin(), options);
  PumpMessages(300);
  EXPECT_FALSE(window.Skinner());
  TSkinManage& manager = *TSkinManage::Instance();
  manager.SetState(TSkinManage::msRunning);
  window.Data->SetActive(true);
  EXPECT_TRUE(manager.TimerRunning());
  EXPECT_EQ(manager.PendingAction(), TSkinManage::saActivate);
  window.Data->SetActive(true);    // unchanged: no second request
  EXPECT_FALSE(window.Skinner());  // nothing before the delay
  ASSERT_TRUE(window.WaitSkinned());
  EXPECT_FALSE(manager.TimerRunning());
  EXPECT_EQ(manager.PendingSkinData(), nullptr);

  // Without a skin loaded, Active true at start-up turns itself off.
  TSkinnedForm bare(TBytes{});
  EXPECT_FALSE(bare.Data->GetActive());
  PumpMessages(300);
  EXPECT_FALSE(bare.Skinner());
  // Start-up: with the main menu skinned, menu items never are; without
  // it, the system menu is not.
  EXPECT_TRUE(window.Data->GetSkinControls().Contains(xcMainMenu));
  EXPECT_FALSE(window.Data->GetSkinControls().Contains(xcMenuItem));
  TSkinnedForm::TOptions noMenu;
  noMenu.Active = false;
  noMenu.Configure = [](TSkinData& Data) {
    TSkinControlTypes kinds = Data.GetSkinControls();
    Data.SetSkinControls(kinds.Exclude(xcMainMenu).Include(xcMenuItem));
  };
  TSkinnedForm menuless(ProgramSkin(), noMenu);
  EXPECT_FALSE(menuless.Data->GetSkinControls().Contains(xcSystemMenu));
  EXPECT_TRUE(menuless.Data->GetSkinControls().Contains(xcMenuItem));
}

TEST(SkinManager, APainterSitsInFrontOfItsControlAndGivesItBack) {
  TSkinnedForm window(ProgramSkin());
  ASSERT_TRUE(window.WaitSkinned());
  TWinSkinForm* skinner = window.Skinner();
  auto* button = new TButton(window.Form.get());
  button->SetParent(window.Form.get());
  button->SetBounds(10, 10, 90, 24);
  button->HandleNeeded();
  const TWndMethod saved = button->WindowProc;
  const int colour = button->GetColor();

  auto* painter = new TCountingPainter(button);
  painter->AttachToControl(skinner, window.Data, true, &skinner->CanvasWork());
  painter->AttachToControl(skinner, window.Data, true, &skinner->CanvasWork());  // once only
  EXPECT_TRUE(painter->Attached());
  EXPECT_FALSE(button->WindowProc == saved);
  EXPECT_EQ(skinner->Painters().size(), 1u);
  EXPECT_EQ(skinner->FindPainterByHandle(button->WindowHandle()), painter);
  EXPECT_EQ(button->GetColor(), window.Data->Skin().Colours.ButtonFace);
  EXPECT_EQ(SendMessageA(button->WindowHandle(), SM_ISSKINNED, 0, 0), 1);
  // Messages pass through the painter and still reach the control.
  const int before = painter->Messages;
  button->SetText("Pressed");
  EXPECT_GT(painter->Messages, before);
  char text[32];
  GetWindowTextA(button->WindowHandle(), text, sizeof text);
  EXPECT_STREQ(text, "Pressed");
  // Painting switched off: the painter lets everything through untouched.
  SendMessageA(button->WindowHandle(), SM_SETPAINTING, 0, 0);
  EXPECT_FALSE(painter->PaintingEnabled());
  EXPECT_NE(SendMessageA(button->WindowHandle(), SM_ISSKINNED, 0, 0), 1);
  SendMessageA(button->WindowHandle(), SM_SETPAINTING, 1, 0);

  delete painter;
  EXPECT_TRUE(button->WindowProc == saved);
  EXPECT_EQ(button->GetColor(), colour);
  EXPECT_TRUE(skinner->Painters().empty());

  // A bare window: its window procedure is replaced and put back.
  HWND bare = CreateWindowExA(0, "STATIC", "bare", WS_CHILD | WS_VISIBLE, 10, 40, 80, 20,
                              window.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  const LONG_PTR proc = GetWindowLongPtrA(bare, GWLP_WNDPROC);
  auto* windowPainter = new TCountingPainter(skinner);
  windowPainter->AttachToWindow(bare, window.Data, skinner, &skinner->CanvasWork());
  EXPECT_NE(GetWindowLongPtrA(bare, GWLP_WNDPROC), proc);
  EXPECT_EQ(windowPainter->Caption(), L"bare");
  EXPECT_EQ(SendMessageA(bare, SM_ISSKINNED, 0, 0), 1);
  // The window going first: the painter lets go of it, stays listed until
  // its form skinner frees it.
  DestroyWindow(bare);
  EXPECT_EQ(windowPainter->LifeState(), 6);
  EXPECT_EQ(windowPainter->Detached, 1);
  EXPECT_EQ(skinner->Painters().size(), 1u);

  HWND second = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, window.Handle(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  const LONG_PTR secondProc = GetWindowLongPtrA(second, GWLP_WNDPROC);
  auto* kept = new TCountingPainter(skinner);
  kept->AttachToWindow(second, window.Data, skinner, &skinner->CanvasWork());
  // Switching the skin off frees the painters and gives every window back.
  window.Data->SetActive(false);
  ASSERT_TRUE(window.WaitUnskinned());
  EXPECT_EQ(GetWindowLongPtrA(second, GWLP_WNDPROC), secondProc);
  DestroyWindow(second);
}

TEST(SkinManager, PublishedPropertiesAreReadAndWrittenByName) {
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  button->SetBounds(3, 4, 50, 20);
  button->SetText("Go");
  EXPECT_EQ(GetOrdPropByName(button, "Left"), 3);
  EXPECT_EQ(GetOrdPropByName(button, "Color"), button->GetColor());
  EXPECT_EQ(GetOrdPropByName(button, "Caption"), -1);  // not an integer
  EXPECT_EQ(GetOrdPropByName(button, "NoSuchProperty"), -1);
  EXPECT_EQ(GetOrdPropByName(nullptr, "Left"), -1);
  EXPECT_EQ(GetTextPropByName(button, "Caption"), L"Go");
  EXPECT_EQ(GetTextPropByName(button, "Left"), L"");
  EXPECT_EQ(GetEnumPropByName(&form, "BorderStyle"), "bsSizeable");
  EXPECT_EQ(GetEnumPropByName(button, "Visible"), "True");
  EXPECT_EQ(GetObjectPropByName(button, "Font"), button->GetFont());
  EXPECT_EQ(GetObjectPropByName(button, "Left"), nullptr);
  EXPECT_EQ(GetColorPropByName(button, 7), button->GetColor());
  EXPECT_EQ(GetColorPropByName(nullptr, 7), 7);

  EXPECT_TRUE(SetPropByName(button, "Left", "12"));
  EXPECT_EQ(button->GetLeft(), 12);
  EXPECT_FALSE(SetPropByName(button, "Left", "twelve"));
  EXPECT_EQ(button->GetLeft(), 12);
  EXPECT_TRUE(SetPropByName(&form, "BorderStyle", "bsDialog"));
  EXPECT_EQ(form.GetBorderStyle(), bsDialog);
  EXPECT_FALSE(SetPropByName(&form, "BorderStyle", "bsRound"));
  EXPECT_TRUE(SetPropByName(button, "Caption", "Stop"));
  EXPECT_EQ(button->GetText(), "Stop");
  EXPECT_TRUE(SetPropByName(button, "Visible", "false"));
  EXPECT_FALSE(button->GetVisible());
  EXPECT_FALSE(SetPropByName(button, "AutoScroll", "False"));
}

TEST(SkinManager, PopupMenuWindowsAreRecordedWhileOpenAndForgottenAfter) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TSkinManage& manager = *TSkinManage::Instance();
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "First");
  AppendMenuA(menu, MF_STRING, 2, "Second");
  static size_t openCount;
  static int openKind;
  static TSkinManage* watched;
  openCount = 0;
  openKind = -1;
  watched = &manager;
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR Id, DWORD) {
    openCount = watched->PopupSkinnerCount();
    openKind = watched->PopupMenuKind();
    KillTimer(nullptr, Id);
    EndMenu();
  });
  SetForegroundWindow(main.Handle());
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RETURNCMD, 200, 200, 0, main.Handle(), nullptr);
  KillTimer(nullptr, timer);
  PumpMessages(50);
  DestroyMenu(menu);
  // Announced by the skinned window as one of its menus.
  EXPECT_EQ(openCount, 1u);
  EXPECT_EQ(openKind, TSkinManage::pkWindowMenu);
  EXPECT_EQ(manager.PopupSkinnerCount(), 0u);
  EXPECT_EQ(manager.PopupMenuKind(), TSkinManage::pkNotAnnounced);
}
