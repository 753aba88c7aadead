#pragma once
// A published property: its name, kind, default and accessors. Values cross
// the registry as TPropValue, whose fields are used according to the kind.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "toolkit/portable/EnumInfo.h"
#include "toolkit/portable/Event.h"

class TObject;
class TClassInfo;

enum TPropKind {
  pkInteger,
  pkEnumeration,
  pkSet,
  pkString,
  pkWideString,
  pkBoolean,
  pkColor,
  pkClass,
  pkStringList,
  pkEvent,
  pkCollection,  // Object is the collection, read through the getter only
};

struct TPropValue {
  // Integer, colour, enumeration ordinal, set bits, boolean (0 or 1).
  std::int64_t Ordinal = 0;
  std::string Text;
  std::wstring Wide;
  TObject* Object = nullptr;
  std::vector<std::string> Lines;
  TMethod Method;
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = pkInteger;
  const TEnumInfo* Enum = nullptr;  // enumeration and set members
  // Class and collection kinds: the declared class. A function, since a
  // class may have a property of its own type.
  const TClassInfo& (*ObjectClassOf)() = nullptr;
  const std::type_info* EventType = nullptr;
  // Integer kind: identifiers accepted in place of a number.
  std::optional<int> (*IdentToInt)(std::string_view) = nullptr;
  bool HasDefault = false;
  TPropValue Default;
  std::function<TPropValue(const TObject&)> Get;
  // Empty for an object property that is only read through (Font.Name).
  std::function<void(TObject&, const TPropValue&)> Set;

  const TClassInfo* ObjectClass() const { return ObjectClassOf ? &ObjectClassOf() : nullptr; }
};
