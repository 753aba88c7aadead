#include "toolkit/MediaPlayer.h"

#include <mmsystem.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TMediaPlayer::StaticClass() {
  using T = TMediaPlayer;
  const TMPBtnTypes all = TMPBtnTypes::FromBits((1u << kButtonCount) - 1);
  static const TClassInfo info =
      TClassBuilder<T>("TMediaPlayer", &TCustomControl::StaticClass())
          .Creatable()
          .Prop("VisibleButtons", &T::GetVisibleButtons, &T::SetVisibleButtons, all)
          .Prop("EnabledButtons", &T::GetEnabledButtons, &T::SetEnabledButtons, all)
          .Prop("ColoredButtons", &T::GetColoredButtons, &T::SetColoredButtons, all)
          .Prop("FileName", &T::GetFileName, &T::SetFileName, std::string())
          .Prop("DeviceType", &T::GetDeviceType, &T::SetDeviceType, dtAutoSelect)
          .Prop("AutoOpen", &T::GetAutoOpen, &T::SetAutoOpen, false)
          .Prop("AutoEnable", &T::GetAutoEnable, &T::SetAutoEnable, true)
          .Prop("AutoRewind", &T::GetAutoRewind, &T::SetAutoRewind, true)
          .EventProp("OnClick", &T::OnClick)
          .EventProp("OnNotify", &T::OnNotify)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TMediaPlayer);

namespace {

using namespace mediaplayer;

const char* DeviceTypeName(TMPDeviceTypes Type) {
  static const char* const names[] = {nullptr,   "avivideo",  "cdaudio",  "dat",     "digitalvideo",
                                      "mmmovie", "other",     "overlay",  "scanner", "sequencer",
                                      "vcr",     "videodisc", "waveaudio"};
  return names[Type];
}

// What the device cannot do on this machine (no sound device, a function
// the device lacks) is reported, not raised.
bool IsDeviceLimitation(unsigned Error) {
  switch (Error) {
    case MCIERR_WAVE_OUTPUTSINUSE:
    case MCIERR_WAVE_SETOUTPUTINUSE:
    case MCIERR_WAVE_OUTPUTSUNSUITABLE:
    case MCIERR_WAVE_SETOUTPUTUNSUITABLE:
    case MCIERR_WAVE_OUTPUTUNSPECIFIED:
    case MCIERR_WAVE_INPUTSINUSE:
    case MCIERR_WAVE_SETINPUTINUSE:
    case MCIERR_WAVE_INPUTSUNSUITABLE:
    case MCIERR_WAVE_SETINPUTUNSUITABLE:
    case MCIERR_WAVE_INPUTUNSPECIFIED:
    case MCIERR_DEVICE_NOT_INSTALLED:
    case MCIERR_DEVICE_NOT_READY:
    case MCIERR_HARDWARE:
    case MCIERR_CANNOT_LOAD_DRIVER:
    case MCIERR_UNSUPPORTED_FUNCTION:
    case MCIERR_UNRECOGNIZED_COMMAND:
      return true;
  }
  return false;
}

std::string MciErrorText(unsigned Error) {
  char text[256] = {};
  if (!mciGetErrorStringA(Error, text, sizeof text)) return "MCI error " + std::to_string(Error);
  return text;
}

}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* AOwner)
    : TCustomControl(AOwner),
      FVisibleButtons(TMPBtnTypes::FromBits((1u << kButtonCount) - 1)),
      FEnabledButtons(FVisibleButtons),
      FColoredButtons(FVisibleButtons) {
  SetBounds(0, 0, 253, 30);
}

TMediaPlayer::~TMediaPlayer() {
  try {
    Close();
  } catch (...) {
    // A device that fails to close is gone with the player anyway.
  }
}

void TMediaPlayer::Loaded() {
  TCustomControl::Loaded();
  if (FAutoOpen && !FFileName.empty()) Open();
}

void TMediaPlayer::SetVisibleButtons(TMPBtnTypes Value) {
  FVisibleButtons = Value;
  Changed();
}
void TMediaPlayer::SetEnabledButtons(TMPBtnTypes Value) {
  FEnabledButtons = Value;
  Changed();
}
void TMediaPlayer::SetColoredButtons(TMPBtnTypes Value) {
  FColoredButtons = Value;
  Changed();
}
void TMediaPlayer::SetAutoEnable(bool Value) {
  FAutoEnable = Value;
  Changed();
}

void TMediaPlayer::Check(unsigned Result) {
  FError = Result;
  if (Result && !IsDeviceLimitation(Result)) throw EMCIDeviceError(MciErrorText(Result));
}

bool TMediaPlayer::Command(unsigned Message, unsigned long Flags, void* Params) {
  if (!FDeviceId) return false;
  Check(mciSendCommandA(FDeviceId, Message, Flags, reinterpret_cast<DWORD_PTR>(Params)));
  Changed();
  return FError == 0;
}

