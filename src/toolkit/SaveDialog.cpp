#include "toolkit/SaveDialog.h"

#include <windows.h>
// (needs windows.h first)
#include <commdlg.h>

#include <vector>

#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/DialogFilter.h"

const TClassInfo& TSaveDialog::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSaveDialog>("TSaveDialog", &TComponent::StaticClass())
          .Creatable()
          .Prop("DefaultExt", &TSaveDialog::GetDefaultExt, &TSaveDialog::SetDefaultExt,
                std::string())
          .Prop("FileName", &TSaveDialog::GetFileName, &TSaveDialog::SetFileName, std::string())
          .Prop("Filter", &TSaveDialog::GetFilter, &TSaveDialog::SetFilter, std::string())
          .Prop("FilterIndex", &TSaveDialog::GetFilterIndex, &TSaveDialog::SetFilterIndex, 1)
          .Prop("InitialDir", &TSaveDialog::GetInitialDir, &TSaveDialog::SetInitialDir,
                std::string())
          .Prop("Title", &TSaveDialog::GetTitle, &TSaveDialog::SetTitle, std::string())
          .Prop("Options", &TSaveDialog::GetOptions, &TSaveDialog::SetOptions,
                TOpenOptions{ofHideReadOnly, ofEnableSizing})
          .Info();
  return info;
}
FW_REGISTER_CLASS(TSaveDialog);

unsigned long TSaveDialog::SystemFlags() const {
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

bool TSaveDialog::Execute() {
  // Long paths fit; the name is cut to the buffer if it is longer still.
  std::vector<char> name(32768, '\0');
  FFileName.copy(name.data(), name.size() - 1);
  std::string filter = DialogFilterToSystem(FFilter);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  HWND owner = GetActiveWindow();
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = FFilter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
  ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  ofn.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
  ofn.Flags = SystemFlags();
  if (!GetSaveFileNameA(&ofn)) return false;
  FFileName = name.data();
  FFilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}
