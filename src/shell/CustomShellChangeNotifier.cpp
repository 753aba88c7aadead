#include "shell/CustomShellChangeNotifier.h"

#include <algorithm>

#include "shell/DirectoryWatcher.h"
#include "shell/IDListHolder.h"
#include "shell/ShellIDList.h"
#include "shell/portable/FreeSpaceItem.h"
#include "toolkit/Application.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

constexpr char kWindowClass[] = "FwShellChangeNotifierWindow";
// Posted by the disk watcher when reports wait.
constexpr UINT kDiskReportsMessage = WM_APP + 0x51;
// Reports handled per message, so that other messages get their turn in a burst.
constexpr std::size_t kReportsPerMessage = 64;
// How long a report of one source waits for the same report of the other.
constexpr DWORD kPairingMilliseconds = 3000;
constexpr std::size_t kPairingCapacity = 256;

void RegisterWindowClass(WNDPROC Procedure) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kWindowClass, &windowClass)) return;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
}

bool SamePathText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && lstrcmpiA(A.c_str(), B.c_str()) == 0;
}

}  // namespace

const TClassInfo& TCustomVintoShellChangeNotifier::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCustomVintoShellChangeNotifier>(
                                     "TCustomVintoShellChangeNotifier", &TComponent::StaticClass())
                                     .Info();
  return info;
}

TCustomVintoShellChangeNotifier::TCustomVintoShellChangeNotifier(
    TComponent* AOwner, const TShellChangeFunctions& Functions)
    : TComponent(AOwner), FFunctions(Functions) {
  if (AOwner && AOwner->ComponentState().Contains(csDesigning)) SetDesigning(true);
  if (Designing()) return;
  FMessageId = RegisterWindowMessageA("MsgId_VintoShellChangeNotifier");
  RegisterWindowClass(&WindowProc);
  FWindow = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), this);
}

TCustomVintoShellChangeNotifier::~TCustomVintoShellChangeNotifier() {
  SetActive(false);
  ClearWatches();
  if (FWindow) {
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
  }
}

void TCustomVintoShellChangeNotifier::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (!Value) {
    DeregisterNotification();
    return;
  }
  // A description being read may assign handlers and folders after Active:
  // Loaded registers then.
  if (!Designing() && !ComponentState().Contains(csLoading)) RegisterNotification();
}

void TCustomVintoShellChangeNotifier::Loaded() {
  TComponent::Loaded();
  if (FActive && !Designing()) RegisterNotification();
}

void TCustomVintoShellChangeNotifier::AddWatch(LPCITEMIDLIST List, bool WatchSubTree) {
  FWatches.push_back({List, WatchSubTree});
}

void TCustomVintoShellChangeNotifier::ClearWatches() {
  FWatches.clear();
}

std::size_t TCustomVintoShellChangeNotifier::DiskWatchedFolderCount() const {
  return FDiskWatcher ? FDiskWatcher->WatchedFolderCount() : 0;
}

LONG TCustomVintoShellChangeNotifier::EventMask() const {
  LONG mask = 0;
  const auto add = [&](bool Assigned, LONG Bit) {
    if (Assigned) mask |= Bit;
  };
  add(bool(OnRenameItem), SHCNE_RENAMEITEM);
  add(bool(OnCreate), SHCNE_CREATE);
  add(bool(OnDelete), SHCNE_DELETE);
  add(bool(OnMkDir), SHCNE_MKDIR);
  add(bool(OnRmDir), SHCNE_RMDIR);
  add(bool(OnMediaInserted), SHCNE_MEDIAINSERTED);
  add(bool(OnMediaRemoved), SHCNE_MEDIAREMOVED);
  add(bool(OnDriveRemoved), SHCNE_DRIVEREMOVED);
  add(bool(OnDriveAdd), SHCNE_DRIVEADD);
  add(bool(OnNetShare), SHCNE_NETSHARE);
  add(bool(OnNetUnshare), SHCNE_NETUNSHARE);
  add(bool(OnAttributes), SHCNE_ATTRIBUTES);
  add(bool(OnUpdateDir), SHCNE_UPDATEDIR);
  add(bool(OnUpdateItem), SHCNE_UPDATEITEM);
  add(bool(OnServerDisconnect), SHCNE_SERVERDISCONNECT);
  add(bool(OnUpdateImage), SHCNE_UPDATEIMAGE);
  add(bool(OnDriveAddGUI), SHCNE_DRIVEADDGUI);
  add(bool(OnRenameFolder), SHCNE_RENAMEFOLDER);
  add(bool(OnFreeSpace), SHCNE_FREESPACE);
  add(bool(OnAssocChanged), SHCNE_ASSOCCHANGED);
  return mask;
}

