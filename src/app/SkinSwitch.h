#pragma once
// What "/skin" on the command line does to the main window's skin
// component: "none" switches skinning off; a file name loads the skin in
// that file and switches skinning on. A file that is missing, unreadable or
// not a skin changes nothing but switching on (with the embedded skin) and
// gives one message naming the file and the fault.

#include <string>

class TSkinData;

// Returns the message for the user, empty when there is nothing to say.
std::string ApplySkinSwitch(TSkinData& Data, const std::string& Value);
