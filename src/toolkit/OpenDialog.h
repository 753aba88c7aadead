#pragma once
// The system's open-file dialog. FileName is kept between runs: after OK it
// holds the chosen name, which the next run proposes. The save dialog is
// the same component with the system's save dialog behind Execute.

#include <string>

#include "toolkit/portable/Component.h"

FW_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp,
        ofNoValidate, ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist,
        ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,
        ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
        ofEnableSizing, ofDontAddToRecent, ofForceShowHidden)
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
  FW_CLASS(TOpenDialog)
 public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

  std::string GetDefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
  std::string GetFileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  std::string GetFilter() const { return FFilter; }
  void SetFilter(const std::string& Value) { FFilter = Value; }
  int GetFilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  std::string GetInitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  std::string GetTitle() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  TOpenOptions GetOptions() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }

  // Runs the dialog; true when the user chose a name (then in FileName).
  virtual bool Execute();
  // The OFN_ flags for Options.
  unsigned long SystemFlags() const;

 protected:
  enum TKind { dkOpen, dkSave };
  // Runs the system's dialog of that kind over the properties.
  bool Run(TKind Kind);

 private:
  std::string FDefaultExt;
  std::string FFileName;
  std::string FFilter;
  int FFilterIndex = 1;
  std::string FInitialDir;
  std::string FTitle;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};
