#pragma once
// Item identifier lists of the shell namespace: conversions to and from paths,
// names and special folders, and the byte operations over the shell
// allocator. A null list is an absent list. Every function that returns a new
// list hands its ownership to the caller (release it with FreeIDList); none
// of them raises.

#include <shlobj.h>
#include <wrl/client.h>

#include <string>

#include "shell/portable/ShellFolderNames.h"

// A folder named by a special-folder name ("sfDesktop") or a path.
using TVintoShellFolder = std::string;
using TShellFolderPtr = Microsoft::WRL::ComPtr<IShellFolder>;

LPITEMIDLIST AllocIDList(UINT Size);
void FreeIDList(LPITEMIDLIST List);

LPITEMIDLIST NextID(LPCITEMIDLIST Item);
LPITEMIDLIST LastID(LPCITEMIDLIST List);
void StripLastID(LPITEMIDLIST List);
UINT IDListSize(LPCITEMIDLIST List);
UINT IDCount(LPCITEMIDLIST List);
LPITEMIDLIST CopyIDList(LPCITEMIDLIST List);
LPITEMIDLIST ConcatIDLists(LPCITEMIDLIST First, LPCITEMIDLIST Second);

LPITEMIDLIST GetSpecialFolderIDList(TVintoShellSpecialFolder Folder);
LPITEMIDLIST PathToIDList(const std::string& Path);

bool SameIDList(LPCITEMIDLIST A, LPCITEMIDLIST B);
bool IsDesktopIDList(LPCITEMIDLIST List);
bool IsDrivesFolder(LPCITEMIDLIST List);

std::string GetDisplayName(LPCITEMIDLIST List);
// The file-system path; empty when the object has none.
std::string IDListToPath(LPCITEMIDLIST List);
ULONG GetAttributes(LPCITEMIDLIST List, ULONG Mask);
// Index in the system image list.
int GetIconIndex(LPCITEMIDLIST List, bool Large, bool Open);
// The same for the closed icon, asked of Folder, the folder that holds List
// (bound already; null: not bound), which costs the shell far less than
// asking by the whole list. Not for a shortcut: asked that way, the shell
// may give its icon with the arrow drawn on.
int GetClosedIconIndexIn(IShellFolder* Folder, LPCITEMIDLIST List);

// The object's folder interface: the desktop folder for the desktop; empty
// when the object is no folder or cannot be bound.
TShellFolderPtr BindToFolder(LPCITEMIDLIST List);
TShellFolderPtr BindToParentFolder(LPCITEMIDLIST List);

// Ordinal of the first special folder (in table order) that List is;
// kSpecialFolderCount when it is none.
int SpecialFolderIndex(LPCITEMIDLIST List);
bool IsSpecialFolder(LPCITEMIDLIST List);
TVintoShellFolder IDListToFolderText(LPCITEMIDLIST List);
// A special-folder name, or a path parsed with a trailing backslash added
// unless present (AddBackslash false: parsed as it stands). Null on failure.
LPITEMIDLIST FolderTextToIDList(const TVintoShellFolder& Text, bool AddBackslash = true);

DWORD GetDescriptionID(IShellFolder* Folder, LPCITEMIDLIST Item);
