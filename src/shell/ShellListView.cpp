#include "shell/ShellListView.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TVintoShellListView::StaticClass() {
  static const TClassInfo info = [] {
    using T = TCustomVintoShellListView;
    TClassBuilder<TVintoShellListView> b("TVintoShellListView", &T::StaticClass());
    b.Creatable();
    // Defaults that differ from a plain list view's come first: the first
    // property of a name wins.
    b.Prop("MultiSelect", &T::GetMultiSelect, &T::SetMultiSelect, true);
    PublishListViewProperties(b);
    return b.Prop("AutoContextMenu", &T::GetAutoContextMenu, &T::SetAutoContextMenu, true)
        .Prop("AutoDefaultCommand", &T::GetAutoDefaultCommand, &T::SetAutoDefaultCommand, true)
        .Prop("AutoKeyboardShortcuts", &T::GetAutoKeyboardShortcuts, &T::SetAutoKeyboardShortcuts,
              true)
        .Prop("AutoNavigate", &T::GetAutoNavigate, &T::SetAutoNavigate, true)
        .Prop("AutoRefreshContents", &T::GetAutoRefreshContents, &T::SetAutoRefreshContents, true)
        .Prop("AutoScrollInterval", &T::GetAutoScrollInterval, &T::SetAutoScrollInterval, 50)
        .Prop("CorvaneDragDropBehaviour", &T::GetCorvaneDragDropBehaviour,
              &T::SetCorvaneDragDropBehaviour, false)
        .Prop("FileMask", &T::GetFileMask, &T::SetFileMask, std::string("*.*"))
        .Prop("ItemTypes", &T::GetItemTypeSet, &T::SetItemTypeSet,
              TSet<TVintoShellItemType>{itFolders, itNonFolders, itIncludeHidden})
        .Prop("OleDragEffects", &T::GetOleDragEffects, &T::SetOleDragEffects,
              TVintoShellOleDragEffects{deCopy, deMove, deLink})
        .Prop("OleDragEnabled", &T::GetOleDragEnabled, &T::SetOleDragEnabled, true)
        .Prop("OleDropEffect", &T::GetOleDropEffect, &T::SetOleDropEffect, deDefault)
        .Prop("OleDropEnabled", &T::GetOleDropEnabled, &T::SetOleDropEnabled, true)
        .Prop("RootFolder", &T::GetRootFolder, &T::SetRootFolder, std::string("sfDesktop"))
        .Prop("ShowHiddenAsTransparent", &T::GetShowHiddenAsTransparent,
              &T::SetShowHiddenAsTransparent, true)
        .EventProp("OnCommandFailed", &T::OnCommandFailed)
        .EventProp("OnContextMenuCommand", &T::OnContextMenuCommand)
        .EventProp("OnContextMenuPopup", &T::OnContextMenuPopup)
        .EventProp("OnSelectionChanged", &T::OnSelectionChanged)
        .EventProp("OnBeforePopulate", &T::OnBeforePopulate)
        .EventProp("OnAfterPopulate", &T::OnAfterPopulate)
        .EventProp("OnFolderChanging", &T::OnFolderChanging)
        .EventProp("OnDragOver", &T::OnDragOver)
        .EventProp("OnDragDrop", &T::OnDragDrop)
        .EventProp("OnStartDrag", &T::OnStartDrag)
        .EventProp("OnEndDrag", &T::OnEndDrag)
        .Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TVintoShellListView);
