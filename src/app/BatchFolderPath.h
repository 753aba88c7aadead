#pragma once
// The path of a folder as a batch file can name it: the file-system path in
// the system's single-byte code page.

#include <shlobj.h>

#include <stdexcept>
#include <string>

// The folder cannot be named in a batch file; the message says why and names
// the pane by its heading.
class EBatchPathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file-system path of List; the empty text when the object has no such
// path (the computer, the network, a network computer itself). Raises
// EBatchPathError when the path holds characters the code page does not
// have: the code page's version of it ("?" for each such character, or a
// look-alike) would name another folder, or none.
std::string BatchFolderPath(LPCITEMIDLIST List, const std::string& Heading);
