#include "shell/ShellListDetails.h"

#include "shell/ShellIDList.h"

namespace {

constexpr std::uint64_t kMegabyte = 1048576;
constexpr std::uint64_t kGigabyte = 1073741824;

// Digits as the user's locale writes them, with NumDigits decimals.
std::string LocaleNumber(const std::string& Digits, UINT NumDigits) {
  char decimal[8] = {}, thousand[8] = {}, grouping[16] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, grouping, sizeof grouping);
  NUMBERFMTA format{};
  format.NumDigits = NumDigits;
  format.LeadingZero = 1;
  // "3;0" means groups of three.
  format.Grouping = grouping[0] >= '0' && grouping[0] <= '9' ? grouping[0] - '0' : 3;
  format.lpDecimalSep = decimal;
  format.lpThousandSep = thousand;
  char out[64] = {};
  if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, Digits.c_str(), &format, out, sizeof out) <= 0)
    return Digits;
  return out;
}

std::string TwoDecimals(std::uint64_t Bytes, std::uint64_t Unit) {
  // Hundredths, rounded.
  const std::uint64_t hundredths = (Bytes * 100 + Unit / 2) / Unit;
  std::string digits = std::to_string(hundredths / 100) + "." + (hundredths % 100 < 10 ? "0" : "") +
                       std::to_string(hundredths % 100);
  return LocaleNumber(digits, 2);
}

std::string TypeName(LPCITEMIDLIST Item) {
  SHFILEINFOA info{};
  if (!SHGetFileInfoA(reinterpret_cast<LPCSTR>(Item), 0, &info, sizeof info,
                      SHGFI_PIDL | SHGFI_TYPENAME))
    return {};
  return std::string(info.szTypeName, strnlen(info.szTypeName, sizeof info.szTypeName));
}

}  // namespace

const std::vector<TShellListColumn>& ShellListColumnsOf(TShellListColumns Kind) {
  static const std::vector<TShellListColumn> files{
      {"Name", false, 32}, {"Size", true, 16}, {"Type", false, 24}, {"Modified", false, 20}};
  static const std::vector<TShellListColumn> drives{
      {"Name", false, 24}, {"Type", false, 24}, {"Total Size", true, 16}, {"Free Space", true, 16}};
  static const std::vector<TShellListColumn> nameOnly{{"Name", false, 32}};
  switch (Kind) {
    case TShellListColumns::Files:
      return files;
    case TShellListColumns::Drives:
      return drives;
    case TShellListColumns::NameOnly:
      break;
  }
  return nameOnly;
}

std::string FileSizeText(std::uint64_t Bytes) {
  if (Bytes == 0) return {};
  if (Bytes <= 1024) return "1 KB";
  return LocaleNumber(std::to_string(Bytes / 1024), 0) + " KB";
}

std::string DriveSizeText(std::uint64_t Bytes, const char* MegabyteSpace) {
  if (Bytes <= kGigabyte) return TwoDecimals(Bytes, kMegabyte) + MegabyteSpace + "MB";
  return TwoDecimals(Bytes, kGigabyte) + " GB";
}

std::string ModifiedText(const FILETIME& LastWrite) {
  FILETIME local, rounded;
  WORD date = 0, time = 0;
  SYSTEMTIME when;
  if (!FileTimeToLocalFileTime(&LastWrite, &local) ||
      !FileTimeToDosDateTime(&local, &date, &time) || date == 0 ||
      !DosDateTimeToFileTime(date, time, &rounded) || !FileTimeToSystemTime(&rounded, &when))
    return {};
  char day[64] = {}, clock[64] = {};
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, day, sizeof day) <= 0 ||
      GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, clock, sizeof clock) <= 0)
    return {};
  return std::string(day) + " " + clock;
}

std::vector<std::string> FileDetails(LPCITEMIDLIST Item) {
  const std::string path = IDListToPath(Item);
  WIN32_FIND_DATAA found{};
  HANDLE find = path.empty() ? INVALID_HANDLE_VALUE : FindFirstFileA(path.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return {};
  FindClose(find);
  const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::uint64_t size =
      (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  std::string sizeText;
  // Special folders are folders on disk too, so they show no size either.
  if (!folder) sizeText = FileSizeText(size);
  return {sizeText, TypeName(Item), ModifiedText(found.ftLastWriteTime)};
}

std::vector<std::string> DriveDetails(IShellFolder* Drives, LPCITEMIDLIST Item) {
  static const char* const kinds[] = {
      "3\xBD-Inch Floppy Disk", "5\xBC-Inch Floppy Disk", "Removable Disk", "Local Disk",
      "Network Drive",          "Compact Disk",           "Ram Disk",       nullptr,
      "Network Domain",         "Network Server",         "Network Share"};
  DWORD id = GetDescriptionID(Drives, LastID(Item));
  const std::string path = IDListToPath(Item);
  if (id == 0 && path.size() == 3 && path[1] == ':') {
    // Where the shell does not describe its drives, their type tells.
    switch (GetDriveTypeA(path.c_str())) {
      case DRIVE_REMOVABLE:
        id = SHDID_COMPUTER_REMOVABLE;
        break;
      case DRIVE_FIXED:
        id = SHDID_COMPUTER_FIXED;
        break;
      case DRIVE_REMOTE:
        id = SHDID_COMPUTER_NETDRIVE;
        break;
      case DRIVE_CDROM:
        id = SHDID_COMPUTER_CDROM;
        break;
      case DRIVE_RAMDISK:
        id = SHDID_COMPUTER_RAMDISK;
        break;
    }
  }
  const char* kind = id >= 5 && id <= 15 ? kinds[id - 5] : nullptr;
  if (!kind) return {TypeName(Item)};
  if (id != SHDID_COMPUTER_FIXED) return {kind};
  ULARGE_INTEGER total{}, free{};
  if (path.empty() || !GetDiskFreeSpaceExA(path.c_str(), nullptr, &total, &free)) return {kind};
  return {kind, DriveSizeText(total.QuadPart, ""), DriveSizeText(free.QuadPart, " ")};
}
