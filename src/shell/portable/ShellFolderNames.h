#pragma once
// The shell's special folders by name, and the folder identifier (CSIDL) that
// each one stands for.

#include <optional>
#include <string>
#include <string_view>

enum TVintoShellSpecialFolder {
  sfDesktop,
  sfInternet,
  sfPrograms,
  sfControls,
  sfPrinters,
  sfPersonal,
  sfFavorites,
  sfStartUp,
  sfRecent,
  sfSendTo,
  sfBitBucket,
  sfStartMenu,
  sfDesktopDirectory,
  sfDrives,
  sfNetWork,
  sfNetHood,
  sfFonts,
  sfTemplates,
  sfCommonStartMenu,
  sfCommonPrograms,
  sfCommonStartUp,
  sfCommonDesktopDirectory,
  sfAppData,
  sfPrintHood,
  sfAltStartUp,
  sfCommonAltStartUp,
  sfCommonFavorites,
  sfInternetCache,
  sfCookies,
  sfHistory,
};

// Number of special folders; also the "no special folder" index.
inline constexpr int kSpecialFolderCount = 30;

// The folder identifier of Folder; the table is indexed by the ordinal's low
// seven bits, and an index outside it gives the desktop's (0).
int SpecialFolderCSIDL(TVintoShellSpecialFolder Folder);

// The value's name, its text form ("sfDrives").
std::string SpecialFolderName(TVintoShellSpecialFolder Folder);

// The special folder that Text names, compared ignoring ASCII letter case.
std::optional<TVintoShellSpecialFolder> SpecialFolderFromName(std::string_view Text);
