#pragma once
// Whether the system has a handler for web pages or for mail, so that a link
// label can tell whether opening its address would lead anywhere.

// True when both ".html" and ".htm" have an open command in the class
// registry.
bool HasWebPageHandler();
// True when the mail interface library can be loaded.
bool HasMailHandler();
