#pragma once
// The text rules of the copy batch file and the two lines built from them.
// Paths are single-byte text in the system code page.

#include <string>

namespace BatchText {

// Tells whether a byte starts a double-byte character in the code page in use;
// null means a single-byte code page.
using LeadByteTest = bool (*)(unsigned char);

// True when the last character of Text is a backslash (a trail byte of a
// double-byte character is not one).
bool EndsWithBackslash(const std::string& Text, LeadByteTest IsLeadByte = nullptr);

// Appends "\" unless Text already ends with one; "" becomes "\".
std::string IncludeTrailingBackslash(const std::string& Text, LeadByteTest IsLeadByte = nullptr);

// Removes one trailing backslash, if there is one.
std::string ExcludeTrailingBackslash(const std::string& Text, LeadByteTest IsLeadByte = nullptr);

// The part after the last backslash or colon; all of Text if it has neither.
std::string LastComponent(const std::string& Text, LeadByteTest IsLeadByte = nullptr);

struct TCopyLines {
  std::string MakeDir;  // MD "<dest>\<name>"
  std::string Copy;     // xcopy "<source>\*.*" "<dest>\<name>\" /E /H /R /s /c /Y
};

// Doubles every "%", so that the command processor, which reads "%" in a
// batch file as the start of a variable, gives back the text as it is.
std::string EscapePercent(const std::string& Text);

// Builds both lines for source folder Source and destination folder Dest.
// The paths are inserted with every "%" doubled; nothing else is changed.
TCopyLines BuildCopyLines(const std::string& Source, const std::string& Dest,
                          LeadByteTest IsLeadByte = nullptr);

// The file's bytes: each line followed by CR LF.
std::string FileContents(const TCopyLines& Lines);

}  // namespace BatchText