void TMediaPlayer::Open() {
  Close();
  MCI_OPEN_PARMSA params{};
  params.lpstrElementName = FFileName.c_str();
  DWORD flags = MCI_OPEN_ELEMENT | MCI_WAIT;
  if (const char* type = DeviceTypeName(FDeviceType)) {
    params.lpstrDeviceType = type;
    flags |= MCI_OPEN_TYPE;
  }
  Check(mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&params)));
  if (FError) return;
  FDeviceId = params.wDeviceID;
  MCI_SET_PARMS time{};
  time.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
  mciSendCommandA(FDeviceId, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&time));
  Changed();
}

void TMediaPlayer::Close() {
  if (!FDeviceId) return;
  MCI_GENERIC_PARMS params{};
  unsigned id = std::exchange(FDeviceId, 0u);
  FError = mciSendCommandA(id, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&params));
  Changed();
}

void TMediaPlayer::Play() {
  if (!FDeviceId) return;
  if (FAutoRewind && Length() > 0 && Position() >= Length()) Previous();
  MCI_PLAY_PARMS params{};
  params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_PLAY, MCI_NOTIFY, &params);
}

void TMediaPlayer::Pause() {
  MCI_GENERIC_PARMS params{};
  if (Mode() == mpPaused) {
    Command(MCI_RESUME, 0, &params);
  } else {
    Command(MCI_PAUSE, MCI_WAIT, &params);
  }
}

void TMediaPlayer::Stop() {
  MCI_GENERIC_PARMS params{};
  Command(MCI_STOP, MCI_WAIT, &params);
}

void TMediaPlayer::Next() {
  MCI_SEEK_PARMS params{};
  Command(MCI_SEEK, MCI_SEEK_TO_END | MCI_WAIT, &params);
}

void TMediaPlayer::Previous() {
  MCI_SEEK_PARMS params{};
  Command(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &params);
}

void TMediaPlayer::Step() {
  MCI_GENERIC_PARMS params{};
  Command(MCI_STEP, MCI_WAIT, &params);
}

void TMediaPlayer::Back() {
  MCI_GENERIC_PARMS params{};
  Command(MCI_STEP, MCI_VD_STEP_REVERSE | MCI_WAIT, &params);
}

void TMediaPlayer::StartRecording() {
  MCI_RECORD_PARMS params{};
  params.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
  Command(MCI_RECORD, MCI_NOTIFY, &params);
}

void TMediaPlayer::Eject() {
  MCI_SET_PARMS params{};
  Command(MCI_SET, MCI_SET_DOOR_OPEN | MCI_WAIT, &params);
}

TMPModes TMediaPlayer::Mode() const {
  if (!FDeviceId) return mpNotReady;
  MCI_STATUS_PARMS params{};
  params.dwItem = MCI_STATUS_MODE;
  if (mciSendCommandA(FDeviceId, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&params)))
    return mpNotReady;
  switch (params.dwReturn) {
    case MCI_MODE_STOP:
      return mpStopped;
    case MCI_MODE_PLAY:
      return mpPlaying;
    case MCI_MODE_RECORD:
      return mpRecording;
    case MCI_MODE_SEEK:
      return mpSeeking;
    case MCI_MODE_PAUSE:
      return mpPaused;
    case MCI_MODE_OPEN:
      return mpOpen;
  }
  return mpNotReady;
}

std::string TMediaPlayer::ErrorMessage() const {
  return FError ? MciErrorText(FError) : std::string();
}

namespace {
int StatusOf(unsigned Device, DWORD Item) {
  if (!Device) return 0;
  MCI_STATUS_PARMS params{};
  params.dwItem = Item;
  if (mciSendCommandA(Device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&params)))
    return 0;
  return static_cast<int>(params.dwReturn);
}
}  // namespace

int TMediaPlayer::Length() const {
  return StatusOf(FDeviceId, MCI_STATUS_LENGTH);
}

int TMediaPlayer::Position() const {
  return StatusOf(FDeviceId, MCI_STATUS_POSITION);
}

TMPBtnTypes TMediaPlayer::UsableButtons() const {
  if (!FAutoEnable || !FDeviceId) return FEnabledButtons;
  switch (Mode()) {
    case mpPlaying:
      return {btPause, btStop, btNext, btPrev, btEject};
    case mpRecording:
      return {btPause, btStop, btEject};
    case mpPaused:
      return {btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btEject};
    case mpStopped:
    case mpOpen:
    case mpSeeking:
      return {btPlay, btNext, btPrev, btStep, btBack, btRecord, btEject};
    case mpNotReady:
      break;
  }
  return {};
}

RECT TMediaPlayer::ButtonRect(TMPBtnType Button) const {
  std::vector<int> shown;
  for (int b = 0; b < kButtonCount; ++b)
    if (FVisibleButtons.Contains(static_cast<TMPBtnType>(b))) shown.push_back(b);
  auto it = std::find(shown.begin(), shown.end(), static_cast<int>(Button));
  if (it == shown.end()) return {};
  const int slot = static_cast<int>(it - shown.begin()), n = static_cast<int>(shown.size());
  const int width = FWidth / n;
  // The last slot takes what the division leaves.
  const int right = slot == n - 1 ? FWidth : (slot + 1) * width;
  return {slot * width, 0, right, FHeight};
}

