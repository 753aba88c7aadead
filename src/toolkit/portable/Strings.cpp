#include "toolkit/portable/Strings.h"

#include <algorithm>
#include <utility>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/TextUtil.h"

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStrings>("TStrings", nullptr)
          .PropNoDefault("Strings", &TStrings::GetStrings, &TStrings::SetStrings)
          .Info();
  return info;
}

const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStringList>("TStringList", &TStrings::StaticClass()).Info();
  return info;
}

std::vector<std::string> SplitLines(std::string_view Text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != '\r' && Text[i] != '\n') continue;
    lines.emplace_back(Text.substr(start, i - start));
    if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < Text.size()) lines.emplace_back(Text.substr(start));
  return lines;
}

void TStrings::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit)
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
}

std::string TStrings::Get(int Index) const {
  CheckIndex(Index, Count());
  return DoGet(Index);
}

void TStrings::Put(int Index, const std::string& Value) {
  CheckIndex(Index, Count());
  DoPut(Index, Value);
  Changed();
}

void TStrings::DoPut(int Index, const std::string& Value) {
  DoDelete(Index);
  DoInsert(Index, Value);
}

int TStrings::Insert(int Index, const std::string& Value) {
  CheckIndex(Index, Count() + 1);
  int at = DoInsert(Index, Value);
  Changed();
  return at;
}

int TStrings::Add(const std::string& Value) {
  return Insert(Count(), Value);
}

void TStrings::Delete(int Index) {
  CheckIndex(Index, Count());
  DoDelete(Index);
  Changed();
}

int TStrings::IndexOf(std::string_view Value) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (SameText(DoGet(i), Value)) return i;
  return -1;
}

std::vector<std::string> TStrings::GetStrings() const {
  std::vector<std::string> lines;
  for (int i = 0, n = Count(); i < n; ++i) lines.push_back(DoGet(i));
  return lines;
}

void TStrings::SetStrings(const std::vector<std::string>& Lines) {
  BeginUpdate();
  Clear();
  for (const std::string& line : Lines) DoInsert(Count(), line);
  Changed();
  EndUpdate();
}

std::string TStrings::GetText() const {
  std::string text;
  for (int i = 0, n = Count(); i < n; ++i) text += DoGet(i) + "\r\n";
  return text;
}

void TStrings::SetText(std::string_view Text) {
  SetStrings(SplitLines(Text));
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdating(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  SetUpdating(false);
  if (std::exchange(FChangedWhileUpdating, false)) OnChange(this);
}

void TStrings::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  OnChange(this);
}

namespace {
bool LessIgnoringCase(const std::string& A, const std::string& B) {
  return LowerCase(A) < LowerCase(B);
}
}  // namespace

void TStringList::Clear() {
  if (FLines.empty()) return;
  FLines.clear();
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  FSorted = Value;
  if (Value) {
    Sort();
    Changed();
  }
}

void TStringList::Sort() {
  std::stable_sort(FLines.begin(), FLines.end(), LessIgnoringCase);
}

void TStringList::DoPut(int Index, const std::string& Value) {
  if (FSorted) {
    TStrings::DoPut(Index, Value);
    return;
  }
  FLines[static_cast<size_t>(Index)] = Value;
}

int TStringList::DoInsert(int Index, const std::string& Value) {
  auto at = FLines.begin() + Index;
  if (FSorted) at = std::upper_bound(FLines.begin(), FLines.end(), Value, LessIgnoringCase);
  auto inserted = FLines.insert(at, Value);
  return static_cast<int>(inserted - FLines.begin());
}

void TStringList::DoDelete(int Index) {
  FLines.erase(FLines.begin() + Index);
}
