// The date-time picker and the media player: described values as the
// controls show them, the player's buttons under the mouse, and a sound
// file played through the system's devices whether or not the machine has
// a sound device.
#include "CommonControlsTest.h"
// (windows.h first)
#include <commctrl.h>

#include <fstream>

#include "common/TempFolder.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/MediaPlayer.h"
#include "toolkit/portable/FormError.h"

namespace {

constexpr const char* kPickerForm = R"(object Form1: TForm
  Width = 400
  Height = 200
  object TimePicker: TDateTimePicker
    Left = 8
    Top = 8
    Kind = dtkTime
    Time = '13:45:10'
  end
  object DatePicker: TDateTimePicker
    Left = 8
    Top = 40
    Date = '2024-02-29'
    DateMode = dmUpDown
    DateFormat = dfLong
  end
  object MediaPlayer1: TMediaPlayer
    Left = 8
    Top = 80
    Width = 90
    Height = 30
    VisibleButtons = [btPlay, btPause, btStop]
    EnabledButtons = [btPlay, btStop]
    ColoredButtons = [btPlay]
  end
end
)";

// A tenth of a second of silence, 8-bit mono at 8000 samples a second.
void WriteSilentWave(const std::string& Path) {
  const uint32_t samples = 800;
  std::ofstream out(Path, std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + samples);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);     // PCM
  u16(1);     // mono
  u32(8000);  // samples a second
  u32(8000);  // bytes a second
  u16(1);     // block align
  u16(8);     // bits a sample
  out.write("data", 4);
  u32(samples);
  for (uint32_t i = 0; i < samples; ++i) out.put(static_cast<char>(0x80));
}

struct TPlayerEvents : TEventLog {
  bool Skip = false;
  void Clicked(TObject*, TMPBtnType Button, bool& DoDefault) {
    Note(EnumInfoOf<TMPBtnType>().NameOf(Button));
    DoDefault = !Skip;
  }
};

}  // namespace

class PickerPlayerTest : public CommonControlsTest {};

TEST_F(PickerPlayerTest, DescriptionGivesPickersAndPlayerTheirValues) {
  TForm form(nullptr);
  form.ReadDescription(kPickerForm);
  auto& time = *dynamic_cast<TDateTimePicker*>(form.FindComponent("TimePicker"));
  auto& date = *dynamic_cast<TDateTimePicker*>(form.FindComponent("DatePicker"));
  SYSTEMTIME st{};
  ASSERT_EQ(DateTime_GetSystemtime(time.Handle(), &st), GDT_VALID);
  EXPECT_EQ(st.wHour, 13);
  EXPECT_EQ(st.wMinute, 45);
  EXPECT_EQ(st.wSecond, 10);
  EXPECT_TRUE(StyleOf(time.Handle()) & DTS_TIMEFORMAT);
  ASSERT_EQ(DateTime_GetSystemtime(date.Handle(), &st), GDT_VALID);
  EXPECT_EQ(st.wYear, 2024);
  EXPECT_EQ(st.wMonth, 2);
  EXPECT_EQ(st.wDay, 29);
  EXPECT_TRUE(StyleOf(date.Handle()) & DTS_UPDOWN);
  EXPECT_TRUE(StyleOf(date.Handle()) & DTS_LONGDATEFORMAT);
  // Read back by name, as the skin engine's rule for pickers reads them.
  const TPropInfo* mode = date.ClassType().FindProperty("DateMode");
  ASSERT_NE(mode, nullptr);
  EXPECT_EQ(mode->Enum->NameOf(static_cast<int>(mode->Get(date).Ordinal)), "dmUpDown");
  EXPECT_EQ(date.GetDate(), "2024-02-29");
  EXPECT_EQ(time.GetTime(), "13:45:10");

  // No such day, no such time: refused, the value kept.
  EXPECT_THROW(date.SetDate("2023-02-29"), EComponentError);
  EXPECT_THROW(date.SetDate("2024-13-01"), EComponentError);
  EXPECT_THROW(time.SetTime("24:00"), EComponentError);
  EXPECT_EQ(date.GetDate(), "2024-02-29");
  // In a description the refusal names the line.
  TForm bad(nullptr);
  try {
    bad.ReadDescription(
        "object Form1: TForm\n  object P: TDateTimePicker\n    Date = '2023-02-30'\n  end\nend\n");
    ADD_FAILURE() << "a day that does not exist was taken";
  } catch (const EFormError& e) {
    EXPECT_EQ(e.Line(), 3);
    EXPECT_NE(std::string(e.what()).find("2023-02-30"), std::string::npos) << e.what();
  }
  // A new kind makes a new window with the same value.
  date.SetKind(dtkTime);
  EXPECT_TRUE(StyleOf(date.Handle()) & DTS_TIMEFORMAT);
  EXPECT_EQ(date.GetDate(), "2024-02-29");

  auto& player = *dynamic_cast<TMediaPlayer*>(form.FindComponent("MediaPlayer1"));
  EXPECT_TRUE(player.InheritsFrom("TCustomControl"));
  EXPECT_EQ(player.ClassName(), "TMediaPlayer");
  EXPECT_EQ(player.GetVisibleButtons(),
            (TMPBtnTypes{mediaplayer::btPlay, mediaplayer::btPause, mediaplayer::btStop}));
  EXPECT_EQ(player.ButtonRect(mediaplayer::btPause).left, 30);
  EXPECT_EQ(player.ButtonRect(mediaplayer::btStop).right, 90);
  EXPECT_EQ(player.ButtonRect(mediaplayer::btEject).right, 0);
}

