#include "shell/DirectoryWatcher.h"

#include <shlobj.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <utility>

#include "shell/CodePageText.h"
#include "shell/FolderPoller.h"

namespace {

constexpr ULONG_PTR kStopKey = static_cast<ULONG_PTR>(-1);
constexpr ULONG_PTR kFlatFoldersKey = static_cast<ULONG_PTR>(-2);
constexpr DWORD kBufferBytes = 16 * 1024;
// Most folders below the subtree roots that are polled where the platform
// needs that (see PlatformMissesDiskChanges).
constexpr std::size_t kMaxPolledFolders = 128;
// Polling starts again this long after the last look at the earliest, and
// later when looking takes long, so that it takes at most a tenth of the time.
constexpr ULONGLONG kPollInterval = 500;
constexpr ULONGLONG kPollShareOfTime = 10;
constexpr LONG kFolderEvents = SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_RENAMEFOLDER;
constexpr LONG kFileEvents = SHCNE_CREATE | SHCNE_DELETE | SHCNE_RENAMEITEM | SHCNE_UPDATEITEM;

bool EndsWithBackslash(const std::string& Text) {
  return !Text.empty() && *CharPrevA(Text.c_str(), Text.c_str() + Text.size()) == '\\';
}

// The folder's path without a trailing backslash, except for a drive root.
std::string RootPath(std::string Path) {
  while (Path.size() > 3 && EndsWithBackslash(Path)) Path.pop_back();
  return Path;
}

bool IsFolder(const std::string& Path) {
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

// One open folder handle with its read in flight. Folder watches see only
// folder names, file watches only file names and writes, so that a removed
// name is known to be a folder or a file without looking at the disk.
struct TDirectoryWatcher::TWatch {
  std::string Root;
  std::size_t RootIndex = 0;
  bool SubTree = false;
  bool Folders = false;
  HANDLE Folder = INVALID_HANDLE_VALUE;
  OVERLAPPED Overlapped{};
  bool Pending = false;
  std::string RenamedFrom;
  alignas(DWORD) BYTE Buffer[kBufferBytes];
};

TDirectoryWatcher::TDirectoryWatcher(const std::vector<TDirectoryWatch>& Folders, LONG EventMask,
                                     HWND Window, UINT WakeMessage, std::size_t Capacity)
    : FEventMask(EventMask), FWindow(Window), FWakeMessage(WakeMessage), FCapacity(Capacity) {
  FPort = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
  if (!FPort) return;
  for (const TDirectoryWatch& folder : Folders) {
    const std::size_t rootIndex = FRoots.size();
    const std::string root = RootPath(folder.Path);
    FRoots.push_back(root);
    if (PlatformMissesDiskChanges()) {
      if (folder.WatchSubTree && !folder.WherePlatformIsSilent)
        Poller().AddRoot(root, rootIndex);
      else
        Poller().AddFlat(root, rootIndex);
      if (folder.WherePlatformIsSilent) FFlat.insert(root);
    } else if (!folder.WherePlatformIsSilent) {
      const std::size_t handles = FWatches.size();
      if (EventMask & kFolderEvents) OpenWatch(root, folder.WatchSubTree, true, rootIndex);
      if (EventMask & kFileEvents) OpenWatch(root, folder.WatchSubTree, false, rootIndex);
      FFoldersWithHandles += FWatches.size() > handles;
    }
  }
  FDropped.assign(FRoots.size(), 0);
  if (FPoller) FPolledFolders = FPoller->FolderCount();
  // The thread issues the reads (they live as long as the thread that issued
  // them) and closes the folders when it stops. Changes from now on are seen.
  std::promise<void> armed;
  std::future<void> ready = armed.get_future();
  FThread = std::thread(&TDirectoryWatcher::Run, this, std::move(armed));
  ready.wait();
}

// Wine's shell reports no changes on disk, and its subtree watching covers
// only folders created after the watch began; a folder it watches cannot be
// removed by others while the watch lasts. There every folder is polled
// instead. Elsewhere the platform's watching is complete.
bool TDirectoryWatcher::PlatformMissesDiskChanges() {
  static const bool misses = IsWine();
  return misses;
}

void TDirectoryWatcher::SetFlatFolders(const std::vector<std::string>& Paths) {
  if (!PlatformMissesDiskChanges() || !FThread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(FLock);
    FPendingFlat.emplace();
    for (const std::string& path : Paths) FPendingFlat->insert(RootPath(path));
  }
  PostQueuedCompletionStatus(FPort, 0, kFlatFoldersKey, nullptr);
}

// On the thread: folders no longer asked for are dropped, new ones taken
// as they are now. Each has a slot of its own for coalescing bursts. Of
// several sets asked for meanwhile, the last counts.
void TDirectoryWatcher::ApplyFlatFolders() {
  std::set<std::string> wanted;
  {
    std::lock_guard<std::mutex> lock(FLock);
    if (!FPendingFlat) return;
    wanted = std::move(*FPendingFlat);
    FPendingFlat.reset();
  }
  for (auto it = FFlat.begin(); it != FFlat.end();) {
    if (wanted.count(*it)) {
      ++it;
      continue;
    }
    Poller().RemoveFlat(*it);
    it = FFlat.erase(it);
  }
  for (const std::string& path : wanted) {
    if (FFlat.count(path)) continue;
    Poller().AddFlat(path, SlotFor(path));
    FFlat.insert(path);
  }
  FPolledFolders = Poller().FolderCount();
}

std::size_t TDirectoryWatcher::SlotFor(const std::string& Path) {
  std::lock_guard<std::mutex> lock(FLock);
  for (std::size_t i = 0; i < FRoots.size(); ++i)
    if (FRoots[i] == Path) return i;
  FRoots.push_back(Path);
  FDropped.push_back(0);
  return FRoots.size() - 1;
}

TFolderPoller& TDirectoryWatcher::Poller() {
  if (!FPoller)
    FPoller = std::make_unique<TFolderPoller>(
        (FEventMask & kFileEvents) != 0, kMaxPolledFolders,
        [this](std::size_t RootIndex, LONG Event, const std::string& Path1,
               const std::string& Path2) { Report(RootIndex, Event, Path1, Path2); });
  return *FPoller;
}

TDirectoryWatcher::~TDirectoryWatcher() {
  if (FThread.joinable()) {
    PostQueuedCompletionStatus(FPort, 0, kStopKey, nullptr);
    FThread.join();
  }
  if (FPort) CloseHandle(FPort);
}

void TDirectoryWatcher::OpenWatch(const std::string& Root, bool SubTree, bool Folders,
                                  std::size_t RootIndex) {
  HANDLE folder = CreateFileA(
      Root.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return;
  auto watch = std::make_unique<TWatch>();
  watch->Root = Root;
  watch->RootIndex = RootIndex;
  watch->SubTree = SubTree;
  watch->Folders = Folders;
  watch->Folder = folder;
  if (!CreateIoCompletionPort(folder, FPort, reinterpret_cast<ULONG_PTR>(watch.get()), 0)) {
    CloseHandle(folder);
    return;
  }
  FWatches.push_back(std::move(watch));
}

bool TDirectoryWatcher::Arm(TWatch& Watch) {
  const DWORD filter = Watch.Folders ? FILE_NOTIFY_CHANGE_DIR_NAME
                                     : FILE_NOTIFY_CHANGE_FILE_NAME |
                                           FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;
  Watch.Overlapped = OVERLAPPED{};
  Watch.Pending = ReadDirectoryChangesW(Watch.Folder, Watch.Buffer, kBufferBytes, Watch.SubTree,
                                        filter, nullptr, &Watch.Overlapped, nullptr) != FALSE;
  return Watch.Pending;
}

void TDirectoryWatcher::Run(std::promise<void> Armed) {
  std::size_t pending = 0;
  for (auto& watch : FWatches) pending += Arm(*watch);
  Armed.set_value();
  ULONGLONG nextPoll = GetTickCount64() + kPollInterval;
  for (;;) {
    DWORD bytes = 0;
    ULONG_PTR key = 0;
    OVERLAPPED* overlapped = nullptr;
    const ULONGLONG now = GetTickCount64();
    const DWORD wait = !FPoller         ? INFINITE
                       : nextPoll > now ? static_cast<DWORD>(nextPoll - now)
                                        : 0;
    const BOOL ok = GetQueuedCompletionStatus(FPort, &bytes, &key, &overlapped, wait);
    if (key == kStopKey) break;
    if (key == kFlatFoldersKey) ApplyFlatFolders();
    if (FPoller && GetTickCount64() >= nextPoll) nextPoll = PollFolders();
    if (!overlapped) continue;
    auto& watch = *reinterpret_cast<TWatch*>(key);
    watch.Pending = false;
    --pending;
    if (!ok && GetLastError() != ERROR_NOTIFY_ENUM_DIR)
      continue;  // the folder went away or cannot be read any more
    if (!ok || bytes == 0)
      Overflow(watch.RootIndex);  // more happened than the buffer could hold
    else
      Parse(watch, bytes);
    if (Arm(watch)) ++pending;
  }
  Drain(pending);
}

// Looks at the polled folders; returns when to look next.
ULONGLONG TDirectoryWatcher::PollFolders() {
  const ULONGLONG start = GetTickCount64();
  FPoller->Poll();
  FPolledFolders = FPoller->FolderCount();
  const ULONGLONG end = GetTickCount64();
  return end + std::max(kPollInterval, (end - start) * (kPollShareOfTime - 1));
}

// Closes the folders, which cancels the reads in flight, and waits until the
// system is done with their buffers, which are freed right after.
void TDirectoryWatcher::Drain(std::size_t Pending) {
  for (auto& watch : FWatches) {
    if (watch->Pending) CancelIoEx(watch->Folder, &watch->Overlapped);
    CloseHandle(watch->Folder);
    watch->Folder = INVALID_HANDLE_VALUE;
  }
  while (Pending > 0) {
    DWORD bytes = 0;
    ULONG_PTR key = 0;
    OVERLAPPED* overlapped = nullptr;
    const BOOL ok = GetQueuedCompletionStatus(FPort, &bytes, &key, &overlapped, 5000);
    if (overlapped) {
      reinterpret_cast<TWatch*>(key)->Pending = false;
      --Pending;
    } else if (!ok) {
      // The system never gave the buffers back: keep them rather than let it
      // write into freed memory.
      for (auto& watch : FWatches)
        if (watch->Pending) static_cast<void>(watch.release());
      return;
    }
  }
}

void TDirectoryWatcher::Parse(TWatch& Watch, DWORD Bytes) {
  const std::string prefix = EndsWithBackslash(Watch.Root) ? Watch.Root : Watch.Root + "\\";
  const LONG created = Watch.Folders ? SHCNE_MKDIR : SHCNE_CREATE;
  const LONG removed = Watch.Folders ? SHCNE_RMDIR : SHCNE_DELETE;
  const LONG renamed = Watch.Folders ? SHCNE_RENAMEFOLDER : SHCNE_RENAMEITEM;
  DWORD offset = 0;
  for (;;) {
    if (offset + sizeof(FILE_NOTIFY_INFORMATION) > Bytes) break;
    const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(Watch.Buffer + offset);
    const DWORD nameBytes = std::min<DWORD>(
        info->FileNameLength, Bytes - offset - offsetof(FILE_NOTIFY_INFORMATION, FileName));
    const std::string path =
        prefix + CodePageText(info->FileName, static_cast<int>(nameBytes / sizeof(wchar_t)));
    // A rename whose new name is not reported moved the item out of sight.
    if (!Watch.RenamedFrom.empty() && info->Action != FILE_ACTION_RENAMED_NEW_NAME) {
      Report(Watch.RootIndex, removed, Watch.RenamedFrom);
      Watch.RenamedFrom.clear();
    }
    switch (info->Action) {
      case FILE_ACTION_ADDED:
        Report(Watch.RootIndex, created, path);
        break;
      case FILE_ACTION_REMOVED:
        Report(Watch.RootIndex, removed, path);
        break;
      case FILE_ACTION_RENAMED_OLD_NAME:
        Watch.RenamedFrom = path;
        break;
      case FILE_ACTION_RENAMED_NEW_NAME:
        if (Watch.RenamedFrom.empty())
          Report(Watch.RootIndex, created, path);
        else
          Report(Watch.RootIndex, renamed, Watch.RenamedFrom, path);
        Watch.RenamedFrom.clear();
        break;
      case FILE_ACTION_MODIFIED:
        // A folder's own time changes with its content; that is no update.
        if (!Watch.Folders && !IsFolder(path)) Report(Watch.RootIndex, SHCNE_UPDATEITEM, path);
        break;
    }
    if (info->NextEntryOffset == 0) break;
    offset += info->NextEntryOffset;
  }
}

void TDirectoryWatcher::Report(std::size_t RootIndex, LONG Event, const std::string& Path1,
                               const std::string& Path2) {
  if (!(FEventMask & Event)) return;
  bool wake = false;
  {
    std::lock_guard<std::mutex> lock(FLock);
    if (FDropped[RootIndex] != 0) {
      FDropped[RootIndex] |= Event;
      return;
    }
    if (FQueue.size() >= FCapacity) {
      FDropped[RootIndex] = Event;
    } else {
      FQueue.push_back({Event, Path1, Path2, false});
      FHighWater = std::max(FHighWater, FQueue.size());
    }
    wake = !FWakePending;
    FWakePending = true;
  }
  if (wake) PostMessageA(FWindow, FWakeMessage, 0, 0);
}

void TDirectoryWatcher::Overflow(std::size_t RootIndex) {
  bool wake = false;
  {
    std::lock_guard<std::mutex> lock(FLock);
    // What was missed is not known: anything asked for may have happened.
    FDropped[RootIndex] |= FEventMask;
    if (FDropped[RootIndex] == 0) return;
    wake = !FWakePending;
    FWakePending = true;
  }
  if (wake) PostMessageA(FWindow, FWakeMessage, 0, 0);
}

std::size_t TDirectoryWatcher::Take(std::vector<TShellChangeReport>& Out, std::size_t Max) {
  std::lock_guard<std::mutex> lock(FLock);
  while (Max > 0 && !FQueue.empty()) {
    Out.push_back(std::move(FQueue.front()));
    FQueue.pop_front();
    --Max;
  }
  if (FQueue.empty()) {
    // What was dropped is reported after everything that was kept.
    for (std::size_t i = 0; i < FDropped.size(); ++i) {
      if (FDropped[i] != 0) StandIn(FRoots[i], std::exchange(FDropped[i], 0), Out);
    }
    FWakePending = false;
  }
  return FQueue.size();
}

// A change of the whole folder where the mask asks for it; otherwise one
// report of each kind that was dropped, naming the folder (as both names of a
// rename).
void TDirectoryWatcher::StandIn(const std::string& Root, LONG Dropped,
                                std::vector<TShellChangeReport>& Out) const {
  if (FEventMask & SHCNE_UPDATEDIR) {
    Out.push_back({SHCNE_UPDATEDIR, Root, {}, false});
    return;
  }
  for (LONG event : {SHCNE_MKDIR, SHCNE_CREATE, SHCNE_RMDIR, SHCNE_DELETE, SHCNE_RENAMEFOLDER,
                     SHCNE_RENAMEITEM, SHCNE_UPDATEITEM}) {
    if (!(Dropped & event)) continue;
    const bool rename = event == SHCNE_RENAMEFOLDER || event == SHCNE_RENAMEITEM;
    Out.push_back({event, Root, rename ? Root : std::string(), false});
  }
}

std::size_t TDirectoryWatcher::PolledFolderCount() const {
  return FPolledFolders;
}

std::size_t TDirectoryWatcher::WatchedFolderCount() const {
  return FFoldersWithHandles + FPolledFolders;
}

std::size_t TDirectoryWatcher::HighWater() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FHighWater;
}
