// The shell list view against real folders: columns and detail texts of
// files of known sizes and dates, masks, the drives folder, linking with a
// tree, entering folders, renaming, following the disk, the shell menu and
// drops onto its items.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "common/MessagePump.h"
#include "common/TempFolder.h"
#include "shell/IDListHolder.h"
#include "shell/ShellListDetails.h"
#include "shell/ShellListView.h"
#include "shell/ShellTreeView.h"
#include "shell/portable/MaskException.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

using Microsoft::WRL::ComPtr;

namespace {

bool Exists(const std::string& Path) {
  return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFileOfSize(const TTempFolder& Temp, const std::string& Name, std::size_t Size) {
  Temp.MakeFile(Name, std::string(Size, 'x'));
}

void SetWriteTime(const std::string& Path, WORD Year, WORD Month, WORD Day, WORD Hour, WORD Minute,
                  WORD Second) {
  SYSTEMTIME when{};
  when.wYear = Year;
  when.wMonth = Month;
  when.wDay = Day;
  when.wHour = Hour;
  when.wMinute = Minute;
  when.wSecond = Second;
  FILETIME local, utc;
  SystemTimeToFileTime(&when, &local);
  LocalFileTimeToFileTime(&local, &utc);
  HANDLE file = CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  SetFileTime(file, nullptr, nullptr, &utc);
  CloseHandle(file);
}

std::string ThousandSeparator() {
  char sep[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, sep, sizeof sep);
  return sep;
}

std::string DecimalSeparator() {
  char sep[8] = {};
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, sizeof sep);
  return sep;
}

struct TListLog {
  std::vector<std::string> Failed;
  std::vector<std::string> Changing;
  int Before = 0, After = 0;
  bool AcceptFolder = true;
  std::vector<std::string> Popups;
  void CommandFailed(TObject*, const std::string& Command) { Failed.push_back(Command); }
  void FolderChanging(TObject*, const std::string& Folder, bool& Accept) {
    Changing.push_back(Folder);
    Accept = AcceptFolder;
  }
  void BeforePopulate(TObject*) { ++Before; }
  void AfterPopulate(TObject*) { ++After; }
  void Popup(TObject*, TVintoShellItems* Items, bool& Accept) {
    Popups.push_back(Items->Count() ? IDListToPath(Items->Items(0)->AbsoluteIDList()) : "");
    Accept = false;
  }
};

class ShellListViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(40, 40, 760, 420);
    Form->Show();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  void SetUp() override {
    List = new TVintoShellListView(Form);
    List->SetParent(Form);
    List->SetBounds(8, 8, 560, 380);
    List->SetViewStyle(vsReport);
    List->SetAutoRefreshContents(false);
    using L = TListLog;
    List->OnCommandFailed = TVintoShellCommandFailedEvent(&Log, &L::CommandFailed);
    List->OnFolderChanging = TVintoShellFolderChangingEvent(&Log, &L::FolderChanging);
    List->OnBeforePopulate = TNotifyEvent(&Log, &L::BeforePopulate);
    List->OnAfterPopulate = TNotifyEvent(&Log, &L::AfterPopulate);
  }
  void TearDown() override { delete List; }

  TListItem* ItemNamed(const std::string& Caption) {
    for (int i = 0; i < List->Items().Count(); ++i)
      if (List->Items().Item(i)->GetCaption() == Caption) return List->Items().Item(i);
    return nullptr;
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 0; i < List->Items().Count(); ++i)
      captions.push_back(List->Items().Item(i)->GetCaption());
    return captions;
  }
  // A column's caption and alignment as the window shows them.
  std::pair<std::string, int> ShownColumn(int Index) {
    char text[64] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    if (!SendMessageA(List->WindowHandle(), LVM_GETCOLUMNA, Index,
                      reinterpret_cast<LPARAM>(&column)))
      return {"", -1};
    return {text, column.fmt & LVCFMT_JUSTIFYMASK};
  }
  std::string ShownText(TListItem* Item, int Column) {
    char text[256] = {};
    ListView_GetItemText(List->WindowHandle(), Item->Index(), Column, text, sizeof text);
    return text;
  }

  TTempFolder Temp;
  static inline TForm* Form = nullptr;
  TVintoShellListView* List = nullptr;
  TListLog Log;
};

