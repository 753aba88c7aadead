#include "shell/portable/ShellFolderNames.h"

namespace {

struct TSpecialFolderEntry {
  const char* Name;
  int CSIDL;
};

constexpr TSpecialFolderEntry kSpecialFolders[kSpecialFolderCount] = {
    {"sfDesktop", 0x00},
    {"sfInternet", 0x01},
    {"sfPrograms", 0x02},
    {"sfControls", 0x03},
    {"sfPrinters", 0x04},
    {"sfPersonal", 0x05},
    {"sfFavorites", 0x06},
    {"sfStartUp", 0x07},
    {"sfRecent", 0x08},
    {"sfSendTo", 0x09},
    {"sfBitBucket", 0x0A},
    {"sfStartMenu", 0x0B},
    {"sfDesktopDirectory", 0x10},
    {"sfDrives", 0x11},
    {"sfNetWork", 0x12},
    {"sfNetHood", 0x13},
    {"sfFonts", 0x14},
    {"sfTemplates", 0x15},
    {"sfCommonStartMenu", 0x16},
    {"sfCommonPrograms", 0x17},
    {"sfCommonStartUp", 0x18},
    {"sfCommonDesktopDirectory", 0x19},
    {"sfAppData", 0x1A},
    {"sfPrintHood", 0x1B},
    {"sfAltStartUp", 0x1D},
    {"sfCommonAltStartUp", 0x1E},
    {"sfCommonFavorites", 0x1F},
    {"sfInternetCache", 0x20},
    {"sfCookies", 0x21},
    {"sfHistory", 0x22},
};

int TableIndex(TVintoShellSpecialFolder Folder) {
  const int index = static_cast<int>(Folder) & 0x7F;
  return index < kSpecialFolderCount ? index : -1;
}

char AsciiLower(char C) {
  return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C;
}

bool SameIgnoringAsciiCase(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t i = 0; i < A.size(); ++i)
    if (AsciiLower(A[i]) != AsciiLower(B[i])) return false;
  return true;
}

}  // namespace

int SpecialFolderCSIDL(TVintoShellSpecialFolder Folder) {
  const int index = TableIndex(Folder);
  return index < 0 ? 0 : kSpecialFolders[index].CSIDL;
}

std::string SpecialFolderName(TVintoShellSpecialFolder Folder) {
  const int index = TableIndex(Folder);
  return index < 0 ? std::string() : kSpecialFolders[index].Name;
}

std::optional<TVintoShellSpecialFolder> SpecialFolderFromName(std::string_view Text) {
  for (int i = 0; i < kSpecialFolderCount; ++i)
    if (SameIgnoringAsciiCase(Text, kSpecialFolders[i].Name))
      return static_cast<TVintoShellSpecialFolder>(i);
  return std::nullopt;
}
