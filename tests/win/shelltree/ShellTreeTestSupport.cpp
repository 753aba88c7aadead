#include "ShellTreeTestSupport.h"

#include <atomic>

#include "toolkit/portable/ClassBuilder.h"

TTempFolder::TTempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH], longTemp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  if (GetLongPathNameA(temp, longTemp, MAX_PATH)) lstrcpyA(temp, longTemp);
  std::string base(temp);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  do {
    FPath = base + "\\fwtree-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter++);
  } while (!CreateDirectoryA(FPath.c_str(), nullptr));
}

TTempFolder::~TTempFolder() {
  RemoveTree(FPath);
}

std::string TTempFolder::MakeFolder(const std::string& Relative) const {
  const std::string path = *this / Relative;
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string TTempFolder::MakeFile(const std::string& Relative) const {
  const std::string path = *this / Relative;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return path;
}

void TTempFolder::RemoveTree(const std::string& Path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((Path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = Path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(Path.c_str());
}

void PumpMessages(DWORD Milliseconds) {
  DWORD end = GetTickCount() + Milliseconds;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

TTreeNode* FindChildByText(TTreeNode* Parent, const std::string& Text) {
  if (!Parent) return nullptr;
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    if (c->GetText() == Text) return c;
  return nullptr;
}

TTreeNode* FindChildByList(TTreeNode* Parent, LPCITEMIDLIST List) {
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    if (SameIDList(TCustomVintoShellTreeView::NodeIDList(c), List)) return c;
  return nullptr;
}

std::vector<std::string> ChildTexts(TTreeNode* Parent) {
  std::vector<std::string> texts;
  if (!Parent) return texts;
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    texts.push_back(c->GetText());
  return texts;
}

UINT ItemState(TTreeNode* Node) {
  if (!Node) return 0;
  return TreeView_GetItemState(Node->TreeView().WindowHandle(), Node->ItemId(), 0xFFFF);
}

bool EditNode(TCustomTreeView* Tree, TTreeNode* Node, const std::string& Text) {
  HWND wnd = Tree->WindowHandle();
  HWND edit = reinterpret_cast<HWND>(
      SendMessageA(wnd, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(Node->ItemId())));
  if (!edit) return false;
  SetWindowTextA(edit, Text.c_str());
  SendMessageA(wnd, TVM_ENDEDITLABELNOW, FALSE, 0);
  return true;
}

TFollower::~TFollower() {
  for (LPITEMIDLIST list : Selections) FreeIDList(list);
}

const TClassInfo& TFollower::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFollower>("TFollower", &TComponent::StaticClass()).Info();
  return info;
}
