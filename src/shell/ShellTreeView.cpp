#include "shell/ShellTreeView.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TVintoShellTreeView::StaticClass() {
  static const TClassInfo info = [] {
    using T = TCustomVintoShellTreeView;
    TClassBuilder<TVintoShellTreeView> b("TVintoShellTreeView", &T::StaticClass());
    b.Creatable();
    // Defaults that differ from a plain tree view's come first: the first
    // property of a name wins.
    b.Prop("ChangeDelay", &T::GetChangeDelay, &T::SetChangeDelay, 50)
        .Prop("RightClickSelect", &T::GetRightClickSelect, &T::SetRightClickSelect, true);
    PublishTreeViewProperties(b);
    return b.Prop("AutoContextMenu", &T::GetAutoContextMenu, &T::SetAutoContextMenu, true)
        .Prop("AutoDefaultCommand", &T::GetAutoDefaultCommand, &T::SetAutoDefaultCommand, true)
        .Prop("AutoExpandInterval", &T::GetAutoExpandInterval, &T::SetAutoExpandInterval, 500)
        .Prop("AutoKeyboardShortcuts", &T::GetAutoKeyboardShortcuts, &T::SetAutoKeyboardShortcuts,
              true)
        .Prop("AutoRefreshContents", &T::GetAutoRefreshContents, &T::SetAutoRefreshContents, true)
        .Prop("AutoScrollInterval", &T::GetAutoScrollInterval, &T::SetAutoScrollInterval, 50)
        .Prop("CorvaneDragDropBehaviour", &T::GetCorvaneDragDropBehaviour,
              &T::SetCorvaneDragDropBehaviour, false)
        .PropNoDefault("ComboBox", &T::GetComboBox, &T::SetComboBox)
        .Prop("ItemTypes", &T::GetItemTypeSet, &T::SetItemTypeSet,
              TSet<TVintoShellItemType>{itFolders, itIncludeHidden})
        .PropNoDefault("ListView", &T::GetListView, &T::SetListView)
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
        .EventProp("OnDriveAdded", &T::OnDriveAdded)
        .EventProp("OnDriveRemoved", &T::OnDriveRemoved)
        .EventProp("OnMediaInserted", &T::OnMediaInserted)
        .EventProp("OnMediaRemoved", &T::OnMediaRemoved)
        .EventProp("OnSelectionChanged", &T::OnSelectionChanged)
        .EventProp("OnDragOver", &T::OnDragOver)
        .EventProp("OnDragDrop", &T::OnDragDrop)
        .EventProp("OnStartDrag", &T::OnStartDrag)
        .EventProp("OnEndDrag", &T::OnEndDrag)
        .Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TVintoShellTreeView);
