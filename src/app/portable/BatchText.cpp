#include "app/portable/BatchText.h"

namespace BatchText {
namespace {

// Index of the last character that is a path delimiter (one of Delims), or
// npos. Bytes that trail a lead byte are skipped, never taken for delimiters.
size_t LastDelimiter(const std::string& Text, const char* Delims, LeadByteTest IsLeadByte) {
  size_t found = std::string::npos;
  for (size_t i = 0; i < Text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(Text[i]);
    if (IsLeadByte && IsLeadByte(c) && i + 1 < Text.size()) {
      ++i;
      continue;
    }
    for (const char* d = Delims; *d; ++d)
      if (Text[i] == *d) found = i;
  }
  return found;
}

}  // namespace

bool EndsWithBackslash(const std::string& Text, LeadByteTest IsLeadByte) {
  if (Text.empty()) return false;
  size_t last = LastDelimiter(Text, "\\", IsLeadByte);
  return last == Text.size() - 1;
}

std::string IncludeTrailingBackslash(const std::string& Text, LeadByteTest IsLeadByte) {
  return EndsWithBackslash(Text, IsLeadByte) ? Text : Text + "\\";
}

std::string ExcludeTrailingBackslash(const std::string& Text, LeadByteTest IsLeadByte) {
  return EndsWithBackslash(Text, IsLeadByte) ? Text.substr(0, Text.size() - 1) : Text;
}

std::string LastComponent(const std::string& Text, LeadByteTest IsLeadByte) {
  size_t last = LastDelimiter(Text, "\\:", IsLeadByte);
  return last == std::string::npos ? Text : Text.substr(last + 1);
}

std::string EscapePercent(const std::string& Text) {
  std::string escaped;
  escaped.reserve(Text.size());
  for (char c : Text) {
    escaped += c;
    if (c == '%') escaped += '%';
  }
  return escaped;
}

TCopyLines BuildCopyLines(const std::string& Source, const std::string& Dest,
                          LeadByteTest IsLeadByte) {
  const std::string name =
      EscapePercent(ExcludeTrailingBackslash(LastComponent(Source, IsLeadByte), IsLeadByte));
  const std::string dest = EscapePercent(IncludeTrailingBackslash(Dest, IsLeadByte));
  const std::string source = EscapePercent(IncludeTrailingBackslash(Source, IsLeadByte));
  TCopyLines lines;
  lines.MakeDir = "MD \"" + dest + name + "\"";
  lines.Copy = "xcopy \"" + source + "*.*\" \"" + dest + name + "\\\" /E /H /R /s /c /Y";
  return lines;
}

std::string FileContents(const TCopyLines& Lines) {
  return Lines.MakeDir + "\r\n" + Lines.Copy + "\r\n";
}

}  // namespace BatchText
