// The shell list view opening one folder of many files in report view,
// beside its floor measured in the same run: the shell's own calls for the
// same work (binding, listing, sorting, attributes, names, and the file's
// size, type and time), without a list.
//
//   bench_ShellListBench [files] [runs]
#include <windows.h>
// (needs windows.h first)
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
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

// What the shell needs for the same folder, called directly.
std::size_t ShellFloor(const std::string& Folder) {
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  LPITEMIDLIST root = PathToIDList(Folder);
  IShellFolder* folder = nullptr;
  desktop->BindToObject(root, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder));
  IEnumIDList* list = nullptr;
  folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &list);
  std::vector<LPITEMIDLIST> items;
  LPITEMIDLIST item = nullptr;
  while (list && list->Next(1, &item, nullptr) == S_OK) items.push_back(item);
  if (list) list->Release();
  std::stable_sort(items.begin(), items.end(), [&](LPITEMIDLIST A, LPITEMIDLIST B) {
    return static_cast<short>(HRESULT_CODE(folder->CompareIDs(0, A, B))) < 0;
  });
  for (LPITEMIDLIST each : items) {
    LPCITEMIDLIST one = each;
    ULONG attributes = SFGAO_FILESYSTEM | SFGAO_FOLDER;
    folder->GetAttributesOf(1, &one, &attributes);
    STRRET name{};
    char text[MAX_PATH] = {};
    folder->GetDisplayNameOf(each, SHGDN_NORMAL, &name);
    StrRetToBufA(&name, each, text, MAX_PATH);
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
    FreeIDList(each);
  }
  folder->Release();
  FreeIDList(root);
  return items.size();
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
  form->Show();

  std::vector<double> ours, floor;
  std::size_t listed = 0, shellItems = 0;
  for (int run = 0; run < runs; ++run) {
    list->SetRootFolder("sfDesktop");
    auto start = TClock::now();
    list->SetRootFolder(folder);
    ours.push_back(MillisecondsSince(start));
    listed = list->Items().Count();
    start = TClock::now();
    shellItems = ShellFloor(folder);
    floor.push_back(MillisecondsSince(start));
  }
  std::printf("folder of %d files, report view, median of %d runs\n", files, runs);
  std::printf("  list view (%zu items):   %9.1f ms\n", listed, Median(ours));
  std::printf("  shell calls (%zu items): %9.1f ms\n", shellItems, Median(floor));
  std::printf("  ratio: %.2f\n", Median(floor) > 0 ? Median(ours) / Median(floor) : 0.0);
  delete form;
  for (int i = 0; i < files; ++i)
    DeleteFileA((folder + "\\file" + std::to_string(i) + ".txt").c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
