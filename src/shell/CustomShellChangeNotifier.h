#pragma once
// Asks the shell to report changes below a list of watched folders and turns
// each report into an event with the affected paths. Reports arrive as
// messages to a hidden window and are handled on the thread that created
// the notifier, one at a time; handlers run inside that handling.
//
// The shell of some platforms registers but never reports changes made on
// disk. There, while registered, the notifier also watches every watched
// folder that has a file-system path itself (see TDirectoryWatcher) and
// feeds what it sees through the same decoding, duplicate suppression and
// events; the shell still reports what its own operations change, and a
// report that the other source already delivered is dropped, so a change
// fires once. Where the shell reports changes on disk, its reports are all
// there is. A burst of changes on disk that outruns the handlers is
// reported in part: what does not fit is stood for by one OnUpdateDir for the
// watched folder where that event has a handler, otherwise by one event of
// each kind that was dropped, naming the watched folder.
//
// At design time (an owner that is being designed) there is no window and
// nothing registers. While the notifier is being loaded from a form
// description, Active is only stored; Loaded registers.

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "shell/ShellChangeFunctions.h"
#include "shell/ShellChangeReport.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/Event.h"

class TDirectoryWatcher;

// One watch-list entry. The list belongs to whoever added it.
struct TVintoShellChangeNotifierItem {
  LPCITEMIDLIST IDList = nullptr;
  bool WatchSubTree = false;
};

// Sender first; the flag tells whether the report came from a system
// interrupt.
using TShellChangeEvent = TEvent<TObject*, const std::string&, bool>;
using TShellChangeRenameEvent = TEvent<TObject*, const std::string&, const std::string&, bool>;
using TShellChangeInterruptEvent = TEvent<TObject*, bool>;

class TCustomVintoShellChangeNotifier : public TComponent {
  FW_CLASS(TCustomVintoShellChangeNotifier)
 public:
  // Functions stands in for the shell's registration functions (tests).
  explicit TCustomVintoShellChangeNotifier(
      TComponent* AOwner, const TShellChangeFunctions& Functions = TShellChangeFunctions::System());
  ~TCustomVintoShellChangeNotifier() override;

  bool Active() const { return FActive; }
  // Registers (true) or deregisters (false) when the value changes.
  void SetActive(bool Value);
  // After loading from a form: an active notifier registers.
  void Loaded() override;

  void AddWatch(LPCITEMIDLIST List, bool WatchSubTree);
  void ClearWatches();
  const std::vector<TVintoShellChangeNotifierItem>& Watches() const { return FWatches; }

  // Folders whose own entries are watched on disk as well, where the shell
  // reports nothing about changes on disk (see TDirectoryWatcher): a tree
  // names the folders it shows open outside its watched root. Takes effect
  // at once while active; the shell's registration is not touched.
  void SetDiskOnlyFolders(const std::vector<std::string>& Paths);

  // The registered message "MsgId_VintoShellChangeNotifier" and the window
  // that receives it.
  UINT MessageId() const { return FMessageId; }
  HWND Handle() const { return FWindow; }
  ULONG RegistrationHandle() const { return FRegistration; }
  // Folders the disk watcher watches (0 when it does not run).
  std::size_t DiskWatchedFolderCount() const;

  TShellChangeRenameEvent OnRenameItem;
  TShellChangeEvent OnCreate;
  TShellChangeEvent OnDelete;
  TShellChangeEvent OnMkDir;
  TShellChangeEvent OnRmDir;
  TShellChangeEvent OnMediaInserted;
  TShellChangeEvent OnMediaRemoved;
  TShellChangeEvent OnDriveRemoved;
  TShellChangeEvent OnDriveAdd;
  TShellChangeEvent OnNetShare;
  TShellChangeEvent OnNetUnshare;
  TShellChangeEvent OnAttributes;
  TShellChangeEvent OnUpdateDir;
  TShellChangeEvent OnUpdateItem;
  TShellChangeEvent OnServerDisconnect;
  TShellChangeEvent OnUpdateImage;
  TShellChangeEvent OnDriveAddGUI;
  TShellChangeRenameEvent OnRenameFolder;
  TShellChangeEvent OnFreeSpace;
  TShellChangeInterruptEvent OnAssocChanged;

 protected:
  virtual void RegisterNotification();
  void DeregisterNotification();
  bool Designing() const { return ComponentState().Contains(csDesigning); }

 private:
  enum class TSource { Shell, Disk };
  struct TRecentReport {
    LONG Event;
    std::string Path1, Path2;
    DWORD Tick;
  };

  static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
  LRESULT HandleMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
  void HandleShellMessage(WPARAM WParam, LPARAM LParam);
  void HandleDiskReports();
  void Process(const TShellChangeReport& Report, TSource Source);
  bool DeliveredByOtherSource(const TShellChangeReport& Report, TSource Source);
  void Fire(const TShellChangeReport& Report);
  LONG EventMask() const;
  void StartDiskWatcher(LONG Mask);

  const TShellChangeFunctions& FFunctions;
  bool FActive = false;
  std::vector<TVintoShellChangeNotifierItem> FWatches;
  UINT FMessageId = 0;
  HWND FWindow = nullptr;
  ULONG FRegistration = 0;
  TShellChangeReport FPrevious;
  std::unique_ptr<TDirectoryWatcher> FDiskWatcher;
  std::vector<std::string> FDiskOnlyFolders;
  LONG FDiskMask = 0;  // while watching on disk
  std::deque<TRecentReport> FRecentFromShell, FRecentFromDisk;
};
