// The change notifier: registration, decoding of the shell's reports, the
// disk watcher that stands in for the shell's reports of changes on disk, and
// the notifier as a form description configures it.
#include <windows.h>
// After windows.h, which it needs.
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <atomic>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

#include "common/MessagePump.h"
#include "common/TempFolder.h"
#include "shell/ShellChangeNotifier.h"
#include "shell/ShellModule.h"
#include "toolkit/Application.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/FormReader.h"

namespace {

// Registration functions that only record what they were asked.
struct TFakeShell {
  int Registrations = 0;
  int Deregistrations = 0;
  HWND Window = nullptr;
  int Sources = 0;
  LONG Events = 0;
  UINT Message = 0;
  std::vector<SHChangeNotifyEntry> Entries;
  std::vector<std::string> EntryPaths;
  ULONG NextHandle = 7;
};
TFakeShell Fake;

ULONG WINAPI FakeRegister(HWND Window, int Sources, LONG Events, UINT Message, int Count,
                          const SHChangeNotifyEntry* Entries) {
  ++Fake.Registrations;
  Fake.Window = Window;
  Fake.Sources = Sources;
  Fake.Events = Events;
  Fake.Message = Message;
  Fake.Entries.assign(Entries, Entries + Count);
  Fake.EntryPaths.clear();
  for (int i = 0; i < Count; ++i) Fake.EntryPaths.push_back(IDListToPath(Entries[i].pidl));
  return Fake.NextHandle;
}

BOOL WINAPI FakeDeregister(ULONG) {
  ++Fake.Deregistrations;
  return TRUE;
}

const TShellChangeFunctions FakeFunctions{FakeRegister, FakeDeregister};
const TShellChangeFunctions NoFunctions{};

// Events as "Name: path [-> path]" in the order they fired.
struct TEventLog {
  std::vector<std::string> Lines;
  std::vector<bool> Interrupts;
  std::vector<TObject*> Senders;

  void Connect(TCustomVintoShellChangeNotifier& Notifier) {
    Notifier.OnMkDir = TShellChangeEvent(this, &TEventLog::MkDir);
    Notifier.OnRmDir = TShellChangeEvent(this, &TEventLog::RmDir);
    Notifier.OnCreate = TShellChangeEvent(this, &TEventLog::Create);
    Notifier.OnDelete = TShellChangeEvent(this, &TEventLog::Delete);
    Notifier.OnRenameFolder = TShellChangeRenameEvent(this, &TEventLog::RenameFolder);
    Notifier.OnRenameItem = TShellChangeRenameEvent(this, &TEventLog::RenameItem);
  }
  void MkDir(TObject* Sender, const std::string& Item, bool Interrupt) {
    Add(Sender, "MkDir: " + Item, Interrupt);
  }
  void RmDir(TObject* Sender, const std::string& Item, bool Interrupt) {
    Add(Sender, "RmDir: " + Item, Interrupt);
  }
  void Create(TObject* Sender, const std::string& Item, bool Interrupt) {
    Add(Sender, "Create: " + Item, Interrupt);
  }
  void Delete(TObject* Sender, const std::string& Item, bool Interrupt) {
    Add(Sender, "Delete: " + Item, Interrupt);
  }
  void UpdateItem(TObject* Sender, const std::string& Item, bool Interrupt) {
    Add(Sender, "UpdateItem: " + Item, Interrupt);
  }
  void FreeSpace(TObject* Sender, const std::string& Item, bool Interrupt) {
    Add(Sender, "FreeSpace: " + Item, Interrupt);
  }
  void RenameFolder(TObject* Sender, const std::string& From, const std::string& To,
                    bool Interrupt) {
    Add(Sender, "RenameFolder: " + From + " -> " + To, Interrupt);
  }
  void RenameItem(TObject* Sender, const std::string& From, const std::string& To, bool Interrupt) {
    Add(Sender, "RenameItem: " + From + " -> " + To, Interrupt);
  }
  void AssocChanged(TObject* Sender, bool Interrupt) { Add(Sender, "AssocChanged", Interrupt); }