TEST_F(ShellListViewTest, AFileSystemFolderShowsNameSizeTypeAndModifiedAsTheSystemWritesThem) {
  MakeFileOfSize(Temp, "one.txt", 1);
  MakeFileOfSize(Temp, "kilo.txt", 1025);
  MakeFileOfSize(Temp, "empty.txt", 0);
  MakeFileOfSize(Temp, "big.bin", 2500000);
  Temp.MakeFolder("Sub");
  SetWriteTime(Temp / "one.txt", 2020, 5, 17, 13, 45, 31);
  List->SetRootFolder(Temp.Path());
  EXPECT_EQ(Log.Before, 1);
  EXPECT_EQ(Log.After, 1);

  const std::vector<std::pair<std::string, int>> columns{{"Name", LVCFMT_LEFT},
                                                         {"Size", LVCFMT_RIGHT},
                                                         {"Type", LVCFMT_LEFT},
                                                         {"Modified", LVCFMT_LEFT}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ShownColumn(i), columns[i]) << i;
  EXPECT_EQ(ShownColumn(4).second, -1);
  // Widths are counted in widths of "X".
  const int x = List->StringWidth("X");
  EXPECT_EQ(ListView_GetColumnWidth(List->WindowHandle(), 0), 32 * x);
  EXPECT_EQ(ListView_GetColumnWidth(List->WindowHandle(), 1), 16 * x);

  ASSERT_EQ(List->Items().Count(), 5);
  EXPECT_EQ(ShownText(ItemNamed("one.txt"), 1), "1 KB");
  EXPECT_EQ(ShownText(ItemNamed("kilo.txt"), 1), "1 KB");
  EXPECT_EQ(ShownText(ItemNamed("empty.txt"), 1), "");
  EXPECT_EQ(ShownText(ItemNamed("big.bin"), 1), "2" + ThousandSeparator() + "441 KB");
  EXPECT_EQ(ShownText(ItemNamed("Sub"), 1), "");
  EXPECT_FALSE(ShownText(ItemNamed("one.txt"), 2).empty());
  // Two-second resolution: 13:45:31 shows as 13:45:30 (or 1:45:30 PM).
  const std::string modified = ShownText(ItemNamed("one.txt"), 3);
  EXPECT_NE(modified.find("2020"), std::string::npos) << modified;
  EXPECT_NE(modified.find(":45:30"), std::string::npos) << modified;
  // Each item holds its object's absolute list; icons come when drawn.
  EXPECT_EQ(IDListToPath(TCustomVintoShellListView::ItemIDList(ItemNamed("Sub"))), Temp / "Sub");
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = ItemNamed("Sub")->Index();
  SendMessageA(List->WindowHandle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  TIDListHolder sub(PathToIDList(Temp / "Sub"));
  EXPECT_EQ(item.iImage, GetIconIndex(sub.Get(), false, false));
}

TEST_F(ShellListViewTest, SizesOfDrivesAndFilesFollowTheirUnits) {
  EXPECT_EQ(FileSizeText(1024 * 1024), "1" + ThousandSeparator() + "024 KB");
  EXPECT_EQ(DriveSizeText(500ull << 30, ""), "500" + DecimalSeparator() + "00 GB");
  EXPECT_EQ(DriveSizeText(1ull << 30, ""),
            "1" + ThousandSeparator() + "024" + DecimalSeparator() + "00MB");
  EXPECT_EQ(DriveSizeText(1536ull << 20, " "), "1" + DecimalSeparator() + "50 GB");
  EXPECT_EQ(DriveSizeText(5ull << 20, " "), "5" + DecimalSeparator() + "00 MB");
  FILETIME beforeDos{};  // 1601: outside the range of DOS dates
  EXPECT_EQ(ModifiedText(beforeDos), "");

  List->SetRootFolder("sfDrives");
  const std::vector<std::string> captions{"Name", "Type", "Total Size", "Free Space"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ShownColumn(i).first, captions[i]);
  EXPECT_EQ(ShownColumn(2).second, LVCFMT_RIGHT);
  TListItem* system = nullptr;
  for (int i = 0; i < List->Items().Count(); ++i)
    if (IDListToPath(TCustomVintoShellListView::ItemIDList(List->Items().Item(i))) == "C:\\")
      system = List->Items().Item(i);
  ASSERT_NE(system, nullptr);
  EXPECT_EQ(ShownText(system, 1), "Local Disk");
  const std::string total = ShownText(system, 2);
  EXPECT_TRUE(total.size() > 2 && (total.ends_with(" GB") || total.ends_with("MB"))) << total;
}

TEST_F(ShellListViewTest, MasksListEveryFolderAndMatchingFilesInAnyCase) {
  Temp.MakeFile("notes.TXT");
  Temp.MakeFile("run.log");
  Temp.MakeFile("image.bmp");
  Temp.MakeFolder("Folder.bmp");
  List->SetRootFolder(Temp.Path());
  List->SetFileMask("*.txt;*.LOG");
  std::vector<std::string> names = Captions();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Folder.bmp", "notes.TXT", "run.log"}));

  // Empty entries are left out; a text that is no mask changes nothing.
  List->SetFileMask(";;*.bmp;;");
  EXPECT_EQ(List->Items().Count(), 2);
  EXPECT_THROW(List->SetFileMask("["), EMaskException);
  EXPECT_EQ(List->GetFileMask(), ";;*.bmp;;");
  EXPECT_EQ(List->Items().Count(), 2);
  List->SetFileMask(";;");
  EXPECT_EQ(List->Items().Count(), 4);
}

TEST_F(ShellListViewTest, ALinkedTreeAndTheListFollowEachOther) {
  Temp.MakeFolder("Alpha");
  Temp.MakeFolder("Alpha\\Inner");
  Temp.MakeFile("Alpha\\a.txt");
  auto* tree = new TVintoShellTreeView(Form);
  tree->SetParent(Form);
  tree->SetBounds(570, 8, 180, 380);
  tree->SetAutoRefreshContents(false);
  tree->HandleNeeded();
  tree->SetRootFolder(Temp.Path());
  tree->SetListView(List);
  EXPECT_EQ(List->Tree(), tree);
  EXPECT_EQ(List->GetRootFolder(), tree->GetRootFolder());
  EXPECT_NE(ItemNamed("Alpha"), nullptr);

  // Entering a folder in the list moves the tree; the list then shows it.
  List->EnterFolder(TCustomVintoShellListView::ItemIDList(ItemNamed("Alpha")));
  PumpMessages(120);
  EXPECT_EQ(Log.Changing, std::vector<std::string>{Temp / "Alpha"});
  EXPECT_EQ(IDListToPath(tree->SelectedIDList()), Temp / "Alpha");
  EXPECT_EQ(IDListToPath(List->CurrentFolder()), Temp / "Alpha");
  EXPECT_NE(ItemNamed("a.txt"), nullptr);

  // Selecting in the tree moves the list.
  TIDListHolder inner(PathToIDList(Temp / "Alpha\\Inner"));
  tree->SelectIDList(inner.Get());
  PumpUntil([&] { return IDListToPath(List->CurrentFolder()) == Temp / "Alpha\\Inner"; }, 1000);
  EXPECT_EQ(IDListToPath(List->CurrentFolder()), Temp / "Alpha\\Inner");

  // Refused, entering goes nowhere.
  Log.AcceptFolder = false;
  TIDListHolder alpha(PathToIDList(Temp / "Alpha"));
  List->EnterFolder(alpha.Get());
  EXPECT_EQ(IDListToPath(List->CurrentFolder()), Temp / "Alpha\\Inner");
  delete tree;
  EXPECT_EQ(List->Tree(), nullptr);
}

TEST_F(ShellListViewTest, EnterOnAFolderEntersItAndTheListFollowsTheDisk) {
  Temp.MakeFolder("Alpha");
  List->SetRootFolder(Temp.Path());
  List->SetAutoRefreshContents(true);
  ItemNamed("Alpha")->SetSelected(true);
  ItemNamed("Alpha")->SetFocused(true);
  List->Perform(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(IDListToPath(List->CurrentFolder()), Temp / "Alpha");
  EXPECT_EQ(List->Items().Count(), 0);

  Temp.MakeFile("Alpha\\new.txt");
  EXPECT_TRUE(PumpUntil([&] { return ItemNamed("new.txt") != nullptr; }, 1500));
  DeleteFileA((Temp / "Alpha\\new.txt").c_str());
  EXPECT_TRUE(PumpUntil([&] { return List->Items().Count() == 0; }, 1500));

  // The folder shown goes away: the list empties, nothing fails.
  RemoveDirectoryA((Temp / "Alpha").c_str());
  PumpMessages(800);
  List->RefreshList();
  EXPECT_EQ(List->Items().Count(), 0);
  EXPECT_TRUE(Log.Failed.empty());
}

TEST_F(ShellListViewTest, RenamingInPlaceRenamesOnDiskAndARefusedNameIsReported) {
  Temp.MakeFile("old.txt", "kept");
  List->SetRootFolder(Temp.Path());
  auto rename = [&](TListItem* Item, const std::string& Text) {
    HWND edit = reinterpret_cast<HWND>(
        SendMessageA(List->WindowHandle(), LVM_EDITLABELA, Item->Index(), 0));
    if (!edit) return false;
    SetWindowTextA(edit, Text.c_str());
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages(50);
    return true;
  };
  ASSERT_TRUE(rename(ItemNamed("old.txt"), "new.txt"));
  EXPECT_TRUE(Exists(Temp / "new.txt"));
  EXPECT_FALSE(Exists(Temp / "old.txt"));
  TListItem* renamed = ItemNamed("new.txt");
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(IDListToPath(TCustomVintoShellListView::ItemIDList(renamed)), Temp / "new.txt");

  ASSERT_TRUE(rename(renamed, "bad|name.txt"));
  EXPECT_EQ(Log.Failed, std::vector<std::string>{"rename"});
  EXPECT_TRUE(Exists(Temp / "new.txt"));
  EXPECT_NE(ItemNamed("new.txt"), nullptr);
}

TEST_F(ShellListViewTest, AFileDroppedOnAFolderItemMovesThere) {
  Temp.MakeFolder("Target");
  Temp.MakeFolder("From");
  Temp.MakeFile("From\\f.txt", "moved");
  List->SetRootFolder(Temp.Path());
  IDropTarget* target = List->DropTarget();
  ASSERT_NE(target, nullptr);
  TIDListHolder file(PathToIDList(Temp / "From\\f.txt"));
  TShellFolderPtr parent = BindToParentFolder(file.Get());
  LPCITEMIDLIST last = LastID(file.Get());
  ComPtr<IDataObject> data;
  ASSERT_EQ(parent->GetUIObjectOf(nullptr, 1, &last, IID_IDataObject, nullptr,
                                  reinterpret_cast<void**>(data.GetAddressOf())),
            S_OK);
  RECT r = ItemNamed("Target")->DisplayRect();
  POINT p{r.left + 24, (r.top + r.bottom) / 2};  // over the icon and name
  ClientToScreen(List->WindowHandle(), &p);
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->DragEnter(data.Get(), MK_LBUTTON, POINTL{p.x, p.y}, &effect);
  EXPECT_EQ(effect, DROPEFFECT_MOVE);
  EXPECT_TRUE(
      ListView_GetItemState(List->WindowHandle(), ItemNamed("Target")->Index(), LVIS_DROPHILITED));
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->Drop(data.Get(), 0, POINTL{p.x, p.y}, &effect);
  EXPECT_TRUE(Exists(Temp / "Target\\f.txt"));
  EXPECT_FALSE(Exists(Temp / "From\\f.txt"));
}

// Asks a window for its item count from another thread every 10 ms while
// alive; keeps the longest time an answer took.
class TAnswerWatch {
 public:
  explicit TAnswerWatch(HWND Wnd) : FWnd(Wnd), FThread([this] { Run(); }) {}
  ~TAnswerWatch() { Stop(); }
  // Answers the last question while waiting for the thread to end.
  void Stop() {
    FStop = true;
    while (!FDone) PumpMessages(5);
    if (FThread.joinable()) FThread.join();
  }
  DWORD LongestWait() const { return FLongest; }
  int Answers() const { return FAnswers; }

 private:
  void Run() {
    while (!FStop) {
      const DWORD asked = GetTickCount();
      DWORD_PTR count = 0;
      if (SendMessageTimeoutA(FWnd, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 20000, &count)) ++FAnswers;
      FLongest = std::max<DWORD>(FLongest, GetTickCount() - asked);
      Sleep(10);
    }
    FDone = true;
  }
  HWND FWnd;
  std::atomic<bool> FStop{false}, FDone{false};
  std::atomic<DWORD> FLongest{0};
  std::atomic<int> FAnswers{0};
  std::thread FThread;
};

// True when each item comes no later than the next in the folder's own
// order.
bool InTheShellsOrder(TVintoShellListView& List) {
  TShellFolderPtr folder = BindToFolder(List.CurrentFolder());
  for (int i = 1; i < List.Items().Count(); ++i) {
    LPCITEMIDLIST a = LastID(TCustomVintoShellListView::ItemIDList(List.Items().Item(i - 1)));
    LPCITEMIDLIST b = LastID(TCustomVintoShellListView::ItemIDList(List.Items().Item(i)));
    if (static_cast<short>(HRESULT_CODE(folder->CompareIDs(0, a, b))) > 0) return false;
  }
  return true;
}

// Mouse moves taken from this thread's queue while it lives.
class TMouseMoveCount {
 public:
  TMouseMoveCount() {
    Count() = 0;
    FHook = SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, GetCurrentThreadId());
  }
  ~TMouseMoveCount() { UnhookWindowsHookEx(FHook); }
  static int& Count() {
    static int count = 0;
    return count;
  }

 private:
  static LRESULT CALLBACK Hook(int Code, WPARAM WParam, LPARAM LParam) {
    const auto* message = reinterpret_cast<const MSG*>(LParam);
    if (Code == HC_ACTION && WParam == PM_REMOVE && message->message == WM_MOUSEMOVE) ++Count();
    return CallNextHookEx(nullptr, Code, WParam, LParam);
  }
  HHOOK FHook;
};

// A fill shows the hourglass and then the cursor that was showing, without
// moving the pointer to have the window under it choose anew: the window
// would hear of a move the mouse never made, after every fill.
TEST_F(ShellListViewTest, FillingLeavesThePointerAlone) {
  Temp.MakeFolder("Alpha");
  Temp.MakeFile("one.txt");
  RECT list{};
  GetWindowRect(List->WindowHandle(), &list);
  SetCursorPos((list.left + list.right) / 2, (list.top + list.bottom) / 2);
  PumpMessages(100);
  TMouseMoveCount moves;
  List->SetRootFolder(Temp.Path());
  ASSERT_EQ(Log.After, 1);
  List->SetRootFolder(Temp / "Alpha");
  PumpMessages(100);
  EXPECT_EQ(moves.Count(), 0);
  // A move of the mouse itself is seen.
  SetCursorPos(list.left + 20, list.top + 40);
  PumpMessages(100);
  EXPECT_GT(moves.Count(), 0);
}

TEST_F(ShellListViewTest, AFolderOfThousandsFillsInOrderWhileTheWindowKeepsAnswering) {
  constexpr int kFiles = 4000;
  for (int i = 0; i < kFiles; ++i) Temp.MakeFile("f" + std::to_string(i * 7919 % kFiles) + ".txt");
  Temp.MakeFolder("zz folder");
  Temp.MakeFolder("Alpha");
  TAnswerWatch watch(List->WindowHandle());
  // A short first slice, so that a fast machine too has the rest go on
  // from the message loop.
  List->SetFirstFillSlice(5);
  List->SetRootFolder(Temp.Path());
  ASSERT_TRUE(List->Populating());
  EXPECT_EQ(List->GetCursor(), crAppStart);
  EXPECT_EQ(Log.After, 0);
  ASSERT_TRUE(PumpUntil([&] { return Log.After == 1; }, 120000));
  watch.Stop();
  EXPECT_FALSE(List->Populating());
  EXPECT_EQ(List->GetCursor(), crDefault);
  EXPECT_EQ(Log.Before, 1);
  ASSERT_EQ(List->Items().Count(), kFiles + 2);
  EXPECT_TRUE(InTheShellsOrder(*List));
  EXPECT_EQ(List->Items().Item(0)->GetCaption(), "Alpha");
  EXPECT_EQ(List->Items().Item(1)->GetCaption(), "zz folder");
  // Answered all along, and never kept waiting as long as a slice or two.
  EXPECT_GT(watch.Answers(), 3);
  EXPECT_LT(watch.LongestWait(), 3000u);
  // The details of an item are read when it is shown.
  TListItem* last = List->Items().Item(kFiles + 1);
  EXPECT_EQ(ShownText(last, 1), "1 KB");
  EXPECT_EQ(last->GetSubItems().size(), 3u);
}

TEST_F(ShellListViewTest, AFillReplacedMidwayEndsAndTheNewFolderIsShown) {
  // Two folders: a folder read once is read faster the next time.
  for (const char* folder : {"many", "more"}) {
    Temp.MakeFolder(folder);
    for (int i = 0; i < 3000; ++i)
      Temp.MakeFile(std::string(folder) + "\\m" + std::to_string(i) + ".txt");
  }
  Temp.MakeFolder("few");
  Temp.MakeFile("few\\only.txt");
  // However fast the machine, the fills go on from the message loop.
  List->SetFirstFillSlice(1);
  List->SetRootFolder(Temp / "many");
  ASSERT_TRUE(List->Populating());
  List->SetRootFolder(Temp / "few");
  EXPECT_FALSE(List->Populating());
  EXPECT_EQ(Log.Before, 2);
  EXPECT_EQ(Log.After, 2);
  EXPECT_EQ(Captions(), std::vector<std::string>{"only.txt"});
  PumpMessages(200);
  EXPECT_EQ(Captions(), std::vector<std::string>{"only.txt"});
  EXPECT_EQ(Log.After, 2);

  // A list that goes while it fills leaves nothing behind that runs on.
  List->SetRootFolder(Temp / "more");
  ASSERT_TRUE(List->Populating());
  delete List;
  List = nullptr;
  PumpMessages(200);
  EXPECT_EQ(Log.After, 2);
}

}  // namespace

