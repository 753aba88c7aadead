#pragma once
// The status line of the preview's shell page: how many items the list
// shows, and how many are selected with their size on disk.

#include <cstdint>
#include <string>

class TCustomVintoShellListView;

namespace ShellPageStatus {

// "1 item", "12 items"; while a fill goes on, "12 items so far...".
std::string ItemCountText(int Count, bool Populating);
// "Nothing selected", or "3 selected, 12 KB" (files count, folders do not).
std::string SelectionText(int Selected, std::uint64_t Bytes);
// The size on disk of the list's selected files.
std::uint64_t SelectedBytes(TCustomVintoShellListView& List);

}  // namespace ShellPageStatus