 private:
  void Add(TObject* Sender, const std::string& Line, bool Interrupt) {
    Senders.push_back(Sender);
    Lines.push_back(Line);
    Interrupts.push_back(Interrupt);
  }
};

void Pump(DWORD Milliseconds) {
  PumpUntil([] { return false; }, Milliseconds);
}

// Sends a report to the notifier the way the shell posts one.
void SendReport(TCustomVintoShellChangeNotifier& Notifier, LONG Event, LPCITEMIDLIST First,
                LPCITEMIDLIST Second = nullptr) {
  LPCITEMIDLIST lists[2] = {First, Second};
  SendMessageA(Notifier.Handle(), Notifier.MessageId(), reinterpret_cast<WPARAM>(lists),
               static_cast<LPARAM>(static_cast<DWORD>(Event)));
}

class NotifierWithFakeShell : public ::testing::Test {
 protected:
  void SetUp() override { Fake = TFakeShell(); }
};

}  // namespace

TEST_F(NotifierWithFakeShell, WithoutHandlersNothingRegisters) {
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  notifier.AddWatch(TShellModule::Instance().DesktopIDList(), true);
  notifier.SetActive(true);
  EXPECT_TRUE(notifier.Active());
  EXPECT_EQ(Fake.Registrations, 0);
  EXPECT_EQ(notifier.RegistrationHandle(), 0u);
  EXPECT_EQ(notifier.DiskWatchedFolderCount(), 0u);
}

TEST_F(NotifierWithFakeShell, RegistersTheWatchListForTheAssignedEvents) {
  TTempFolder temp;
  TIDListHolder folder(PathToIDList(temp.Path()));
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TEventLog log;
  notifier.OnMkDir = TShellChangeEvent(&log, &TEventLog::MkDir);
  notifier.OnRenameFolder = TShellChangeRenameEvent(&log, &TEventLog::RenameFolder);
  notifier.OnAssocChanged = TShellChangeInterruptEvent(&log, &TEventLog::AssocChanged);
  notifier.AddWatch(folder.Get(), true);
  notifier.AddWatch(TShellModule::Instance().DesktopIDList(), false);
  // Without watches nothing registers either.
  notifier.ClearWatches();
  notifier.SetActive(true);
  EXPECT_EQ(Fake.Registrations, 0);
  notifier.SetActive(false);
  notifier.AddWatch(folder.Get(), true);
  notifier.AddWatch(TShellModule::Instance().DesktopIDList(), false);

  notifier.SetActive(true);
  notifier.SetActive(true);  // no change: nothing happens
  ASSERT_EQ(Fake.Registrations, 1);
  EXPECT_EQ(Fake.Window, notifier.Handle());
  EXPECT_EQ(Fake.Sources, SHCNRF_InterruptLevel | SHCNRF_ShellLevel);
  EXPECT_EQ(Fake.Events, LONG(SHCNE_MKDIR | SHCNE_RENAMEFOLDER | SHCNE_ASSOCCHANGED));
  EXPECT_EQ(Fake.Message, RegisterWindowMessageA("MsgId_VintoShellChangeNotifier"));
  ASSERT_EQ(Fake.Entries.size(), 2u);
  EXPECT_EQ(Fake.Entries[0].fRecursive, -1);
  EXPECT_EQ(Fake.Entries[1].fRecursive, 0);
  EXPECT_EQ(lstrcmpiA(Fake.EntryPaths[0].c_str(), temp.Path().c_str()), 0);
  EXPECT_NE(Fake.Entries[0].pidl, folder.Get());  // a copy
  EXPECT_EQ(notifier.RegistrationHandle(), 7u);
  // Both entries have paths (the desktop's is its folder on disk), so both are
  // watched on disk as well.
  EXPECT_EQ(notifier.DiskWatchedFolderCount(), 2u);

  notifier.SetActive(false);
  notifier.SetActive(false);
  EXPECT_EQ(Fake.Deregistrations, 1);
  EXPECT_EQ(notifier.RegistrationHandle(), 0u);
  EXPECT_EQ(notifier.DiskWatchedFolderCount(), 0u);
  EXPECT_EQ(notifier.Watches().size(), 2u);  // the watch list stays
}