void TCustomVintoShellChangeNotifier::RegisterNotification() {
  if (!FFunctions.Register || FRegistration != 0 || !FWindow) return;
  const LONG mask = EventMask();
  if (mask == 0 || FWatches.empty()) return;
  std::vector<TIDListHolder> copies;
  std::vector<SHChangeNotifyEntry> entries;
  copies.reserve(FWatches.size());
  for (const TVintoShellChangeNotifierItem& watch : FWatches) {
    copies.emplace_back(CopyIDList(watch.IDList));
    SHChangeNotifyEntry entry{};
    entry.pidl = copies.back().Get();
    entry.fRecursive = watch.WatchSubTree ? -1 : 0;
    entries.push_back(entry);
  }
  FRegistration = FFunctions.Register(FWindow, SHCNRF_InterruptLevel | SHCNRF_ShellLevel, mask,
                                      FMessageId, static_cast<int>(entries.size()), entries.data());
  // The disk stands in only where the shell is silent about it, and only
  // beside a registration: one the shell refused leaves the notifier without
  // reports.
  if (FRegistration != 0 && TDirectoryWatcher::PlatformMissesDiskChanges()) StartDiskWatcher(mask);
}

void TCustomVintoShellChangeNotifier::StartDiskWatcher(LONG Mask) {
  std::vector<TDirectoryWatch> folders;
  for (const TVintoShellChangeNotifierItem& watch : FWatches) {
    std::string path = IDListToPath(watch.IDList);
    if (!path.empty()) folders.push_back({path, watch.WatchSubTree});
  }
  for (const std::string& path : FDiskOnlyFolders) folders.push_back({path, false, true});
  FDiskWatcher.reset();
  FDiskMask = Mask;
  if (!folders.empty())
    FDiskWatcher = std::make_unique<TDirectoryWatcher>(folders, Mask, FWindow, kDiskReportsMessage);
}

void TCustomVintoShellChangeNotifier::SetDiskOnlyFolders(const std::vector<std::string>& Paths) {
  if (Paths == FDiskOnlyFolders) return;
  FDiskOnlyFolders = Paths;
  if (FDiskWatcher)
    FDiskWatcher->SetFlatFolders(Paths);
  else if (FDiskMask != 0)
    StartDiskWatcher(FDiskMask);
}

void TCustomVintoShellChangeNotifier::DeregisterNotification() {
  FDiskWatcher.reset();
  FDiskMask = 0;
  if (FFunctions.Deregister && FRegistration != 0) {
    FFunctions.Deregister(FRegistration);
    FRegistration = 0;
  }
}

