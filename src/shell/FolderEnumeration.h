#pragma once
// The children of a shell folder, as absolute identifier lists, and the
// order in which the shell shows them.

#include <shlobj.h>

#include <vector>

#include "shell/IDListHolder.h"
#include "shell/portable/ShellItemTypes.h"

// Appends the children of the folder Parent (an absolute list) of the given
// types to Children. False when the folder cannot be bound or enumerated;
// Children is then unchanged.
bool EnumerateFolder(LPCITEMIDLIST Parent, TVintoShellItemTypes Types,
                     std::vector<TIDListHolder>& Children);
// The same, for a caller that has bound Folder (the folder of Parent)
// already.
bool EnumerateFolder(IShellFolder* Folder, LPCITEMIDLIST Parent, TVintoShellItemTypes Types,
                     std::vector<TIDListHolder>& Children);

// The desktop folder's order of two absolute lists: negative, 0 or positive.
int CompareShellOrder(LPCITEMIDLIST A, LPCITEMIDLIST B);

// Sorts absolute lists into the desktop folder's order. Stable, and safe even
// when a shell folder's comparison is not a consistent order.
void SortByShellOrder(std::vector<TIDListHolder>& Lists);