TEST_F(NotifierWithFakeShell, RefusedRegistrationIsRetriedOnlyAfterSwitchingOff) {
  Fake.NextHandle = 0;
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TEventLog log;
  log.Connect(notifier);
  notifier.AddWatch(TShellModule::Instance().DesktopIDList(), true);
  notifier.SetActive(true);
  notifier.SetActive(true);
  EXPECT_EQ(Fake.Registrations, 1);
  // Nothing stands in for the shell's reports either.
  EXPECT_EQ(notifier.DiskWatchedFolderCount(), 0u);
  notifier.SetActive(false);
  EXPECT_EQ(Fake.Deregistrations, 0);  // nothing held
  notifier.SetActive(true);
  EXPECT_EQ(Fake.Registrations, 2);
}

TEST_F(NotifierWithFakeShell, MissingShellFunctionsDoNothing) {
  TTempFolder temp;
  TIDListHolder folder(PathToIDList(temp.Path()));
  TVintoShellChangeNotifier notifier(nullptr, NoFunctions);
  TEventLog log;
  log.Connect(notifier);
  notifier.AddWatch(folder.Get(), false);
  notifier.SetActive(true);
  EXPECT_EQ(notifier.RegistrationHandle(), 0u);
  temp.MakeFolder("unseen");
  Pump(300);
  EXPECT_TRUE(log.Lines.empty());
  notifier.SetActive(false);
}

TEST_F(NotifierWithFakeShell, FoldersCollectionFillsTheWatchList) {
  TTempFolder temp;
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TEventLog log;
  log.Connect(notifier);
  notifier.Folders().Add(temp.Path(), true);
  notifier.Folders().Add("", true);                        // skipped
  notifier.Folders().Add(temp / "does not exist", false);  // skipped
  notifier.Folders().Add("sfDrives", false);
  notifier.SetActive(true);
  ASSERT_EQ(Fake.Entries.size(), 2u);
  EXPECT_EQ(lstrcmpiA(Fake.EntryPaths[0].c_str(), temp.Path().c_str()), 0);
  EXPECT_EQ(Fake.Entries[0].fRecursive, -1);
  EXPECT_EQ(Fake.EntryPaths[1], "");  // the drives folder has no path
  EXPECT_EQ(notifier.Watches().size(), 2u);
}

TEST_F(NotifierWithFakeShell, DecodesReportsAndDropsRepeats) {
  TTempFolder temp;
  TIDListHolder a(PathToIDList(temp.MakeFolder("a")));
  TIDListHolder b(PathToIDList(temp.MakeFolder("b")));
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TEventLog log;
  log.Connect(notifier);
  notifier.OnAssocChanged = TShellChangeInterruptEvent(&log, &TEventLog::AssocChanged);

  SendReport(notifier, SHCNE_MKDIR, a.Get());
  SendReport(notifier, SHCNE_MKDIR, a.Get());  // the same again: no event
  SendReport(notifier, SHCNE_MKDIR, b.Get());
  SendReport(notifier, SHCNE_MKDIR, a.Get());  // after another: fires again
  SendReport(notifier, SHCNE_RENAMEFOLDER, a.Get(), b.Get());
  SendReport(notifier, SHCNE_RMDIR | SHCNE_INTERRUPT, b.Get());
  SendReport(notifier, SHCNE_CREATE, nullptr);
  SendReport(notifier, SHCNE_MKDIR | SHCNE_RMDIR, a.Get());  // not one event: nothing
  SendReport(notifier, SHCNE_ASSOCCHANGED | SHCNE_INTERRUPT, nullptr);

  const std::string pa = IDListToPath(a.Get()), pb = IDListToPath(b.Get());
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"MkDir: " + pa, "MkDir: " + pb, "MkDir: " + pa,
                                                 "RenameFolder: " + pa + " -> " + pb,
                                                 "RmDir: " + pb, "Create: ", "AssocChanged"}));
  EXPECT_EQ(log.Interrupts, (std::vector<bool>{false, false, false, false, true, false, true}));
  for (TObject* sender : log.Senders) EXPECT_EQ(sender, &notifier);
  // Other messages go to the default handling.
  EXPECT_EQ(SendMessageA(notifier.Handle(), WM_USER + 5, 0, 0), 0);
}