TEST_F(PickerPlayerTest, TypedTimeAndDropDownReportThroughTheEvents) {
  struct TPickerEvents : TEventLog {
    void Changed(TObject*) { Note("change"); }
    void Dropped(TObject*) { Note("drop"); }
    void Closed(TObject*) { Note("close"); }
  } events;
  auto* time = Make<TDateTimePicker>(10, 10, 150, 22);
  time->SetKind(dtkTime);
  time->SetTime("10:20:30");
  time->OnChange = TNotifyEvent(&events, &TPickerEvents::Changed);
  // Clicked on its first field, the hour; the up arrow adds an hour.
  ClickAt(time->Handle(), {8, 11});
  PressKey(VK_UP);
  EXPECT_EQ(time->GetTime(), "11:20:30");
  EXPECT_EQ(events.Count("change"), 1);

  auto* date = Make<TDateTimePicker>(10, 50, 150, 22);
  date->OnDropDown = TNotifyEvent(&events, &TPickerEvents::Dropped);
  date->OnCloseUp = TNotifyEvent(&events, &TPickerEvents::Closed);
  // The drop button at the right opens the calendar and closes it again.
  const POINT button{date->GetWidth() - 8, date->GetHeight() / 2};
  ClickAt(date->Handle(), button);
  EXPECT_TRUE(date->DroppedDown());
  ClickAt(date->Handle(), button);
  EXPECT_FALSE(date->DroppedDown());
  EXPECT_EQ(events.Count("drop"), 1);
  EXPECT_EQ(events.Count("close"), 1);
}

TEST_F(PickerPlayerTest, PlayerButtonsClickAndPlayASoundFileWithOrWithoutADevice) {
  TTempFolder temp;
  const std::string wave = temp / "silence.wav";
  WriteSilentWave(wave);
  auto* player = Make<TMediaPlayer>(10, 10, 9 * 28, 30);
  TPlayerEvents events;
  player->OnClick = TMPBtnClickEvent(&events, &TPlayerEvents::Clicked);
  player->SetColoredButtons({mediaplayer::btPlay});
  HWND wnd = player->Handle();
  PumpMessages(50);
  // Coloured buttons draw their glyph in colour, the others in the text
  // colour.
  POINT play = CenterOf(player->ButtonRect(mediaplayer::btPlay));
  EXPECT_EQ(PixelOf(wnd, play.x, play.y), RGB(0, 160, 0));
  POINT stop = CenterOf(player->ButtonRect(mediaplayer::btStop));
  EXPECT_EQ(PixelOf(wnd, stop.x, stop.y), GetSysColor(COLOR_BTNTEXT));

  // No device open: the button still reports its click.
  ClickAt(wnd, play);
  EXPECT_EQ(events.Lines, (std::vector<std::string>{"btPlay"}));

  player->SetFileName(wave);
  player->Open();
  ASSERT_TRUE(player->IsOpen()) << player->ErrorMessage();
  EXPECT_EQ(player->Length(), 100);
  // With or without a sound device, playing is no failure; what the device
  // could not do is in Error.
  events.Skip = false;
  ClickAt(wnd, play);
  EXPECT_EQ(events.Count("btPlay"), 2);
  PumpUntil([&] { return player->Mode() != mpPlaying; }, 3000);
  if (player->Error() != 0) {
    EXPECT_FALSE(player->ErrorMessage().empty());
  }
  player->Stop();
  player->Close();
  EXPECT_EQ(player->Mode(), mpNotReady);

  // A handler that skips the default keeps the device as it is.
  player->Open();
  events.Skip = true;
  TMPModes before = player->Mode();
  ClickAt(wnd, play);
  EXPECT_EQ(player->Mode(), before);
  player->Close();

  // A missing file is a real failure.
  player->SetFileName(temp / "missing.wav");
  EXPECT_THROW(player->Open(), EMCIDeviceError);
  EXPECT_FALSE(player->IsOpen());
}