LRESULT CALLBACK TCustomVintoShellChangeNotifier::WindowProc(HWND Window, UINT Message,
                                                             WPARAM WParam, LPARAM LParam) {
  if (Message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(LParam);
    SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* notifier =
      reinterpret_cast<TCustomVintoShellChangeNotifier*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
  if (notifier) {
    try {
      return notifier->HandleMessage(Window, Message, WParam, LParam);
    } catch (...) {
      // A failing handler must not unwind through the system's dispatch;
      // the application shows what went wrong.
      if (Application) Application->HandleException(notifier);
      return 0;
    }
  }
  return DefWindowProcA(Window, Message, WParam, LParam);
}

LRESULT TCustomVintoShellChangeNotifier::HandleMessage(HWND Window, UINT Message, WPARAM WParam,
                                                       LPARAM LParam) {
  if (Message == FMessageId && FMessageId != 0) {
    HandleShellMessage(WParam, LParam);
    return 0;
  }
  if (Message == kDiskReportsMessage) {
    HandleDiskReports();
    return 0;
  }
  return DefWindowProcA(Window, Message, WParam, LParam);
}

void TCustomVintoShellChangeNotifier::HandleShellMessage(WPARAM WParam, LPARAM LParam) {
  const auto* lists = reinterpret_cast<const LPCITEMIDLIST*>(WParam);
  const LPCITEMIDLIST first = lists ? lists[0] : nullptr;
  const LPCITEMIDLIST second = lists ? lists[1] : nullptr;
  TShellChangeReport report;
  const DWORD event = static_cast<DWORD>(LParam);
  report.Event = static_cast<LONG>(event & ~DWORD(SHCNE_INTERRUPT));
  report.TriggeredBySystemInterrupt = (event & SHCNE_INTERRUPT) != 0;
  if (first)
    report.Path1 = report.Event == SHCNE_FREESPACE
                       ? FreeSpaceDriveRoot(reinterpret_cast<const std::uint8_t*>(first))
                       : IDListToPath(first);
  if (second) report.Path2 = IDListToPath(second);
  Process(report, TSource::Shell);
}

void TCustomVintoShellChangeNotifier::HandleDiskReports() {
  if (!FDiskWatcher) return;  // stopped since the message was posted
  std::vector<TShellChangeReport> reports;
  const std::size_t remaining = FDiskWatcher->Take(reports, kReportsPerMessage);
  // Come back for the rest after whatever else is waiting.
  if (remaining > 0) PostMessageA(FWindow, kDiskReportsMessage, 0, 0);
  for (const TShellChangeReport& report : reports) {
    Process(report, TSource::Disk);
    if (!FDiskWatcher) break;  // a handler switched the notifier off
  }
}

void TCustomVintoShellChangeNotifier::Process(const TShellChangeReport& Report, TSource Source) {
  if (DeliveredByOtherSource(Report, Source)) return;
  const bool repeat = Report.Event == FPrevious.Event && Report.Path1 == FPrevious.Path1 &&
                      Report.Path2 == FPrevious.Path2;
  FPrevious = Report;
  if (!repeat) Fire(Report);
}

// Pairs a report with the same report from the other source; a paired report
// was already handled and is dropped. Unpaired reports are remembered for a
// while in case the other source delivers them later.
bool TCustomVintoShellChangeNotifier::DeliveredByOtherSource(const TShellChangeReport& Report,
                                                             TSource Source) {
  auto& own = Source == TSource::Shell ? FRecentFromShell : FRecentFromDisk;
  auto& other = Source == TSource::Shell ? FRecentFromDisk : FRecentFromShell;
  const DWORD now = GetTickCount();
  for (auto* recent : {&own, &other})
    while (!recent->empty() && now - recent->front().Tick > kPairingMilliseconds)
      recent->pop_front();
  const auto match = std::find_if(other.begin(), other.end(), [&](const TRecentReport& Recent) {
    return Recent.Event == Report.Event && SamePathText(Recent.Path1, Report.Path1) &&
           SamePathText(Recent.Path2, Report.Path2);
  });
  if (match != other.end()) {
    other.erase(match);
    return true;
  }
  // Only needed while both sources run.
  if (FRegistration != 0 && FDiskWatcher) {
    own.push_back({Report.Event, Report.Path1, Report.Path2, now});
    if (own.size() > kPairingCapacity) own.pop_front();
  }
  return false;
}

void TCustomVintoShellChangeNotifier::Fire(const TShellChangeReport& Report) {
  const auto fire = [&](const TShellChangeEvent& Event) {
    if (Event) Event(this, Report.Path1, Report.TriggeredBySystemInterrupt);
  };
  const auto fireRename = [&](const TShellChangeRenameEvent& Event) {
    if (Event) Event(this, Report.Path1, Report.Path2, Report.TriggeredBySystemInterrupt);
  };
  switch (Report.Event) {
    case SHCNE_RENAMEITEM:
      return fireRename(OnRenameItem);
    case SHCNE_CREATE:
      return fire(OnCreate);
    case SHCNE_DELETE:
      return fire(OnDelete);
    case SHCNE_MKDIR:
      return fire(OnMkDir);
    case SHCNE_RMDIR:
      return fire(OnRmDir);
    case SHCNE_MEDIAINSERTED:
      return fire(OnMediaInserted);
    case SHCNE_MEDIAREMOVED:
      return fire(OnMediaRemoved);
    case SHCNE_DRIVEREMOVED:
      return fire(OnDriveRemoved);
    case SHCNE_DRIVEADD:
      return fire(OnDriveAdd);
    case SHCNE_NETSHARE:
      return fire(OnNetShare);
    case SHCNE_NETUNSHARE:
      return fire(OnNetUnshare);
    case SHCNE_ATTRIBUTES:
      return fire(OnAttributes);
    case SHCNE_UPDATEDIR:
      return fire(OnUpdateDir);
    case SHCNE_UPDATEITEM:
      return fire(OnUpdateItem);
    case SHCNE_SERVERDISCONNECT:
      return fire(OnServerDisconnect);
    case SHCNE_UPDATEIMAGE:
      return fire(OnUpdateImage);
    case SHCNE_DRIVEADDGUI:
      return fire(OnDriveAddGUI);
    case SHCNE_RENAMEFOLDER:
      return fireRename(OnRenameFolder);
    case SHCNE_FREESPACE:
      return fire(OnFreeSpace);
    case SHCNE_ASSOCCHANGED:
      if (OnAssocChanged) OnAssocChanged(this, Report.TriggeredBySystemInterrupt);
      return;
    default:
      return;  // not exactly one known event
  }
}