namespace {

struct TThrowingHandler {
  void MkDir(TObject*, const std::string& Item, bool) {
    throw std::runtime_error("cannot follow " + Item);
  }
};

struct TExceptionSink {
  std::vector<std::string> Messages;
  std::vector<TObject*> Senders;
  void Record(TObject* Sender, const std::string& Message) {
    Senders.push_back(Sender);
    Messages.push_back(Message);
  }
};

}  // namespace

// A handler that fails is reported the way the application reports any
// failure, and the notifier goes on.
TEST_F(NotifierWithFakeShell, AFailingHandlerGoesToTheApplication) {
  TTempFolder temp;
  TIDListHolder a(PathToIDList(temp.MakeFolder("a")));
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TThrowingHandler handler;
  notifier.OnMkDir = TShellChangeEvent(&handler, &TThrowingHandler::MkDir);
  TExceptionSink sink;
  Application->OnException = TExceptionEvent(&sink, &TExceptionSink::Record);
  SendReport(notifier, SHCNE_MKDIR, a.Get());
  Application->OnException = TExceptionEvent();
  ASSERT_EQ(sink.Messages.size(), 1u);
  EXPECT_EQ(sink.Messages[0], "cannot follow " + IDListToPath(a.Get()));
  EXPECT_EQ(sink.Senders[0], &notifier);
}

TEST_F(NotifierWithFakeShell, FreeSpaceNamesTheDriveRoot) {
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TEventLog log;
  notifier.OnFreeSpace = TShellChangeEvent(&log, &TEventLog::FreeSpace);
  // One double-word item: count 6, then the drive mask; then the terminator.
  const auto drives = [](std::int32_t Mask) {
    std::vector<BYTE> item = {6, 0, 0, 0, 0, 0, 0, 0};
    std::memcpy(&item[2], &Mask, 4);
    return item;
  };
  std::vector<BYTE> d = drives(1 << 3), cd = drives((1 << 2) | (1 << 3)), none = drives(0);
  SendReport(notifier, SHCNE_FREESPACE, reinterpret_cast<LPCITEMIDLIST>(d.data()));
  SendReport(notifier, SHCNE_FREESPACE, reinterpret_cast<LPCITEMIDLIST>(none.data()));
  SendReport(notifier, SHCNE_FREESPACE, reinterpret_cast<LPCITEMIDLIST>(cd.data()));
  EXPECT_EQ(log.Lines,
            (std::vector<std::string>{"FreeSpace: D:\\", "FreeSpace: ", "FreeSpace: D:\\"}));
}

namespace {

// A real notifier on a temporary folder, reports coming from the disk.
class NotifierOnDisk : public ::testing::Test {
 protected:
  void Watch(const std::string& Path, bool SubTree) {
    List.Reset(PathToIDList(Path));
    ASSERT_TRUE(List);
    Log.Connect(Notifier);
    Notifier.AddWatch(List.Get(), SubTree);
    Notifier.SetActive(true);
    ASSERT_GT(Notifier.DiskWatchedFolderCount(), 0u);
  }
  // Waits for Expected, then a little longer to catch anything extra.
  void ExpectEvents(const std::vector<std::string>& Expected) {
    PumpUntil([&] { return Log.Lines.size() >= Expected.size(); });
    Pump(300);
    EXPECT_EQ(Log.Lines, Expected);
    Log.Lines.clear();
  }

  TTempFolder Temp;
  TIDListHolder List;
  TVintoShellChangeNotifier Notifier{nullptr};
  TEventLog Log;
};

}  // namespace

