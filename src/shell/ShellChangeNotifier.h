#pragma once
// The change notifier as placed on a form: when it activates with folders
// configured in Folders, it watches exactly those.

#include "shell/CustomShellChangeNotifier.h"
#include "shell/IDListHolder.h"
#include "shell/ShellChangeNotifierFolders.h"

class TVintoShellChangeNotifier : public TCustomVintoShellChangeNotifier {
 public:
  using TCustomVintoShellChangeNotifier::TCustomVintoShellChangeNotifier;
  ~TVintoShellChangeNotifier() override;

  TVintoShellChangeNotifierFolders& Folders() { return FFolders; }

 protected:
  void RegisterNotification() override;

 private:
  TVintoShellChangeNotifierFolders FFolders;
  // The lists made from Folders; the watch list refers to them.
  std::vector<TIDListHolder> FFolderLists;
};
