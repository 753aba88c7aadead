#include "toolkit/OpenDialog.h"

#include <windows.h>
// (needs windows.h first)
#include <commdlg.h>

#include <vector>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/DialogFilter.h"

const TClassInfo& TOpenDialog::StaticClass() {
  using D = TOpenDialog;
  static const TClassInfo info =
      TClassBuilder<D>("TOpenDialog", &TComponent::StaticClass())
          .Creatable()
          .Prop("DefaultExt", &D::GetDefaultExt, &D::SetDefaultExt, std::string())
          .Prop("FileName", &D::GetFileName, &D::SetFileName, std::string())
          .Prop("Filter", &D::GetFilter, &D::SetFilter, std::string())
          .Prop("FilterIndex", &D::GetFilterIndex, &D::SetFilterIndex, 1)
          .Prop("InitialDir", &D::GetInitialDir, &D::SetInitialDir, std::string())
          .Prop("Title", &D::GetTitle, &D::SetTitle, std::string())
          .Prop("Options", &D::GetOptions, &D::SetOptions,
                TOpenOptions{ofHideReadOnly, ofEnableSizing})
          .Info();
  return info;
}
FW_REGISTER_CLASS(TOpenDialog);

unsigned long TOpenDialog::SystemFlags() const {
  static const struct {
    TOpenOption Option;
    DWORD Flag;
  } map[] = {
      {ofReadOnly, OFN_READONLY},
      {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
      {ofHideReadOnly, OFN_HIDEREADONLY},
      {ofNoChangeDir, OFN_NOCHANGEDIR},
      {ofShowHelp, OFN_SHOWHELP},
      {ofNoValidate, OFN_NOVALIDATE},
      {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
      {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
      {ofPathMustExist, OFN_PATHMUSTEXIST},
      {ofFileMustExist, OFN_FILEMUSTEXIST},
      {ofCreatePrompt, OFN_CREATEPROMPT},
      {ofShareAware, OFN_SHAREAWARE},
      {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
      {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
      {ofNoNetworkButton, OFN_NONETWORKBUTTON},
      {ofNoLongNames, OFN_NOLONGNAMES},
      {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
      {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
      {ofEnableSizing, OFN_ENABLESIZING},
      {ofDontAddToRecent, OFN_DONTADDTORECENT},
      {ofForceShowHidden, OFN_FORCESHOWHIDDEN},
  };
  DWORD flags = FOptions.Contains(ofOldStyleDialog) ? 0 : OFN_EXPLORER;
  for (const auto& m : map)
    if (FOptions.Contains(m.Option)) flags |= m.Flag;
  return flags;
}

bool TOpenDialog::Execute() {
  return Run(dkOpen);
}

bool TOpenDialog::Run(TKind Kind) {
  // Long paths fit; the name is cut to the buffer if it is longer still.
  std::vector<char> name(32768, '\0');
  FFileName.copy(name.data(), name.size() - 1);
  std::string filter = DialogFilterToSystem(FFilter);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = FFilter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
  ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  ofn.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
  ofn.Flags = SystemFlags();
  const BOOL chosen = Kind == dkSave ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return false;
  FFileName = name.data();
  FFilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}