TEST_F(NotifierOnDisk, FoldersAndFilesCreatedRenamedAndRemoved) {
  Watch(Temp.Path(), false);
  const std::string folder = Temp / "Reports", renamed = Temp / "Archive";
  const std::string file = Temp / "notes.txt", renamedFile = Temp / "old notes.txt";

  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ExpectEvents({"MkDir: " + folder});
  ASSERT_TRUE(MoveFileA(folder.c_str(), renamed.c_str()));
  ExpectEvents({"RenameFolder: " + folder + " -> " + renamed});
  ASSERT_TRUE(RemoveDirectoryA(renamed.c_str()));
  ExpectEvents({"RmDir: " + renamed});

  Temp.MakeFile("notes.txt");
  ExpectEvents({"Create: " + file});
  ASSERT_TRUE(MoveFileA(file.c_str(), renamedFile.c_str()));
  ExpectEvents({"RenameItem: " + file + " -> " + renamedFile});
  ASSERT_TRUE(DeleteFileA(renamedFile.c_str()));
  ExpectEvents({"Delete: " + renamedFile});
  for (bool interrupt : Log.Interrupts) EXPECT_FALSE(interrupt);
}

TEST_F(NotifierOnDisk, WritingAFileUpdatesIt) {
  const std::string file = Temp.MakeFile("data.bin", "one");
  TEventLog updates;
  Notifier.OnUpdateItem = TShellChangeEvent(&updates, &TEventLog::UpdateItem);
  Watch(Temp.Path(), false);
  Temp.MakeFile("data.bin", "two, longer");
  PumpUntil([&] { return !updates.Lines.empty(); });
  Pump(300);
  ASSERT_FALSE(updates.Lines.empty());
  for (const std::string& line : updates.Lines) EXPECT_EQ(line, "UpdateItem: " + file);
  // Folder contents changing is no update of the folder itself.
  Temp.MakeFolder("sub");
  Temp.MakeFile("sub\\inner.txt");
  Pump(300);
  for (const std::string& line : updates.Lines) EXPECT_EQ(line, "UpdateItem: " + file);
}

TEST_F(NotifierOnDisk, SubTreeFromTheStart) {
  Watch(Temp.Path(), true);
  const std::string deep = Temp.MakeFolder("level1");
  ExpectEvents({"MkDir: " + deep});
  const std::string folder = Temp / "level1\\level2";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ExpectEvents({"MkDir: " + folder});
}

TEST_F(NotifierOnDisk, DeeperChangesOnlyWithSubTreeWatching) {
  const std::string deep = Temp.MakeFolder("level1");
  Watch(Temp.Path(), false);
  Temp.MakeFolder("level1\\hidden from view");
  Temp.MakeFile("level1\\unseen.txt");
  Temp.MakeFolder("seen");
  ExpectEvents({"MkDir: " + (Temp / "seen")});

  Notifier.SetActive(false);
  Notifier.ClearWatches();
  Notifier.AddWatch(List.Get(), true);
  Notifier.SetActive(true);
  const std::string folder = Temp / "level1\\level2";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ExpectEvents({"MkDir: " + folder});
  Temp.MakeFile("level1\\level2\\deep.txt");
  ExpectEvents({"Create: " + (Temp / "level1\\level2\\deep.txt")});
  ASSERT_TRUE(MoveFileA(folder.c_str(), (deep + "\\moved").c_str()));
  ExpectEvents({"RenameFolder: " + folder + " -> " + deep + "\\moved"});
}

// Where the shell reports too, the disk watcher's report of the same change
// is dropped, whichever comes first.
TEST_F(NotifierWithFakeShell, ShellAndDiskReportsOfOneChangeFireOnce) {
  TTempFolder temp;
  TIDListHolder root(PathToIDList(temp.Path()));
  const std::string early = temp.MakeFolder("early");
  TIDListHolder earlyList(PathToIDList(early));
  TVintoShellChangeNotifier notifier(nullptr, FakeFunctions);
  TEventLog log;
  log.Connect(notifier);
  notifier.AddWatch(root.Get(), false);
  notifier.SetActive(true);
  ASSERT_NE(notifier.RegistrationHandle(), 0u);

  // Shell first, disk later.
  SendReport(notifier, SHCNE_RMDIR, earlyList.Get());
  ASSERT_TRUE(RemoveDirectoryA(early.c_str()));
  Pump(500);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"RmDir: " + early}));

  // Disk first, shell later; something else in between.
  const std::string late = temp.MakeFolder("late");
  PumpUntil([&] { return log.Lines.size() == 2; });
  temp.MakeFolder("other");
  PumpUntil([&] { return log.Lines.size() == 3; });
  TIDListHolder lateList(PathToIDList(late));
  SendReport(notifier, SHCNE_MKDIR, lateList.Get());
  Pump(200);
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"RmDir: " + early, "MkDir: " + late,
                                                 "MkDir: " + (temp / "other")}));
}

