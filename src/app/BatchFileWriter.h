#pragma once
// Writes a file so that it appears whole or not at all: the bytes go to a
// temporary file beside the target, which then replaces the target. A target
// that is a link is written through to what it links to; an existing file in
// a folder where no file can be made or replaced is written in place.

#include <stdexcept>
#include <string>

// Raised when a file cannot be created; the message names the file.
class EFCreateError : public std::runtime_error {
 public:
  explicit EFCreateError(const std::string& FileName);
  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
};

class TBatchFileWriter {
 public:
  // Replaces FileName (single-byte path in the system code page) with
  // Contents. On failure an existing file of that name is left untouched,
  // no temporary file remains, and EFCreateError is raised; so too for an
  // existing file that is read-only, hidden or system, which the platform's
  // create-always refuses as well.
  static void Write(const std::string& FileName, const std::string& Contents);
};
