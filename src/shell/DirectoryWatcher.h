#pragma once
// Watches folders on disk with the platform's directory change notification
// on a thread of its own and turns what it sees into shell change reports
// (SHCNE_MKDIR, SHCNE_RMDIR, SHCNE_RENAMEFOLDER for folders; SHCNE_CREATE,
// SHCNE_DELETE, SHCNE_RENAMEITEM, SHCNE_UPDATEITEM for files), with full
// paths. It stands in for the shell where the shell reports nothing about
// changes on disk.
//
// Reports wait in a queue of fixed capacity. When the queue is empty and a
// report arrives, WakeMessage is posted to Window once; the owner then takes
// reports on its own thread. A burst that fills the queue is not lost but
// coalesced: further reports of the folder are dropped and, once the queue
// has been emptied, one SHCNE_UPDATEDIR for the watched folder stands for
// them where the mask asks for it; otherwise one report of each kind that was
// dropped stands for them, naming the watched folder (as both names of a
// rename). When the platform itself reports an overflow, every kind the mask
// asks for may have been missed and stands in.
//
// Where the platform's own watching falls short (its subtree watching misses
// folders that existed before the watch began, and a watched folder cannot
// be removed while the watch lasts), every folder is polled instead (see
// TFolderPoller) and none is held open. Folders watched only where the
// platform is silent are polled there, and not watched elsewhere.

#include <windows.h>

#include <atomic>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "shell/ShellChangeReport.h"

class TFolderPoller;

struct TDirectoryWatch {
  std::string Path;
  bool WatchSubTree = false;
  // Only the folder's own entries, and only where the platform reports no
  // changes on disk by itself; they are polled, and the folder stays free.
  bool WherePlatformIsSilent = false;
};

class TDirectoryWatcher {
 public:
  static constexpr std::size_t kDefaultCapacity = 1024;

  // Only events in EventMask are reported. Folders that cannot be opened are
  // left out.
  TDirectoryWatcher(const std::vector<TDirectoryWatch>& Folders, LONG EventMask, HWND Window,
                    UINT WakeMessage, std::size_t Capacity = kDefaultCapacity);
  // Stops the thread and closes every handle.
  ~TDirectoryWatcher();
  TDirectoryWatcher(const TDirectoryWatcher&) = delete;
  TDirectoryWatcher& operator=(const TDirectoryWatcher&) = delete;

  // Whether the platform's shell reports nothing about changes on disk and
  // its watching falls short, so that folders are polled.
  static bool PlatformMissesDiskChanges();

  // Replaces the folders watched only where the platform is silent (see
  // TDirectoryWatch), while the watcher runs; folders kept keep their state.
  void SetFlatFolders(const std::vector<std::string>& Paths);

  // Moves up to Max waiting reports to Out, oldest first; returns how many
  // are still waiting. When none are left, the next report wakes the owner
  // again.
  std::size_t Take(std::vector<TShellChangeReport>& Out, std::size_t Max);

  // Number of folder handles open: one for folder names and one for files
  // per watched folder, as the mask asks (none where folders are polled).
  std::size_t HandleCount() const { return FWatches.size(); }
  // Folders that are polled, those below subtree roots included.
  std::size_t PolledFolderCount() const;
  // Folders watched either way.
  std::size_t WatchedFolderCount() const;
  // The most reports that were ever waiting at once.
  std::size_t HighWater() const;

 private:
  struct TWatch;

  void OpenWatch(const std::string& Root, bool SubTree, bool Folders, std::size_t RootIndex);
  bool Arm(TWatch& Watch);
  void Run(std::promise<void> Armed);
  void Drain(std::size_t Pending);
  void Parse(TWatch& Watch, DWORD Bytes);
  void Report(std::size_t RootIndex, LONG Event, const std::string& Path1,
              const std::string& Path2 = {});
  TFolderPoller& Poller();
  void ApplyFlatFolders();
  std::size_t SlotFor(const std::string& Path);
  ULONGLONG PollFolders();
  void Overflow(std::size_t RootIndex);
  void StandIn(const std::string& Root, LONG Dropped, std::vector<TShellChangeReport>& Out) const;

  LONG FEventMask;
  HWND FWindow;
  UINT FWakeMessage;
  std::size_t FCapacity;
  HANDLE FPort = nullptr;
  std::vector<std::string> FRoots;
  std::vector<std::unique_ptr<TWatch>> FWatches;
  // Only touched by the thread once it runs.
  std::unique_ptr<TFolderPoller> FPoller;
  std::set<std::string> FFlat;
  std::atomic<std::size_t> FPolledFolders{0};
  std::size_t FFoldersWithHandles = 0;
  std::thread FThread;

  mutable std::mutex FLock;
  std::deque<TShellChangeReport> FQueue;
  std::optional<std::set<std::string>> FPendingFlat;
  std::vector<LONG> FDropped;  // per root: events dropped in a burst
  bool FWakePending = false;
  std::size_t FHighWater = 0;
};
