#pragma once
// A date or time field over the system SysDateTimePick32 control: a date
// with a drop-down calendar (DateMode dmComboBox) or with arrows
// (dmUpDown), or a time (Kind dtkTime, always with arrows). Date and Time
// are published as text, "YYYY-MM-DD" and "HH:MM:SS"; in code the value is
// a SYSTEMTIME.

#include <windows.h>

#include <string>

#include "toolkit/WinControl.h"

FW_ENUM(TDateTimeKind, dtkDate, dtkTime)
FW_ENUM(TDTDateMode, dmComboBox, dmUpDown)
FW_ENUM(TDTDateFormat, dfShort, dfLong)

class TDateTimePicker : public TWinControl {
  FW_CLASS(TDateTimePicker)
 public:
  explicit TDateTimePicker(TComponent* AOwner);

  SYSTEMTIME GetDateTime() const;
  void SetDateTime(const SYSTEMTIME& Value);
  // "YYYY-MM-DD"; a text that names no day of the calendar is refused
  // with EComponentError.
  std::string GetDate() const;
  void SetDate(const std::string& Value);
  // "HH:MM:SS" (seconds may be left out).
  std::string GetTime() const;
  void SetTime(const std::string& Value);
  TDateTimeKind GetKind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDTDateMode GetDateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  TDTDateFormat GetDateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat Value);
  // The system control's own format text ("dd MMM yyyy"); empty for the
  // system's short or long format.
  std::string GetFormat() const { return FFormat; }
  void SetFormat(const std::string& Value);
  bool GetShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  // With ShowCheckbox: whether the value is given.
  bool GetChecked() const;
  void SetChecked(bool Value);
  bool DroppedDown() const { return FDroppedDown; }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void Change() { OnChange(this); }

 private:
  void ApplyValue();
  void RecreateKeepingValue();

  SYSTEMTIME FValue{};
  TDateTimeKind FKind = dtkDate;
  TDTDateMode FDateMode = dmComboBox;
  TDTDateFormat FDateFormat = dfShort;
  std::string FFormat;
  bool FShowCheckbox = false;
  bool FChecked = true;
  bool FDroppedDown = false;
};