namespace {

DWORD ThreadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{sizeof entry};
  DWORD count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  CloseHandle(snapshot);
  return count;
}

}  // namespace

TEST_F(NotifierOnDisk, SwitchingOnAndOffLeaksNothing) {
  Temp.MakeFolder("a");
  Watch(Temp.Path(), true);
  Notifier.OnUpdateItem = TShellChangeEvent(&Log, &TEventLog::UpdateItem);
  Notifier.SetActive(false);
  Notifier.SetActive(true);  // warm up whatever the system creates once
  Notifier.SetActive(false);
  DWORD handlesBefore = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);
  const DWORD threadsBefore = ThreadCount();
  for (int i = 0; i < 100; ++i) {
    Notifier.SetActive(true);
    // The folder, and its subfolder where folders are polled.
    ASSERT_GE(Notifier.DiskWatchedFolderCount(), 1u);
    if (i % 10 == 0) Temp.MakeFile("a\\touch.txt", std::to_string(i));
    Notifier.SetActive(false);
  }
  Pump(200);
  DWORD handlesAfter = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
  EXPECT_EQ(handlesAfter, handlesBefore);
  EXPECT_EQ(ThreadCount(), threadsBefore);
}

// Ten thousand folders at once: the GUI thread keeps answering, every folder
// is reported or the burst is summed up as an update of the watched folder,
// and the waiting reports never exceed the watcher's capacity.
namespace {

// Counts the folders made and the updates of the watched folder.
struct TBurstCounter {
  std::string Root;
  int Made = 0, UpdatedRoot = 0, OtherUpdates = 0;
  void MkDir(TObject*, const std::string&, bool) { ++Made; }
  void UpdateDir(TObject*, const std::string& Item, bool) {
    ++(lstrcmpiA(Item.c_str(), Root.c_str()) == 0 ? UpdatedRoot : OtherUpdates);
  }
};

}  // namespace

TEST_F(NotifierOnDisk, BurstOfTenThousandFoldersStaysBounded) {
  TBurstCounter counter{Temp.Path()};
  int& made = counter.Made;
  int& updatedRoot = counter.UpdatedRoot;
  Notifier.OnMkDir = TShellChangeEvent(&counter, &TBurstCounter::MkDir);
  Notifier.OnUpdateDir = TShellChangeEvent(&counter, &TBurstCounter::UpdateDir);
  List.Reset(PathToIDList(Temp.Path()));
  Notifier.AddWatch(List.Get(), false);
  Notifier.SetActive(true);

  constexpr int kFolders = 10000;
  std::atomic<bool> allMade{false};
  std::thread maker([&] {
    for (int i = 0; i < kFolders; ++i)
      CreateDirectoryA((Temp / ("burst" + std::to_string(i))).c_str(), nullptr);
    allMade = true;
  });
  // Measures how long the GUI thread goes without turning to its queue.
  DWORD longestGap = 0, last = GetTickCount();
  PumpUntil(
      [&] {
        const DWORD now = GetTickCount();
        longestGap = std::max(longestGap, now - last);
        last = now;
        return allMade && (made == kFolders || updatedRoot > 0);
      },
      180000);
  maker.join();
  Pump(500);
  EXPECT_TRUE(made == kFolders || updatedRoot > 0) << made << " folders, " << updatedRoot;
  EXPECT_LE(made, kFolders);
  EXPECT_EQ(counter.OtherUpdates, 0);
  EXPECT_LT(longestGap, 1000u);
}

