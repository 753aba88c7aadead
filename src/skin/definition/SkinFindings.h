#pragma once
// What the skin reader found wrong in a skin and worked around: files the
// definition names that are not there, bitmaps it could not read, values it
// replaced or clamped. Each finding is recorded where the reader acts on it,
// so the list says exactly what the skin shown differs from what its author
// wrote. The preview window and skinpack show the same lines.

#include <cstddef>
#include <string>
#include <vector>

enum class TSkinFindingKind {
  MissingFile,       // named by the definition, not in the skin
  UnreadableBitmap,  // there, but not a bitmap the reader understands
  ClampedValue,      // a number outside what the key allows, brought into range
  BadValue,          // not a number (or not a colour), replaced by the default
  DamagedArchive,    // the skin file itself is damaged
  MissingDefinition  // the skin holds no definition text
};

struct TSkinFinding {
  TSkinFindingKind Kind;
  std::string Where;  // "[Section] Key", or the file concerned; may be empty
  std::string Text;   // one sentence, ending with a full stop
  std::string Brief;  // a few words for a status bar ("title.bmp is missing")
};

class TSkinFindings {
 public:
  void Add(TSkinFindingKind Kind, std::string Where, std::string Text, std::string Brief = {});
  void Add(TSkinFinding Finding);
  void Clear() { FItems.clear(); }
  bool Empty() const { return FItems.empty(); }
  std::size_t Count() const { return FItems.size(); }
  const std::vector<TSkinFinding>& Items() const { return FItems; }

  // One line for a status bar: "2 problems: title.bmp is missing, [Buttons]
  // Frame is not a number"; empty when there is nothing to report.
  std::string Summary() const;
  // One sentence per finding: "[Title] Image: the file "title.bmp" is not in
  // the skin."
  std::vector<std::string> Lines() const;

  // How many briefs Summary names before "and N more".
  static constexpr std::size_t kSummaryItems = 3;

 private:
  std::vector<TSkinFinding> FItems;
};