namespace {

void SendMouse(DWORD Flags, POINT Screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(Screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(Screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = Flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

TEST_F(ShellListViewTest, ARightClickAsksForTheShellMenuOfTheItemsOrOfTheFolderShown) {
  Temp.MakeFile("menu.txt");
  List->SetRootFolder(Temp.Path());
  List->OnContextMenuPopup = TVintoShellContextMenuPopupEvent(&Log, &TListLog::Popup);
  SetForegroundWindow(Form->Handle());
  RECT r = ItemNamed("menu.txt")->DisplayRect();
  POINT p{r.left + 24, (r.top + r.bottom) / 2};
  ClientToScreen(List->WindowHandle(), &p);
  SendMouse(0, p);
  PumpMessages(50);
  // Both at once: the control waits for the release inside its handling
  // of the press.
  SendMouse(MOUSEEVENTF_RIGHTDOWN, p);
  SendMouse(MOUSEEVENTF_RIGHTUP, p);
  PumpUntil([&] { return !Log.Popups.empty(); }, 1500);
  ASSERT_EQ(Log.Popups.size(), 1u);
  EXPECT_EQ(Log.Popups[0], Temp / "menu.txt");

  // With nothing selected the menu is the folder's own.
  List->ClearSelection();
  List->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List->WindowHandle()),
                MAKELPARAM(p.x, p.y));
  EXPECT_EQ(Log.Popups.size(), 2u);
}

}  // namespace
