#include "shell/ShellChangeNotifierFolder.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TVintoShellChangeNotifierFolder::StaticClass() {
  using T = TVintoShellChangeNotifierFolder;
  static const TClassInfo info =
      TClassBuilder<T>("TVintoShellChangeNotifierFolder", &TCollectionItem::StaticClass())
          .Creatable()
          .Prop("Folder", &T::GetFolder, &T::SetFolder, std::string())
          .Prop("WatchSubTree", &T::GetWatchSubTree, &T::SetWatchSubTree, false)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TVintoShellChangeNotifierFolder);
