#pragma once
// What "/skin" on the command line does to a window's skin component:
// "none" switches skinning off; a packed skin file or an unpacked skin
// folder (the definition text and its bitmaps) is loaded and skinning
// switched on. A source that is missing, unreadable or not a skin changes
// nothing but switching on (with the skin held before) and gives one
// message naming the source and the fault.

#include <string>

class TSkinData;

// Why Path (a packed skin file or an unpacked skin folder) cannot serve as
// a skin, in words for the user ("the file does not exist"); empty when it
// can.
std::string SkinSourceFault(const std::string& Path);

// Returns the message for the user, empty when there is nothing to say.
std::string ApplySkinSwitch(TSkinData& Data, const std::string& Value);
