#include "toolkit/DateTimePicker.h"

#include <commctrl.h>

#include <cstdio>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TDateTimePicker::StaticClass() {
  using T = TDateTimePicker;
  static const TClassInfo info =
      TClassBuilder<T>("TDateTimePicker", &TWinControl::StaticClass())
          .Creatable()
          .ColorProp("Color", &TControl::GetColor, &TControl::SetColor,
                     static_cast<int>(0x80000005))
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .PropNoDefault("Date", &T::GetDate, &T::SetDate)
          .PropNoDefault("Time", &T::GetTime, &T::SetTime)
          .Prop("Kind", &T::GetKind, &T::SetKind, dtkDate)
          .Prop("DateMode", &T::GetDateMode, &T::SetDateMode, dmComboBox)
          .Prop("DateFormat", &T::GetDateFormat, &T::SetDateFormat, dfShort)
          .Prop("Format", &T::GetFormat, &T::SetFormat, std::string())
          .Prop("ShowCheckbox", &T::GetShowCheckbox, &T::SetShowCheckbox, false)
          .Prop("Checked", &T::GetChecked, &T::SetChecked, true)
          .EventProp("OnChange", &T::OnChange)
          .EventProp("OnDropDown", &T::OnDropDown)
          .EventProp("OnCloseUp", &T::OnCloseUp)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TDateTimePicker);

namespace {

bool IsLeapYear(int Year) {
  return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

int DaysInMonth(int Year, int Month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

// The day of the week (0 Sunday) of a date of the Gregorian calendar.
WORD DayOfWeek(int Year, int Month, int Day) {
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (Month < 3) --Year;
  return static_cast<WORD>((Year + Year / 4 - Year / 100 + Year / 400 + offsets[Month - 1] + Day) %
                           7);
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  SetColor(static_cast<int>(0x80000005));  // clWindow
  GetLocalTime(&FValue);
  FValue.wMilliseconds = 0;
}

void TDateTimePicker::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = DATETIMEPICK_CLASSA;
  if (FKind == dtkTime) {
    Params.Style |= DTS_TIMEFORMAT;
  } else {
    if (FDateMode == dmUpDown) Params.Style |= DTS_UPDOWN;
    Params.Style |= FDateFormat == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
  }
  if (FShowCheckbox) Params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  if (!FFormat.empty())
    SendMessageA(WindowHandle(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(FFormat.c_str()));
  ApplyValue();
}

void TDateTimePicker::DestroyWnd() {
  FValue = GetDateTime();
  FChecked = GetChecked();
  TWinControl::DestroyWnd();
}

void TDateTimePicker::ApplyValue() {
  if (!HandleAllocated()) return;
  DWORD flag = FShowCheckbox && !FChecked ? GDT_NONE : GDT_VALID;
  DateTime_SetSystemtime(WindowHandle(), flag, &FValue);
}

SYSTEMTIME TDateTimePicker::GetDateTime() const {
  if (!WindowHandle()) return FValue;
  SYSTEMTIME value = FValue;
  if (DateTime_GetSystemtime(WindowHandle(), &value) != GDT_VALID) return FValue;
  return value;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& Value) {
  FValue = Value;
  FValue.wMilliseconds = 0;
  ApplyValue();
}

std::string TDateTimePicker::GetDate() const {
  SYSTEMTIME v = GetDateTime();
  char text[16];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", v.wYear, v.wMonth, v.wDay);
  return text;
}

void TDateTimePicker::SetDate(const std::string& Value) {
  int year = 0, month = 0, day = 0;
  char rest = 0;
  if (std::sscanf(Value.c_str(), "%d-%d-%d%c", &year, &month, &day, &rest) != 3 || year < 1601 ||
      year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    throw EComponentError("'" + Value + "' is not a date of the form YYYY-MM-DD");
  SYSTEMTIME v = GetDateTime();
  v.wYear = static_cast<WORD>(year);
  v.wMonth = static_cast<WORD>(month);
  v.wDay = static_cast<WORD>(day);
  v.wDayOfWeek = DayOfWeek(year, month, day);
  SetDateTime(v);
}

std::string TDateTimePicker::GetTime() const {
  SYSTEMTIME v = GetDateTime();
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", v.wHour, v.wMinute, v.wSecond);
  return text;
}

void TDateTimePicker::SetTime(const std::string& Value) {
  int hour = 0, minute = 0, second = 0;
  char rest = 0;
  int fields = std::sscanf(Value.c_str(), "%d:%d:%d%c", &hour, &minute, &second, &rest);
  if ((fields != 2 && fields != 3) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    throw EComponentError("'" + Value + "' is not a time of the form HH:MM:SS");
  SYSTEMTIME v = GetDateTime();
  v.wHour = static_cast<WORD>(hour);
  v.wMinute = static_cast<WORD>(minute);
  v.wSecond = static_cast<WORD>(fields == 3 ? second : 0);
  SetDateTime(v);
}

void TDateTimePicker::RecreateKeepingValue() {
  if (HandleAllocated()) FValue = GetDateTime();
  RecreateWnd();
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  RecreateKeepingValue();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (Value == FDateMode) return;
  FDateMode = Value;
  RecreateKeepingValue();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  if (Value == FDateFormat) return;
  FDateFormat = Value;
  RecreateKeepingValue();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
  FFormat = Value;
  if (HandleAllocated())
    SendMessageA(WindowHandle(), DTM_SETFORMATA, 0,
                 reinterpret_cast<LPARAM>(Value.empty() ? nullptr : Value.c_str()));
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (Value == FShowCheckbox) return;
  FShowCheckbox = Value;
  RecreateKeepingValue();
}

bool TDateTimePicker::GetChecked() const {
  if (!FShowCheckbox || !WindowHandle()) return FChecked;
  SYSTEMTIME v;
  return DateTime_GetSystemtime(WindowHandle(), &v) == GDT_VALID;
}

void TDateTimePicker::SetChecked(bool Value) {
  if (HandleAllocated()) FValue = GetDateTime();
  FChecked = Value;
  ApplyValue();
}

void TDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY && Message.LParam != kEngineMessageTag) {
    switch (reinterpret_cast<NMHDR*>(Message.LParam)->code) {
      case DTN_DATETIMECHANGE: {
        auto* change = reinterpret_cast<NMDATETIMECHANGE*>(Message.LParam);
        if (change->dwFlags == GDT_VALID) FValue = change->st;
        FChecked = change->dwFlags == GDT_VALID;
        Change();
        return;
      }
      case DTN_DROPDOWN:
        FDroppedDown = true;
        OnDropDown(this);
        return;
      case DTN_CLOSEUP:
        FDroppedDown = false;
        OnCloseUp(this);
        return;
    }
  }
  TWinControl::WndProc(Message);
}
