// The preview window takes one damaged skin after another: it keeps
// drawing, its pages and menus still work, nothing leaks, and a skin that
// cannot be read leaves the one before in place with a message saying so.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/MainWindowDriver.h"
#include "app/preview/PreviewForm.h"
#include "common/MessagePump.h"
#include "common/ProcessObjects.h"
#include "common/ProgramSkin.h"
#include "damagedskins/DamagedSkins.h"
#include "skin/archive/SkinMessages.h"
#include "skin/archive/SkinReader.h"
#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "toolkit/Application.h"
#include "toolkit/Menu.h"
#include "toolkit/PageControl.h"

namespace {

constexpr int kCases = 300;

// The run's seed: FW_DAMAGED_SEED when set (to replay a failure), else a
// fixed one.
std::uint32_t RunSeed() {
  const char* text = std::getenv("FW_DAMAGED_SEED");
  return text && *text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : 20261209u;
}

void CALLBACK CloseMenu(HWND Wnd, UINT, UINT_PTR Id, DWORD) {
  KillTimer(Wnd, Id);
  EndMenu();
}

// Opens Menu at the window's corner and lets a timer close it from inside
// the menu's own loop.
void OpenAndCloseMenu(HWND Wnd, HMENU Menu) {
  RECT r;
  GetWindowRect(Wnd, &r);
  SetTimer(Wnd, 0x4d31, 20, CloseMenu);
  TrackPopupMenu(Menu, TPM_RETURNCMD | TPM_NONOTIFY, r.left + 40, r.top + 60, 0, Wnd, nullptr);
  KillTimer(Wnd, 0x4d31);
}

bool Loads(const TBytes& Skin) {
  auto previous = SkinMessages::SetHandler([](const std::string&) {});
  TSkinReader reader;
  const bool loads = !Skin.empty() && reader.LoadArchive(Skin);
  SkinMessages::SetHandler(previous);
  return loads;
}

class DamagedSkinsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    Application->OnException = TExceptionEvent(&Shown, &TShownMessages::Record);
    App.OnException = Application->OnException;
    ASSERT_TRUE(App.CreateForm(Form));
    // As the program starts its preview: with its own skin.
    Form->SkinData1->SetSkinBuffer(ProgramSkin());
    Form->SkinData1->SetActive(true);
    Form->Show();
    TSkinManage::Instance()->RunScheduledAction();
    PumpMessages(200);
    FPrevious = SkinMessages::SetHandler([this](const std::string& T) { Messages.push_back(T); });
  }
  void TearDown() override {
    SkinMessages::SetHandler(FPrevious);
    delete Form;
    Application->OnException = TExceptionEvent();
    PumpMessages(50);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  // Repaints every control and the frame, shows one of the pages and opens
  // and closes a menu.
  void Exercise(int Number) {
    HWND wnd = Form->WindowHandle();
    RedrawWindow(wnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    TPageControl* pages = Form->PageControl1;
    pages->SetActivePageIndex(Number % pages->PageCount());
    PumpMessages(0);
    OpenAndCloseMenu(wnd, Number % 2 ? Form->PopupMenu1->Handle()
                                     : GetSubMenu(Form->MainMenu1->Handle(), 0));
    SendMessageA(wnd, SM_REPAINTFRAME, 0, 0);
    PumpMessages(0);
  }

  TApplication App{nullptr};
  TShownMessages Shown;
  TPreviewForm* Form = nullptr;
  std::vector<std::string> Messages;

 private:
  SkinMessages::THandler FPrevious;
};

TEST_F(DamagedSkinsTest, EveryDamagedSkinLeavesAWorkingWindowAndNothingLeaks) {
  const std::uint32_t seed = RunSeed();
  std::printf("damaged skins seeded with %u (FW_DAMAGED_SEED replays)\n", seed);
  const TDamagedSkins damaged(ProgramSkin());
  TSkinData* data = Form->SkinData1;
  HWND wnd = Form->WindowHandle();
  ASSERT_TRUE(data->SkinLoaded());

  auto apply = [&](int Number, const TDamagedSkin& Skin) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", case " + std::to_string(Number) + ": " +
                 Skin.What);
    const TBytes before = data->SkinBuffer();
    Messages.clear();
    const bool loads = Loads(Skin.Bytes);
    data->SetSkinBuffer(Skin.Bytes);
    TSkinManage::Instance()->RunScheduledAction();
    PumpMessages(0);
    if (!loads) {
      EXPECT_FALSE(Messages.empty()) << "no message for a skin that cannot be read";
      for (const std::string& m : Messages) EXPECT_FALSE(m.empty());
      EXPECT_TRUE(data->SkinLoaded()) << "the skin before was dropped";
      EXPECT_TRUE(data->SkinBuffer() == before) << "the skin before was replaced";
    }
    Exercise(Number);
    EXPECT_EQ(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
    EXPECT_TRUE(IsWindow(wnd));
    return !::testing::Test::HasFailure();
  };

  // A few first, so caches and first allocations are made before counting.
  for (int i = 0; i < 12; ++i) apply(i, damaged.Make(seed, i));
  data->SetSkinBuffer(ProgramSkin());
  TSkinManage::Instance()->RunScheduledAction();
  Exercise(0);
  const long gdi = ObjectsInUse(GR_GDIOBJECTS), user = ObjectsInUse(GR_USEROBJECTS);
  const SIZE_T memory = PrivateBytes();

  int refused = 0;
  for (int i = 12; i < 12 + kCases; ++i) {
    const TDamagedSkin skin = damaged.Make(seed, i);
    refused += Loads(skin.Bytes) ? 0 : 1;
    if (!apply(i, skin)) {
      std::printf("first failure: seed %u case %d (%s)\n", seed, i, skin.What.c_str());
      break;
    }
  }
  data->SetSkinBuffer(ProgramSkin());
  TSkinManage::Instance()->RunScheduledAction();
  Exercise(0);
  PumpMessages(20);
  const long gdiAfter = ObjectsInUse(GR_GDIOBJECTS), userAfter = ObjectsInUse(GR_USEROBJECTS);
  const SIZE_T memoryAfter = PrivateBytes();
  std::printf("%d cases, %d refused; GDI %ld -> %ld, USER %ld -> %ld, memory %zu -> %zu\n",
              kCases, refused, gdi, gdiAfter, user, userAfter, static_cast<size_t>(memory),
              static_cast<size_t>(memoryAfter));
  EXPECT_GT(refused, 0);  // the refusal path was taken
  EXPECT_LT(refused, kCases);
  EXPECT_LE(gdiAfter - gdi, 8);
  EXPECT_LE(userAfter - user, 8);
  EXPECT_LT(memoryAfter, memory + 16 * 1024 * 1024);

  // Every window still closes.
  SendMessageA(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  PumpMessages(50);
  EXPECT_FALSE(IsWindowVisible(wnd));
}

}  // namespace
