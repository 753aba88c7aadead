#pragma once
// The change notifier as placed on a form: publishes Active, the events and
// Folders. When it activates with folders configured in Folders, it watches
// exactly those; with none, the watch list filled in code stays.

#include <memory>
#include <vector>

#include "shell/CustomShellChangeNotifier.h"
#include "shell/IDListHolder.h"
#include "shell/ShellChangeNotifierFolders.h"

class TVintoShellChangeNotifier : public TCustomVintoShellChangeNotifier {
  FW_CLASS(TVintoShellChangeNotifier)
 public:
  using TCustomVintoShellChangeNotifier::TCustomVintoShellChangeNotifier;
  ~TVintoShellChangeNotifier() override;

  TVintoShellChangeNotifierFolders& Folders() { return *FFolders; }
  TVintoShellChangeNotifierFolders* GetFolders() const { return FFolders.get(); }

 protected:
  void RegisterNotification() override;

 private:
  std::unique_ptr<TVintoShellChangeNotifierFolders> FFolders =
      std::make_unique<TVintoShellChangeNotifierFolders>(this);
  // The lists made from Folders; the watch list refers to them.
  std::vector<TIDListHolder> FFolderLists;
};
