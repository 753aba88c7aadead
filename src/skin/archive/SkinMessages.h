#pragma once
// The skin layer's messages to the user. Portable code never opens a window:
// it hands the text to a handler, which the program sets to show it modally
// and tools set to print it. The default handler drops the text.

#include <functional>
#include <string>

namespace SkinMessages {

inline constexpr const char* kOlderSkin = "This is Older Skin File\rPlease update to new version !";
inline constexpr const char* kSizeOutOfRange =
    "This skin file is damaged: its stored size is out of range";
inline constexpr const char* kEmptySkin = "This skin file is empty";
inline constexpr const char* kTooManyFiles =
    "This skin file is damaged: it lists more than 1001 files";
inline constexpr const char* kCannotOpen = "This skin file or folder cannot be opened";
inline constexpr const char* kFolderUnreadable = "This skin folder cannot be read";
inline constexpr const char* kNoDefinitionInFolder =
    "This folder holds no skin: there is no definition text (a file whose name contains "
    "\".ini\") in it";

using THandler = std::function<void(const std::string& Text)>;

// Installs Handler for the whole process (an empty one restores the default)
// and returns the handler it replaces.
THandler SetHandler(THandler Handler);

// Hands Text to the installed handler.
void Show(const std::string& Text);

}  // namespace SkinMessages
