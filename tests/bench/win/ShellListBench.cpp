// The shell list view opening one folder of many files in report view,
// beside its floor measured in the same run: the shell's own calls for the
// same work, each timed on its own (listing, attributes, names, the shell's
// order, and the file's size, type and time), and a bare SysListView32
// given the same inserts.
//
// For the list view it prints when the first items could be seen, when the
// list was whole, and the longest time the window left a message from
// another thread unanswered (a window that answers within a fraction of a
// second stays usable while it fills).
//
//   bench_ShellListBench [files] [runs]
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "shell/ShellIDList.h"
#include "shell/ShellListView.h"
#include "shell/ShellModule.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values.empty() ? 0 : Values[Values.size() / 2];
}

template <class F>
double Time(F&& Work) {
  const auto start = TClock::now();
  Work();
  return MillisecondsSince(start);
}

// Asks the list's window for its item count from another thread, every
// 10 ms, as long as it runs: when the answer first is not 0, and how long
// the longest answer took.
class TWatcher {
 public:
  TWatcher(HWND List, TClock::time_point Start)
      : FList(List), FStart(Start), FThread([this] { Run(); }) {}
  ~TWatcher() { Stop(); }
  // Answers the last question while waiting for the thread to end.
  void Stop() {
    FStop = true;
    while (!FDone) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(1);
    }
    if (FThread.joinable()) FThread.join();
  }
  double FirstItems() const { return FFirstItems; }
  double LongestWait() const { return FLongestWait; }

 private:
  void Run() {
    while (!FStop) {
      const auto asked = TClock::now();
      DWORD_PTR count = 0;
      SendMessageTimeoutA(FList, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 600000, &count);
      FLongestWait = std::max(FLongestWait, MillisecondsSince(asked));
      if (count > 0 && FFirstItems < 0) FFirstItems = MillisecondsSince(FStart);
      Sleep(10);
    }
    FDone = true;
  }
  HWND FList;
  TClock::time_point FStart;
  std::atomic<bool> FStop{false}, FDone{false};
  double FFirstItems = -1;
  double FLongestWait = 0;
  std::thread FThread;
};

struct TPopulateWatch {
  bool Done = false;
  void AfterPopulate(TObject*) { Done = true; }
};

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

struct TFloor {
  double List = 0, Attributes = 0, Names = 0, Order = 0, Details = 0, Inserts = 0;
  long long Comparisons = 0;
  std::size_t Items = 0;
  double Total() const { return List + Attributes + Names + Order + Details + Inserts; }
};

