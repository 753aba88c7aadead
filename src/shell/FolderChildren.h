#pragma once
// What a folder tree needs of the shell for one node when it is added: the
// object's attributes and display name, asked in one question; and, for a
// folder, its children with those, in the shell's order. Icons are left
// out: finding an object's icon costs the shell several times what the
// rest does, so a tree asks for it only when a node is drawn.

#include <windows.h>
// (needs windows.h first)
#include <shlobj.h>

#include <string>
#include <vector>

#include "shell/IDListHolder.h"
#include "shell/portable/ShellItemTypes.h"

struct TShellNodeInfo {
  TIDListHolder List;  // absolute
  ULONG Attributes = 0;
  std::string Text;
};

// Fills Info from List (which Info then owns); AttributeMask names the
// attributes asked for.
void DescribeShellObject(LPITEMIDLIST List, ULONG AttributeMask, TShellNodeInfo& Info);

// The children of Parent of the given types that have one of the
// attributes in Required, described with AttributeMask | Required and
// sorted into the shell's order. False when the folder cannot be bound or
// listed.
bool ReadFolderChildren(LPCITEMIDLIST Parent, TVintoShellItemTypes Types, ULONG Required,
                        ULONG AttributeMask, std::vector<TShellNodeInfo>& Children);
// The same, of the folder Folder (null: not bound) that Parent names.
bool ReadFolderChildren(IShellFolder* Folder, LPCITEMIDLIST Parent, TVintoShellItemTypes Types,
                        ULONG Required, ULONG AttributeMask, std::vector<TShellNodeInfo>& Children);
