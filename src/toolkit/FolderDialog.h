#pragma once
// The system's folder choice. Directory is the folder proposed when the
// dialog opens and, after OK, the folder chosen. Where the system has the
// item dialog it is used in its folder-picking mode; elsewhere the older
// folder browser with an edit box takes its place.

#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/portable/Component.h"

class TFolderDialog : public TComponent {
  FW_CLASS(TFolderDialog)
 public:
  explicit TFolderDialog(TComponent* AOwner) : TComponent(AOwner) {}

  std::string GetDirectory() const { return FDirectory; }
  void SetDirectory(const std::string& Value) { FDirectory = Value; }
  std::string GetTitle() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }

  // Runs the dialog; true when the user chose a folder of the file system
  // (then in Directory).
  virtual bool Execute();

 private:
  // The item dialog's answer, or nothing when the system has no item
  // dialog or it could not be shown.
  std::optional<bool> RunItemDialog(HWND Owner);
  bool RunFolderBrowser(HWND Owner);

  std::string FDirectory;
  std::string FTitle;
};