// What the shell and a bare list control need for the same folder, called
// directly, each step timed.
TFloor ShellFloor(const std::string& Folder, HWND Parent) {
  TFloor floor;
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  LPITEMIDLIST root = PathToIDList(Folder);
  IShellFolder* folder = nullptr;
  std::vector<LPITEMIDLIST> items;
  floor.List = Time([&] {
    desktop->BindToObject(root, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder));
    IEnumIDList* list = nullptr;
    folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN,
                        &list);
    LPITEMIDLIST item = nullptr;
    while (list && list->Next(1, &item, nullptr) == S_OK) items.push_back(item);
    if (list) list->Release();
  });
  floor.Items = items.size();
  floor.Attributes = Time([&] {
    for (LPITEMIDLIST each : items) {
      LPCITEMIDLIST one = each;
      ULONG attributes = SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_SHARE | SFGAO_LINK | 0x80000;
      folder->GetAttributesOf(1, &one, &attributes);
    }
  });
  std::vector<std::string> names;
  floor.Names = Time([&] {
    for (LPITEMIDLIST each : items) {
      STRRET name{};
      char text[MAX_PATH] = {};
      folder->GetDisplayNameOf(each, SHGDN_NORMAL, &name);
      StrRetToBufA(&name, each, text, MAX_PATH);
      names.emplace_back(text);
    }
  });
  floor.Order = Time([&] {
    std::stable_sort(items.begin(), items.end(), [&](LPITEMIDLIST A, LPITEMIDLIST B) {
      ++floor.Comparisons;
      return static_cast<short>(HRESULT_CODE(folder->CompareIDs(0, A, B))) < 0;
    });
  });
  floor.Details = Time([&] {
    for (LPITEMIDLIST each : items) {
      LPITEMIDLIST absolute = ConcatIDLists(root, each);
      char path[MAX_PATH] = {};
      SHGetPathFromIDListA(absolute, path);
      WIN32_FIND_DATAA found;
      HANDLE find = FindFirstFileA(path, &found);
      if (find != INVALID_HANDLE_VALUE) FindClose(find);
      SHFILEINFOA info{};
      SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info,
                     SHGFI_PIDL | SHGFI_TYPENAME);
      FreeIDList(absolute);
    }
  });
  HWND bare = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 780,
                              560, Parent, nullptr, nullptr, nullptr);
  floor.Inserts = Time([&] {
    SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
    for (int c = 0; c < 4; ++c) {
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = const_cast<char*>("Column");
      column.cx = 100;
      ListView_InsertColumn(bare, c, &column);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
      LVITEMA lv{};
      lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
      lv.iItem = static_cast<int>(i);
      lv.pszText = names[i].data();
      lv.iImage = I_IMAGECALLBACK;
      SendMessageA(bare, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
    }
    SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
    UpdateWindow(bare);
  });
  DestroyWindow(bare);
  for (LPITEMIDLIST each : items) FreeIDList(each);
  folder->Release();
  FreeIDList(root);
  return floor;
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "fwlistbench";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < files; ++i) {
    const std::string name = folder + "\\file" + std::to_string(i) + ".txt";
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "data", 4, &written, nullptr);
    CloseHandle(file);
  }
  Application->Initialize();
  auto* form = new TForm(nullptr);
  form->SetBounds(0, 0, 800, 600);
  auto* list = new TVintoShellListView(form);
  list->SetParent(form);
  list->SetBounds(0, 0, 780, 560);
  list->SetViewStyle(vsReport);
  list->SetAutoRefreshContents(false);
  TPopulateWatch populated;
  list->OnAfterPopulate = TNotifyEvent(&populated, &TPopulateWatch::AfterPopulate);
  form->Show();

  std::vector<double> whole, first, wait, floorTotal;
  std::vector<TFloor> floors;
  std::size_t listed = 0;
  for (int run = 0; run < runs; ++run) {
    list->SetRootFolder("sfDesktop");
    Pump();
    populated.Done = false;
    const auto start = TClock::now();
    TWatcher watcher(list->WindowHandle(), start);
    list->SetRootFolder(folder);
    while (!populated.Done) {
      Pump();
      Sleep(1);
    }
    UpdateWindow(list->WindowHandle());
    whole.push_back(MillisecondsSince(start));
    Sleep(30);
    Pump();
    watcher.Stop();
    first.push_back(watcher.FirstItems());
    wait.push_back(watcher.LongestWait());
    listed = list->Items().Count();
    floors.push_back(ShellFloor(folder, form->Handle()));
    floorTotal.push_back(floors.back().Total());
  }
  auto medianOf = [&](double TFloor::*Field) {
    std::vector<double> values;
    for (const TFloor& f : floors) values.push_back(f.*Field);
    return Median(values);
  };
  std::printf("folder of %d files, report view, median of %d runs\n", files, runs);
  std::printf("list view (%zu items)\n", listed);
  std::printf("  first items seen:        %9.1f ms\n", Median(first));
  std::printf("  whole list:              %9.1f ms\n", Median(whole));
  std::printf("  longest unanswered:      %9.1f ms\n", Median(wait));
  std::printf("floor (%zu items)\n", floors.empty() ? 0 : floors.back().Items);
  std::printf("  listing:                 %9.1f ms\n", medianOf(&TFloor::List));
  std::printf("  attributes:              %9.1f ms\n", medianOf(&TFloor::Attributes));
  std::printf("  names:                   %9.1f ms\n", medianOf(&TFloor::Names));
  std::printf("  shell's order (%lld calls): %6.1f ms\n",
              floors.empty() ? 0 : floors.back().Comparisons, medianOf(&TFloor::Order));
  std::printf("  size, type, time:        %9.1f ms\n", medianOf(&TFloor::Details));
  std::printf("  bare list inserts:       %9.1f ms\n", medianOf(&TFloor::Inserts));
  std::printf("  all of it:               %9.1f ms\n", Median(floorTotal));
  std::printf("ratio whole list / floor: %.2f\n",
              Median(floorTotal) > 0 ? Median(whole) / Median(floorTotal) : 0.0);
  delete form;
  for (int i = 0; i < files; ++i)
    DeleteFileA((folder + "\\file" + std::to_string(i) + ".txt").c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
