#include "toolkit/FolderDialog.h"

#include <windows.h>
// (needs windows.h first)
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TFolderDialog::StaticClass() {
  using D = TFolderDialog;
  static const TClassInfo info =
      TClassBuilder<D>("TFolderDialog", &TComponent::StaticClass())
          .Creatable()
          .Prop("Directory", &D::GetDirectory, &D::SetDirectory, std::string())
          .Prop("Title", &D::GetTitle, &D::SetTitle, std::string())
          .Info();
  return info;
}
FW_REGISTER_CLASS(TFolderDialog);

namespace {

// COM for the calling thread while the dialog runs.
class TComScope {
 public:
  TComScope()
      : FInitialised(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~TComScope() {
    if (FInitialised) CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

 private:
  bool FInitialised;
};

// One reference to a COM object, released once.
template <class T>
class TComRef {
 public:
  TComRef() = default;
  ~TComRef() {
    if (FObject) FObject->Release();
  }
  TComRef(const TComRef&) = delete;
  TComRef& operator=(const TComRef&) = delete;
  T** Receive() { return &FObject; }
  T* operator->() const { return FObject; }
  T* Get() const { return FObject; }

 private:
  T* FObject = nullptr;
};

std::wstring Wide(const std::string& Text) {
  if (Text.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const wchar_t* Text) {
  const int n = WideCharToMultiByte(CP_ACP, 0, Text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, Text, -1, narrow.data(), n, nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(n - 1));
  return narrow;
}

// Selects the proposed folder once the browser is up.
int CALLBACK BrowserCallback(HWND Wnd, UINT Message, LPARAM, LPARAM Data) {
  if (Message == BFFM_INITIALIZED && Data) SendMessageA(Wnd, BFFM_SETSELECTIONA, TRUE, Data);
  return 0;
}

}  // namespace

bool TFolderDialog::Execute() {
  const TComScope com;
  HWND owner = GetActiveWindow();
  if (const std::optional<bool> chosen = RunItemDialog(owner)) return *chosen;
  return RunFolderBrowser(owner);
}

std::optional<bool> TFolderDialog::RunItemDialog(HWND Owner) {
  TComRef<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IFileOpenDialog, reinterpret_cast<void**>(dialog.Receive()))))
    return std::nullopt;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  if (FAILED(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM |
                                FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR)))
    return std::nullopt;
  if (!FTitle.empty()) dialog->SetTitle(Wide(FTitle).c_str());
  if (!FDirectory.empty()) {
    TComRef<IShellItem> folder;
    if (SUCCEEDED(SHCreateItemFromParsingName(Wide(FDirectory).c_str(), nullptr, IID_IShellItem,
                                              reinterpret_cast<void**>(folder.Receive()))))
      dialog->SetFolder(folder.Get());
  }
  const HRESULT shown = dialog->Show(Owner);
  if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return false;
  if (FAILED(shown)) return std::nullopt;
  TComRef<IShellItem> result;
  if (FAILED(dialog->GetResult(result.Receive()))) return false;
  wchar_t* path = nullptr;
  if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return false;
  FDirectory = Narrow(path);
  CoTaskMemFree(path);
  return !FDirectory.empty();
}

bool TFolderDialog::RunFolderBrowser(HWND Owner) {
  char display[MAX_PATH] = "";
  BROWSEINFOA info{};
  info.hwndOwner = Owner;
  info.pszDisplayName = display;
  info.lpszTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
  info.lpfn = BrowserCallback;
  info.lParam = FDirectory.empty() ? 0 : reinterpret_cast<LPARAM>(FDirectory.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
  if (!chosen) return false;
  char path[MAX_PATH] = "";
  const bool isFolder = SHGetPathFromIDListA(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!isFolder || !*path) return false;
  FDirectory = path;
  return true;
}
