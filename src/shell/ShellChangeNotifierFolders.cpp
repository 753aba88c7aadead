#include "shell/ShellChangeNotifierFolders.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TVintoShellChangeNotifierFolders::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TVintoShellChangeNotifierFolders>("TVintoShellChangeNotifierFolders",
                                                      &TCollection::StaticClass())
          .Info();
  return info;
}

TVintoShellChangeNotifierFolders::TVintoShellChangeNotifierFolders(TObject* Owner)
    : TCollection(TVintoShellChangeNotifierFolder::StaticClass(), Owner) {}

TVintoShellChangeNotifierFolder& TVintoShellChangeNotifierFolders::Add(
    const TVintoShellFolder& Folder, bool WatchSubTree) {
  auto& item = static_cast<TVintoShellChangeNotifierFolder&>(*TCollection::Add());
  item.SetFolder(Folder);
  item.SetWatchSubTree(WatchSubTree);
  return item;
}
