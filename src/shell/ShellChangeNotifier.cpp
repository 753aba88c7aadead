#include "shell/ShellChangeNotifier.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TVintoShellChangeNotifier::StaticClass() {
  using T = TCustomVintoShellChangeNotifier;
  static const TClassInfo info =
      TClassBuilder<TVintoShellChangeNotifier>("TVintoShellChangeNotifier", &T::StaticClass())
          .Creatable()
          .Prop("Active", &T::Active, &T::SetActive, false)
          .CollectionProp("Folders", &TVintoShellChangeNotifier::GetFolders)
          .EventProp("OnRenameItem", &T::OnRenameItem)
          .EventProp("OnCreate", &T::OnCreate)
          .EventProp("OnDelete", &T::OnDelete)
          .EventProp("OnMkDir", &T::OnMkDir)
          .EventProp("OnRmDir", &T::OnRmDir)
          .EventProp("OnMediaInserted", &T::OnMediaInserted)
          .EventProp("OnMediaRemoved", &T::OnMediaRemoved)
          .EventProp("OnDriveRemoved", &T::OnDriveRemoved)
          .EventProp("OnDriveAdd", &T::OnDriveAdd)
          .EventProp("OnNetShare", &T::OnNetShare)
          .EventProp("OnNetUnshare", &T::OnNetUnshare)
          .EventProp("OnAttributes", &T::OnAttributes)
          .EventProp("OnUpdateDir", &T::OnUpdateDir)
          .EventProp("OnUpdateItem", &T::OnUpdateItem)
          .EventProp("OnServerDisconnect", &T::OnServerDisconnect)
          .EventProp("OnUpdateImage", &T::OnUpdateImage)
          .EventProp("OnDriveAddGUI", &T::OnDriveAddGUI)
          .EventProp("OnRenameFolder", &T::OnRenameFolder)
          .EventProp("OnFreeSpace", &T::OnFreeSpace)
          .EventProp("OnAssocChanged", &T::OnAssocChanged)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TVintoShellChangeNotifier);

TVintoShellChangeNotifier::~TVintoShellChangeNotifier() {
  FFolders.reset();
  // The watch list refers to FFolderLists: let go of both before they go.
  SetActive(false);
  ClearWatches();
}

void TVintoShellChangeNotifier::RegisterNotification() {
  if (FFolders && FFolders->Count() > 0) {
    ClearWatches();
    FFolderLists.clear();
    for (int i = 0; i < FFolders->Count(); ++i) {
      const TVintoShellChangeNotifierFolder& folder = FFolders->Items(i);
      if (folder.GetFolder().empty()) continue;
      TIDListHolder list(FolderTextToIDList(folder.GetFolder()));
      if (!list) continue;
      AddWatch(list.Get(), folder.GetWatchSubTree());
      FFolderLists.push_back(std::move(list));
    }
  }
  TCustomVintoShellChangeNotifier::RegisterNotification();
}