namespace {

// A form holding a notifier; its published methods receive the reports.
class TNotifierForm : public TComponent {
  FW_CLASS(TNotifierForm)
 public:
  using TComponent::TComponent;
  TVintoShellChangeNotifier* Notifier1 = nullptr;
  TEventLog Log;
  void FolderMade(TObject* Sender, const std::string& Item, bool Interrupt) {
    Log.MkDir(Sender, Item, Interrupt);
  }
  void FolderRemoved(TObject* Sender, const std::string& Item, bool Interrupt) {
    Log.RmDir(Sender, Item, Interrupt);
  }
};

const TClassInfo& TNotifierForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TNotifierForm>("TNotifierForm", &TComponent::StaticClass())
          .Field("Notifier1", &TNotifierForm::Notifier1)
          .Method("FolderMade", &TNotifierForm::FolderMade)
          .Method("FolderRemoved", &TNotifierForm::FolderRemoved)
          .Info();
  return info;
}

// The published notifier, asking the fake shell.
class TFakeShellNotifier : public TVintoShellChangeNotifier {
  FW_CLASS(TFakeShellNotifier)
 public:
  explicit TFakeShellNotifier(TComponent* AOwner)
      : TVintoShellChangeNotifier(AOwner, FakeFunctions) {}
};

const TClassInfo& TFakeShellNotifier::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFakeShellNotifier>("TFakeShellNotifier",
                                        &TVintoShellChangeNotifier::StaticClass())
          .Creatable()
          .Info();
  return info;
}
FW_REGISTER_CLASS(TFakeShellNotifier);

// A string value of a form description.
std::string Quoted(const std::string& Text) {
  std::string out = "'";
  for (char c : Text) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

std::string FolderEntry(const std::string& Folder, bool WatchSubTree) {
  return "      item\n"
         "        Folder = " +
         Quoted(Folder) + "\n" + (WatchSubTree ? "        WatchSubTree = True\n" : "") +
         "      end\n";
}

bool SamePath(const std::string& A, const std::string& B) {
  return lstrcmpiA(A.c_str(), B.c_str()) == 0;
}

}  // namespace

TEST_F(NotifierWithFakeShell, FormDescriptionRegistersOnceLoadedWithItsFolders) {
  TTempFolder temp;
  const std::string one = temp.MakeFolder("one"), two = temp.MakeFolder("two");
  {
    TNotifierForm form(nullptr);
    // Active comes before one of the events: registering waits for Loaded,
    // or the mask would lack it.
    ReadFormDescription(form,
                        "object NotifierForm: TNotifierForm\n"
                        "  object Notifier1: TFakeShellNotifier\n"
                        "    OnMkDir = FolderMade\n"
                        "    Folders = <\n" +
                            FolderEntry(one, true) + "      item\n      end\n" +
                            FolderEntry(temp / "missing", true) + FolderEntry(two, false) +
                            "    >\n"
                            "    Active = True\n"
                            "    OnRmDir = FolderRemoved\n"
                            "  end\n"
                            "end\n");
    ASSERT_NE(form.Notifier1, nullptr);
    EXPECT_EQ(form.Notifier1->Owner(), &form);
    EXPECT_EQ(form.Notifier1->Folders().Count(), 4);
    EXPECT_TRUE(form.Notifier1->Active());
    EXPECT_EQ(Fake.Registrations, 1);
    EXPECT_EQ(Fake.Events, LONG(SHCNE_MKDIR | SHCNE_RMDIR));
    // The item without text and the one naming nothing are skipped.
    ASSERT_EQ(Fake.EntryPaths.size(), 2u);
    EXPECT_TRUE(SamePath(Fake.EntryPaths[0], one));
    EXPECT_EQ(Fake.Entries[0].fRecursive, -1);
    EXPECT_TRUE(SamePath(Fake.EntryPaths[1], two));
    EXPECT_EQ(Fake.Entries[1].fRecursive, 0);

    TIDListHolder list(PathToIDList(one));
    SendReport(*form.Notifier1, SHCNE_RMDIR, list.Get());
    EXPECT_EQ(form.Log.Lines, std::vector<std::string>{"RmDir: " + IDListToPath(list.Get())});
    EXPECT_EQ(form.Log.Senders, std::vector<TObject*>{form.Notifier1});
  }
  // The form frees its notifier, which lets go of the registration.
  EXPECT_EQ(Fake.Deregistrations, 1);
}

