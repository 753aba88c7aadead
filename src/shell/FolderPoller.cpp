#include "shell/FolderPoller.h"

#include <shlobj.h>

#include <deque>
#include <utility>
#include <vector>

#include "shell/CodePageText.h"
#include "toolkit/GdiHandle.h"

namespace {

// A drive root ("C:\\") already ends with its separator.
std::string Child(const std::string& Folder, const std::string& Name) {
  if (!Folder.empty() && *CharPrevA(Folder.c_str(), Folder.c_str() + Folder.size()) == '\\')
    return Folder + Name;
  return Folder + "\\" + Name;
}

using TKernelHandle = TOwnedHandle<HANDLE, CloseHandle>;

LONG EventOf(const TFolderChange& Change) {
  switch (Change.Kind) {
    case TFolderChangeKind::Added:
      return Change.IsFolder ? SHCNE_MKDIR : SHCNE_CREATE;
    case TFolderChangeKind::Removed:
      return Change.IsFolder ? SHCNE_RMDIR : SHCNE_DELETE;
    case TFolderChangeKind::Renamed:
      return Change.IsFolder ? SHCNE_RENAMEFOLDER : SHCNE_RENAMEITEM;
    case TFolderChangeKind::Modified:
      return SHCNE_UPDATEITEM;
  }
  return 0;
}

}  // namespace

TFolderPoller::TFolderPoller(bool FilesToo, std::size_t MaxFolders, TReport Report)
    : FFilesToo(FilesToo), FMaxFolders(MaxFolders), FReport(std::move(Report)) {}

