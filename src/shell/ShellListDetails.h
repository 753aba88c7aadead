#pragma once
// The detail columns of a shell list view: which columns a folder gets and
// the texts of an item's further columns, formatted with the system's
// separators and date and time formats.

#include <shlobj.h>

#include <cstdint>
#include <string>
#include <vector>

enum class TShellListColumns { Files, Drives, NameOnly };

struct TShellListColumn {
  const char* Caption;
  bool RightAligned;
  int WidthInX;  // times the width of "X" in the list's font
};

const std::vector<TShellListColumn>& ShellListColumnsOf(TShellListColumns Kind);

// "1 KB" for 1 to 1024 bytes, the whole kilobytes with thousands separators
// and " KB" beyond, empty for nothing.
std::string FileSizeText(std::uint64_t Bytes);
// Up to 1 GB in megabytes, beyond in gigabytes, two decimals; Unit is put
// before "MB" or "GB" ("" or " ").
std::string DriveSizeText(std::uint64_t Bytes, const char* MegabyteSpace);
// The system's short date and long time of a file time (UTC), at the
// resolution of two seconds; empty outside the range of such dates.
std::string ModifiedText(const FILETIME& LastWrite);

// The texts after the name for a file-system item (Size, Type, Modified);
// none when the item cannot be found on disk.
std::vector<std::string> FileDetails(LPCITEMIDLIST Item);
// For an item of the drives folder: its type, and for a local disk its
// total size and free space.
std::vector<std::string> DriveDetails(IShellFolder* Drives, LPCITEMIDLIST Item);
