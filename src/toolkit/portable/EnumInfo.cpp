#include "toolkit/portable/EnumInfo.h"

#include "toolkit/portable/TextUtil.h"

TEnumInfo::TEnumInfo(std::string_view TypeName, std::string_view Identifiers) : Name(TypeName) {
  std::string current;
  for (char c : Identifiers) {
    if (c == ',') {
      Names.push_back(current);
      current.clear();
    } else if (c != ' ' && c != '\t' && c != '\n') {
      current += c;
    }
  }
  if (!current.empty()) Names.push_back(current);
}

std::string TEnumInfo::NameOf(int Ordinal) const {
  if (Ordinal < 0 || Ordinal >= Count()) return {};
  return Names[Ordinal];
}

std::optional<int> TEnumInfo::ValueOf(std::string_view Identifier) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Names[i], Identifier)) return i;
  return std::nullopt;
}
