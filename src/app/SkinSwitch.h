#pragma once
// What "/skin" on the command line does to a window's skin component:
// "none" switches skinning off; a packed skin file or an unpacked skin
// folder (the definition text and its bitmaps) is loaded and skinning
// switched on. A source that is missing, unreadable, not a skin or damaged
// (its archive broken, its definition gone, bitmaps it names missing or
// unreadable) changes nothing but switching on (with the skin held before)
// and gives one message naming the source and the fault.

#include <cstddef>
#include <string>

class TSkinData;
class TSkinFindings;

// Who a skin is read for: a user is shown a skin only when nothing it names
// is missing or broken; an author judging a skin is shown what can be
// shown of it (with what the reader found wrong).
enum class TSkinReading { srForUser, srForAuthor };

// Why Path (a packed skin file or an unpacked skin folder) cannot serve as
// a skin, in words for the user ("the file does not exist"); empty when it
// can. The skin is read on its own for this; nothing is applied.
std::string SkinSourceFault(const std::string& Path, TSkinReading Reading);

// Returns the message for the user, empty when there is nothing to say: why
// the source cannot be used, or the faults the reader works around in a
// skin it shows.
std::string ApplySkinSwitch(TSkinData& Data, const std::string& Value);

// The findings one sentence a line, the first MostLines of them and how
// many more, for a message box.
std::string FindingsText(const TSkinFindings& Findings, std::size_t MostLines = 12);
