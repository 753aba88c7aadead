#include "skin/engine/PropertyAccess.h"

#include <windows.h>

#include <charconv>

#include "toolkit/portable/ClassInfo.h"

namespace {

const TPropInfo* Find(const TObject* Object, std::string_view Name) {
  if (!Object) return nullptr;
  const TPropInfo* info = Object->ClassType().FindProperty(Name);
  return info && info->Get ? info : nullptr;
}

std::wstring Widen(const std::string& Text) {
  if (Text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(std::string_view Text) {
  return std::string(Text);
}

std::wstring WidenView(std::string_view Text) {
  return Widen(std::string(Text));
}

}  // namespace

std::int64_t GetOrdPropByName(const TObject* Object, std::string_view Name) {
  const TPropInfo* info = Find(Object, Name);
  if (!info || (info->Kind != pkInteger && info->Kind != pkColor)) return -1;
  return info->Get(*Object).Ordinal;
}

std::string GetEnumPropByName(const TObject* Object, std::string_view Name) {
  const TPropInfo* info = Find(Object, Name);
  if (!info) return {};
  const std::int64_t value = info->Get(*Object).Ordinal;
  if (info->Kind == pkBoolean) return value ? "True" : "False";
  if (info->Kind != pkEnumeration || !info->Enum) return {};
  return info->Enum->NameOf(static_cast<int>(value));
}

std::string GetSetPropByName(const TObject* Object, std::string_view Name) {
  const TPropInfo* info = Find(Object, Name);
  if (!info || info->Kind != pkSet || !info->Enum) return {};
  const std::int64_t bits = info->Get(*Object).Ordinal;
  std::string text = "[";
  for (int i = 0; i < info->Enum->Count() && i < 64; ++i) {
    if (!(bits & (std::int64_t{1} << i))) continue;
    if (text.size() > 1) text += ",";
    text += info->Enum->NameOf(i);
  }
  return text + "]";
}

std::wstring GetTextPropByName(const TObject* Object, std::string_view Name) {
  const TPropInfo* info = Find(Object, Name);
  if (!info) return {};
  if (info->Kind == pkWideString) return info->Get(*Object).Wide;
  if (info->Kind == pkString) return Widen(info->Get(*Object).Text);
  return {};
}

TObject* GetObjectPropByName(const TObject* Object, std::string_view Name) {
  const TPropInfo* info = Find(Object, Name);
  if (!info || (info->Kind != pkClass && info->Kind != pkCollection)) return nullptr;
  return info->Get(*Object).Object;
}

bool SetPropByName(TObject* Object, std::string_view Name, std::string_view Text) {
  const TPropInfo* info = Find(Object, Name);
  if (!info || !info->Set) return false;
  TPropValue value;
  switch (info->Kind) {
    case pkInteger:
    case pkColor: {
      std::int64_t number = 0;
      const char* end = Text.data() + Text.size();
      if (std::from_chars(Text.data(), end, number).ptr != end || Text.empty()) return false;
      value.Ordinal = number;
      break;
    }
    case pkBoolean:
      if (Text.size() == 4 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, Text.data(), 4,
                                             "True", 4) == CSTR_EQUAL)
        value.Ordinal = 1;
      else if (Text.size() == 5 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, Text.data(), 5,
                                                  "False", 5) == CSTR_EQUAL)
        value.Ordinal = 0;
      else
        return false;
      break;
    case pkEnumeration: {
      if (!info->Enum) return false;
      const auto ordinal = info->Enum->ValueOf(Text);
      if (!ordinal) return false;
      value.Ordinal = *ordinal;
      break;
    }
    case pkString:
      value.Text = Narrow(Text);
      break;
    case pkWideString:
      value.Wide = WidenView(Text);
      break;
    default:
      return false;
  }
  info->Set(*Object, value);
  return true;
}

std::int64_t GetColorPropByName(const TObject* Object, std::int64_t Default) {
  const TPropInfo* info = Find(Object, "Color");
  if (!info || (info->Kind != pkInteger && info->Kind != pkColor)) return Default;
  return info->Get(*Object).Ordinal;
}