TEST_F(NotifierWithFakeShell, FaultyFoldersLeaveNoNotifierAndNothingRegistered) {
  struct TCase {
    std::string Items;
    int Line;
    const char* Fault;
  };
  const TCase cases[] = {
      {"      item\n        Foldr = 'C:\\'\n      end\n", 7,
       "property Foldr does not exist in TVintoShellChangeNotifierFolder"},
      {"      item\n        WatchSubTree = 1\n      end\n", 7,
       "property WatchSubTree expects True or False but the value is an integer"},
      // The list left open runs into the notifier's end.
      {"      item\n        Folder = 'C:\\'\n      end\n  end\n", 9,
       "\"item\" or \">\" expected but \"end\" found"},
  };
  for (const TCase& c : cases) {
    TNotifierForm form(nullptr);
    const std::string text =
        "object NotifierForm: TNotifierForm\n"
        "  object Notifier1: TFakeShellNotifier\n"
        "    OnMkDir = FolderMade\n"
        "    Active = True\n"
        "    Folders = <\n" +
        c.Items + "    >\n  end\nend\n";
    try {
      ReadFormDescription(form, text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const EFormError& e) {
      EXPECT_EQ(e.Line(), c.Line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.Fault), std::string::npos) << e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.Notifier1, nullptr);
  }
  EXPECT_EQ(Fake.Registrations, 0);
}

TEST_F(NotifierWithFakeShell, OwnerAtDesignTimeMeansNoWindowAndNoRegistration) {
  TComponent designer(nullptr);
  designer.SetDesigning(true);
  auto* notifier = new TVintoShellChangeNotifier(&designer, FakeFunctions);
  EXPECT_TRUE(notifier->ComponentState().Contains(csDesigning));
  EXPECT_EQ(notifier->Handle(), nullptr);
  TEventLog log;
  log.Connect(*notifier);
  notifier->AddWatch(TShellModule::Instance().DesktopIDList(), true);
  notifier->SetActive(true);
  notifier->Loaded();
  EXPECT_EQ(Fake.Registrations, 0);
  EXPECT_EQ(designer.ComponentCount(), 1);
}

// The notifier as the program's form reader makes it, on the system's shell,
// with the disk reporting what the shell does not.
TEST(NotifierFromForm, WatchesItsTwoFoldersAndReportsAFolderMadeBelowThem) {
  TTempFolder temp;
  const std::string one = temp.MakeFolder("one"), two = temp.MakeFolder("two");
  temp.MakeFolder("one\\inner");
  TNotifierForm form(nullptr);
  ReadFormDescription(form,
                      "object NotifierForm: TNotifierForm\n"
                      "  object Notifier1: TVintoShellChangeNotifier\n"
                      "    Active = True\n"
                      "    Folders = <\n" +
                          FolderEntry(one, true) + FolderEntry(two, false) +
                          "    >\n"
                          "    OnMkDir = FolderMade\n"
                          "  end\n"
                          "end\n");
  TVintoShellChangeNotifier* notifier = form.Notifier1;
  ASSERT_NE(notifier, nullptr);
  ASSERT_EQ(notifier->Watches().size(), 2u);
  EXPECT_TRUE(SamePath(IDListToPath(notifier->Watches()[0].IDList), one));
  EXPECT_TRUE(notifier->Watches()[0].WatchSubTree);
  EXPECT_TRUE(SamePath(IDListToPath(notifier->Watches()[1].IDList), two));
  EXPECT_FALSE(notifier->Watches()[1].WatchSubTree);
  EXPECT_NE(notifier->RegistrationHandle(), 0u);
  EXPECT_GT(notifier->DiskWatchedFolderCount(), 0u);

  const std::string deep = temp.MakeFolder("one\\inner\\made");
  ASSERT_TRUE(PumpUntil([&] { return form.Log.Lines.size() >= 1; }));
  const std::string shallow = temp.MakeFolder("two\\made");
  ASSERT_TRUE(PumpUntil([&] { return form.Log.Lines.size() >= 2; }));
  Pump(300);
  EXPECT_EQ(form.Log.Lines, (std::vector<std::string>{"MkDir: " + deep, "MkDir: " + shallow}));
  EXPECT_EQ(form.Log.Senders, (std::vector<TObject*>{notifier, notifier}));
}