int TMediaPlayer::ButtonAt(int X) const {
  for (int b = 0; b < kButtonCount; ++b) {
    RECT r = ButtonRect(static_cast<TMPBtnType>(b));
    if (r.right > r.left && X >= r.left && X < r.right) return b;
  }
  return -1;
}

void TMediaPlayer::DoButton(TMPBtnType Button) {
  bool doDefault = true;
  Click(Button, doDefault);
  if (!doDefault) return;
  switch (Button) {
    case btPlay:
      Play();
      break;
    case btPause:
      Pause();
      break;
    case btStop:
      Stop();
      break;
    case btNext:
      Next();
      break;
    case btPrev:
      Previous();
      break;
    case btStep:
      Step();
      break;
    case btBack:
      Back();
      break;
    case btRecord:
      StartRecording();
      break;
    case btEject:
      Eject();
      break;
  }
}

namespace {
// Each button's glyph, drawn in a 12 x 12 box: triangles, bars and a dot.
void DrawGlyph(HDC DC, TMPBtnType Button, int X, int Y) {
  auto triangle = [&](int L, int R, bool PointRight) {
    POINT p[3] = {
        {PointRight ? L : R, Y}, {PointRight ? L : R, Y + 11}, {PointRight ? R : L, Y + 5}};
    p[2].y = Y + 5;
    Polygon(DC, p, 3);
  };
  auto bar = [&](int L, int W) { Rectangle(DC, L, Y, L + W, Y + 12); };
  switch (Button) {
    case btPlay:
      triangle(X + 2, X + 9, true);
      break;
    case btPause:
      bar(X + 2, 3);
      bar(X + 7, 3);
      break;
    case btStop:
      Rectangle(DC, X + 1, Y + 1, X + 11, Y + 11);
      break;
    case btNext:
      triangle(X + 1, X + 8, true);
      bar(X + 9, 2);
      break;
    case btPrev:
      bar(X + 1, 2);
      triangle(X + 4, X + 11, false);
      break;
    case btStep:
      triangle(X, X + 5, true);
      triangle(X + 6, X + 11, true);
      break;
    case btBack:
      triangle(X, X + 5, false);
      triangle(X + 6, X + 11, false);
      break;
    case btRecord:
      Ellipse(DC, X + 1, Y + 1, X + 11, Y + 11);
      break;
    case btEject: {
      POINT p[3] = {{X + 1, Y + 7}, {X + 11, Y + 7}, {X + 6, Y + 1}};
      Polygon(DC, p, 3);
      Rectangle(DC, X + 1, Y + 9, X + 11, Y + 12);
      break;
    }
  }
}

COLORREF GlyphColor(TMPBtnType Button) {
  switch (Button) {
    case btPlay:
    case btStep:
    case btBack:
      return RGB(0, 160, 0);
    case btPause:
      return RGB(200, 160, 0);
    case btRecord:
    case btStop:
      return RGB(200, 0, 0);
    default:
      return RGB(0, 0, 160);
  }
}
}  // namespace

void TMediaPlayer::DrawButton(HDC DC, TMPBtnType Button, const RECT& Slot) {
  RECT r = Slot;
  const bool pressed = FPressed == static_cast<int>(Button);
  DrawFrameControl(DC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const bool usable = UsableButtons().Contains(Button) && GetEnabled();
  COLORREF color = !usable                            ? GetSysColor(COLOR_GRAYTEXT)
                   : FColoredButtons.Contains(Button) ? GlyphColor(Button)
                                                      : GetSysColor(COLOR_BTNTEXT);
  HBRUSH brush = CreateSolidBrush(color);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldBrush = SelectObject(DC, brush), oldPen = SelectObject(DC, pen);
  const int shift = pressed ? 1 : 0;
  DrawGlyph(DC, Button, (r.left + r.right - 12) / 2 + shift, (r.top + r.bottom - 12) / 2 + shift);
  SelectObject(DC, oldBrush);
  SelectObject(DC, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void TMediaPlayer::Paint() {
  HDC dc = Canvas().Handle();
  RECT all = ClientRect();
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  for (int b = 0; b < kButtonCount; ++b) {
    auto button = static_cast<TMPBtnType>(b);
    RECT slot = ButtonRect(button);
    if (slot.right > slot.left) DrawButton(dc, button, slot);
  }
}

void TMediaPlayer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      int b = ButtonAt(GET_X_LPARAM(Message.LParam));
      if (b >= 0 && GetEnabled() && UsableButtons().Contains(static_cast<TMPBtnType>(b))) {
        FPressed = b;
        SetCapture(Handle());
        Repaint();
      }
      break;
    }
    case WM_LBUTTONUP: {
      int pressed = std::exchange(FPressed, -1);
      if (GetCapture() == WindowHandle()) ReleaseCapture();
      if (pressed >= 0) {
        Repaint();
        if (ButtonAt(GET_X_LPARAM(Message.LParam)) == pressed)
          DoButton(static_cast<TMPBtnType>(pressed));
      }
      break;
    }
    case MM_MCINOTIFY:
      Changed();
      OnNotify(this);
      return;
  }
  TCustomControl::WndProc(Message);
}
