#pragma once
// Carrying out a verb (a command's language-independent name, such as
// "delete") through a shell context menu.

#include <shlobj.h>

#include <string>

// The spelling in which Menu lists Verb: Verb itself when the menu lists it
// so, or lists no verb that matches it ignoring case; otherwise the menu's own
// spelling. Some shells match verbs by their exact spelling and know the
// canonical ones in lower case only.
std::string MenuSpellingOfVerb(IContextMenu* Menu, const std::string& Verb);

// Carries out Verb with one InvokeCommand in the spelling the menu knows
// (mask 0, no window, show command normal) and returns that call's result.
// A command that the shell carried out and then reported as failed or
// cancelled is never sent again.
HRESULT InvokeMenuVerb(IContextMenu* Menu, const std::string& Verb);