// The folder's own time of writing; 0 when it cannot be had.
std::uint64_t TFolderPoller::WriteTimeOf(const std::string& Path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

// The folder is read through a handle of its own that lets others rename
// and remove it meanwhile; the entries come with the file system's ids.
bool TFolderPoller::List(const std::string& Path, TFolderListing& Listing) const {
  HANDLE opened = CreateFileA(Path.c_str(), FILE_LIST_DIRECTORY,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  const TKernelHandle folder(opened);
  std::vector<TFolderEntry> entries;
  alignas(LONGLONG) BYTE buffer[32 * 1024];
  FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
  while (GetFileInformationByHandleEx(folder.Get(), kind, buffer, sizeof buffer)) {
    kind = FileIdBothDirectoryInfo;
    for (DWORD offset = 0;;) {
      const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer + offset);
      AddEntry(*info, entries);
      if (info->NextEntryOffset == 0) break;
      offset += info->NextEntryOffset;
    }
  }
  if (GetLastError() != ERROR_NO_MORE_FILES) return false;
  Listing = TFolderListing(std::move(entries));
  return true;
}

void TFolderPoller::AddEntry(const FILE_ID_BOTH_DIR_INFO& Info,
                             std::vector<TFolderEntry>& Entries) const {
  const std::string name =
      CodePageText(Info.FileName, static_cast<int>(Info.FileNameLength / sizeof(WCHAR)));
  if (name == "." || name == "..") return;
  TFolderEntry entry{name,
                     (Info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                     static_cast<std::uint64_t>(Info.EndOfFile.QuadPart),
                     static_cast<std::uint64_t>(Info.LastWriteTime.QuadPart),
                     static_cast<std::uint64_t>(Info.FileId.QuadPart),
                     static_cast<std::uint64_t>(Info.CreationTime.QuadPart),
                     (Info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
  if (entry.IsFolder || FFilesToo) Entries.push_back(std::move(entry));
}

void TFolderPoller::AddRoot(const std::string& Path, std::size_t RootIndex) {
  TFolder root{RootIndex, true, false, 0, {}};
  if (!List(Path, root.Listing)) return;
  if (!FFolders.emplace(Path, std::move(root)).second) return;
  AddBelow(Path, RootIndex, false);
}

void TFolderPoller::AddFlat(const std::string& Path, std::size_t RootIndex) {
  TFolder flat{RootIndex, true, true, 0, {}};
  if (FFolders.count(Path) || !List(Path, flat.Listing)) return;
  FFolders.emplace(Path, std::move(flat));
}

void TFolderPoller::RemoveFlat(const std::string& Path) {
  auto found = FFolders.find(Path);
  if (found != FFolders.end() && found->second.IsFlat && found->second.IsTaken)
    FFolders.erase(found);
}

// Takes in the folders below Path, breadth first, as far as the bound
// allows. With ReportContents, everything found is reported as created.
void TFolderPoller::AddBelow(const std::string& Path, std::size_t RootIndex, bool ReportContents) {
  std::deque<std::string> waiting{Path};
  while (!waiting.empty()) {
    const std::string parent = std::move(waiting.front());
    waiting.pop_front();
    const TFolder& polled = FFolders.at(parent);
    for (const TFolderEntry& entry : polled.Listing.Entries()) {
      if (ReportContents)
        ReportChange(parent, polled, {TFolderChangeKind::Added, entry.IsFolder, entry.Name, {}});
      if (TakeIn(Child(parent, entry.Name), entry, RootIndex))
        waiting.push_back(Child(parent, entry.Name));
    }
  }
}

// Starts looking at one folder, unless it links elsewhere, cannot be read or
// the bound is reached.
bool TFolderPoller::TakeIn(const std::string& Path, const TFolderEntry& Entry,
                           std::size_t RootIndex) {
  if (!Entry.IsFolder || Entry.LinksElsewhere || FBelowCount >= FMaxFolders) return false;
  TFolder folder{RootIndex, false, false, WriteTimeOf(Path), {}};
  if (!List(Path, folder.Listing)) return false;
  if (!FFolders.emplace(Path, std::move(folder)).second) return false;
  ++FBelowCount;
  return true;
}

void TFolderPoller::Poll() {
  std::vector<std::string> paths;
  paths.reserve(FFolders.size());
  for (const auto& [path, folder] : FFolders) paths.push_back(path);
  for (const std::string& path : paths) {
    auto found = FFolders.find(path);
    if (found == FFolders.end()) continue;
    // Where only folders are reported, a folder found below is read again
    // only when its own time of writing moved: adding, removing or renaming
    // an entry moves it. Files written in place do not, so with files every
    // folder is read.
    const std::uint64_t written = WriteTimeOf(path);
    TFolder& folder = found->second;
    if (!FFilesToo && !folder.IsTaken && written != 0 && written == folder.Written) continue;
    PollFolder(path);
    if (auto again = FFolders.find(path); again != FFolders.end()) again->second.Written = written;
  }
}

void TFolderPoller::PollFolder(const std::string& Path) {
  TFolderListing now;
  TFolder& polled = FFolders.at(Path);
  if (!List(Path, now) && !polled.IsTaken) {
    // Gone: whoever looks at its parent reports it.
    Forget(Path, false);
    return;
  }
  // A taken folder that went away held nothing any more; it is looked at
  // again in case it comes back.
  const std::vector<TFolderChange> changes = polled.Listing.ChangesTo(now);
  polled.Listing = std::move(now);
  const TFolder& current = polled;
  for (const TFolderChange& change : changes) {
    const bool gone = change.IsFolder && change.Kind != TFolderChangeKind::Added;
    // A removed folder's content went first.
    if (gone) Forget(Child(Path, change.Name), change.Kind == TFolderChangeKind::Removed);
    ReportChange(Path, current, change);
    if (!change.IsFolder || change.Kind == TFolderChangeKind::Removed || current.IsFlat) continue;
    const bool added = change.Kind == TFolderChangeKind::Added;
    const std::string& name = added ? change.Name : change.NewName;
    const TFolderEntry* entry = current.Listing.Find(name);
    // What a new folder holds is new too; a renamed one's is not.
    if (entry && TakeIn(Child(Path, name), *entry, current.RootIndex))
      AddBelow(Child(Path, name), current.RootIndex, added);
  }
}

void TFolderPoller::ReportChange(const std::string& Folder, const TFolder& Polled,
                                 const TFolderChange& Change) {
  const std::string path2 =
      Change.Kind == TFolderChangeKind::Renamed ? Child(Folder, Change.NewName) : std::string();
  FReport(Polled.RootIndex, EventOf(Change), Child(Folder, Change.Name), path2);
}

// Stops looking at a folder and everything below it. With ReportContents,
// what it held as last seen is reported as removed, innermost first.
void TFolderPoller::Forget(const std::string& Path, bool ReportContents) {
  auto found = FFolders.find(Path);
  if (found == FFolders.end()) return;
  const TFolder folder = std::move(found->second);
  FFolders.erase(found);
  if (!folder.IsTaken) --FBelowCount;
  for (const TFolderEntry& entry : folder.Listing.Entries()) {
    if (entry.IsFolder) Forget(Child(Path, entry.Name), ReportContents);
    if (ReportContents)
      ReportChange(Path, folder, {TFolderChangeKind::Removed, entry.IsFolder, entry.Name, {}});
  }
}
