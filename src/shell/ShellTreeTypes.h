#pragma once
// Types of the folder tree's published properties and events.

#include <string>

#include "shell/ShellItems.h"
#include "shell/portable/ShellItemTypes.h"
#include "toolkit/portable/EnumInfo.h"
#include "toolkit/portable/Event.h"

FW_ENUM(TVintoShellOleDragEffect, deCopy, deMove, deLink)
using TVintoShellOleDragEffects = TSet<TVintoShellOleDragEffect>;
FW_ENUM(TVintoShellOleDropEffect, deDefault, deCopyOnly, deMoveOnly, deLinkOnly)

// Identifier table of the item types, so that ItemTypes can be read from a
// form description as a set.
inline const TEnumInfo& EnumInfoTable(const TVintoShellItemType*) {
  static const TEnumInfo info("TVintoShellItemType", "itFolders, itNonFolders, itIncludeHidden");
  return info;
}

inline TSet<TVintoShellItemType> ItemTypesToSet(TVintoShellItemTypes Types) {
  TSet<TVintoShellItemType> set;
  for (TVintoShellItemType t : {itFolders, itNonFolders, itIncludeHidden})
    if (Types.Contains(t)) set.Include(t);
  return set;
}

inline TVintoShellItemTypes SetToItemTypes(TSet<TVintoShellItemType> Set) {
  TVintoShellItemTypes types;
  for (TVintoShellItemType t : {itFolders, itNonFolders, itIncludeHidden})
    if (Set.Contains(t)) types.Include(t);
  return types;
}

using TVintoShellCommandFailedEvent = TEvent<TObject*, const std::string&>;
using TVintoShellContextMenuCommandEvent =
    TEvent<TObject*, TVintoShellItems*, const std::string&, bool&>;
using TVintoShellContextMenuPopupEvent = TEvent<TObject*, TVintoShellItems*, bool&>;
using TVintoShellDriveEvent = TEvent<TObject*, const std::string&>;

// Drags over and from the shell components. Source and Target are the drag's
// TVintoShellOleDragDropInfo; X and Y are client coordinates, or -1 when a
// drag ended without a drop.
class TVintoShellOleDragDropInfo;
FW_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
using TVintoShellDragOverEvent =
    TEvent<TObject*, TVintoShellOleDragDropInfo*, int, int, TDragState, bool&>;
using TVintoShellDragDropEvent = TEvent<TObject*, TVintoShellOleDragDropInfo*, int, int>;
using TVintoShellStartDragEvent = TEvent<TObject*>;
using TVintoShellEndDragEvent = TEvent<TObject*, TVintoShellOleDragDropInfo*, int, int>;
