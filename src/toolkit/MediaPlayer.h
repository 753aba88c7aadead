#pragma once
// A media player: a row of up to nine buttons (play, pause, stop, next,
// previous, step, back, record, eject) that drive a device of the
// system's MCI for the file in FileName. VisibleButtons, EnabledButtons
// and ColoredButtons pick the buttons shown, usable and drawn in colour;
// with AutoEnable the buttons follow the device's mode while it is open.
//
// A machine without a sound device is no error: the device reports what
// it cannot do through Error and ErrorMessage, and the player stays
// usable. Other device failures (a missing file, an unknown type) raise
// EMCIDeviceError with the system's message.

#include <string>

#include "toolkit/CustomControl.h"

namespace mediaplayer {
FW_ENUM(TMPBtnType, btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject)
}
using mediaplayer::TMPBtnType;
using TMPBtnTypes = TSet<TMPBtnType>;
FW_ENUM(TMPModes, mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen)
FW_ENUM(TMPDeviceTypes, dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie,
        dtOther, dtOverlay, dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio)

class EMCIDeviceError : public EComponentError {
 public:
  using EComponentError::EComponentError;
};

// DoDefault starts true; false skips the button's own action.
using TMPBtnClickEvent = TEvent<TObject*, TMPBtnType, bool&>;

class TMediaPlayer : public TCustomControl {
  FW_CLASS(TMediaPlayer)
 public:
  static constexpr int kButtonCount = 9;

  explicit TMediaPlayer(TComponent* AOwner);
  ~TMediaPlayer() override;

  TMPBtnTypes GetVisibleButtons() const { return FVisibleButtons; }
  void SetVisibleButtons(TMPBtnTypes Value);
  TMPBtnTypes GetEnabledButtons() const { return FEnabledButtons; }
  void SetEnabledButtons(TMPBtnTypes Value);
  TMPBtnTypes GetColoredButtons() const { return FColoredButtons; }
  void SetColoredButtons(TMPBtnTypes Value);
  std::string GetFileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  TMPDeviceTypes GetDeviceType() const { return FDeviceType; }
  void SetDeviceType(TMPDeviceTypes Value) { FDeviceType = Value; }
  bool GetAutoOpen() const { return FAutoOpen; }
  void SetAutoOpen(bool Value) { FAutoOpen = Value; }
  bool GetAutoEnable() const { return FAutoEnable; }
  void SetAutoEnable(bool Value);
  bool GetAutoRewind() const { return FAutoRewind; }
  void SetAutoRewind(bool Value) { FAutoRewind = Value; }

  void Open();
  void Close();
  void Play();
  void Pause();
  void Stop();
  void Next();
  void Previous();
  void Step();
  void Back();
  void StartRecording();
  void Eject();

  bool IsOpen() const { return FDeviceId != 0; }
  TMPModes Mode() const;
  // The last MCI error code (0 for none) and its text.
  unsigned Error() const { return FError; }
  std::string ErrorMessage() const;
  // In the device's time format (milliseconds for sound files).
  int Length() const;
  int Position() const;

  // The slot of a visible button in client coordinates (empty when the
  // button is not shown).
  RECT ButtonRect(TMPBtnType Button) const;
  // The buttons usable now (EnabledButtons, or the device's mode with
  // AutoEnable and an open device).
  TMPBtnTypes UsableButtons() const;

  void Loaded() override;

  TMPBtnClickEvent OnClick;
  TNotifyEvent OnNotify;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  virtual void Click(TMPBtnType Button, bool& DoDefault) { OnClick(this, Button, DoDefault); }
  using TCustomControl::Click;

 private:
  // Sends one MCI command to the open device; failures as described above.
  bool Command(unsigned Message, unsigned long Flags, void* Params);
  void Check(unsigned Result);
  void DoButton(TMPBtnType Button);
  int ButtonAt(int X) const;
  void DrawButton(HDC DC, TMPBtnType Button, const RECT& Slot);
  void Changed() { Invalidate(); }

  TMPBtnTypes FVisibleButtons;
  TMPBtnTypes FEnabledButtons;
  TMPBtnTypes FColoredButtons;
  std::string FFileName;
  TMPDeviceTypes FDeviceType = dtAutoSelect;
  bool FAutoOpen = false;
  bool FAutoEnable = true;
  bool FAutoRewind = true;
  unsigned FDeviceId = 0;
  unsigned FError = 0;
  int FPressed = -1;
};
