#include "shell/ShellChangeNotifier.h"

TVintoShellChangeNotifier::~TVintoShellChangeNotifier() {
  FFolders.Clear();
  // The watch list refers to FFolderLists: let go of both before they go.
  SetActive(false);
  ClearWatches();
}

void TVintoShellChangeNotifier::RegisterNotification() {
  if (FFolders.Count() > 0) {
    ClearWatches();
    FFolderLists.clear();
    for (int i = 0; i < FFolders.Count(); ++i) {
      const TVintoShellChangeNotifierFolder& folder = FFolders.Items(i);
      if (folder.Folder.empty()) continue;
      TIDListHolder list(FolderTextToIDList(folder.Folder));
      if (!list) continue;
      AddWatch(list.Get(), folder.WatchSubTree);
      FFolderLists.push_back(std::move(list));
    }
  }
  TCustomVintoShellChangeNotifier::RegisterNotification();
}
