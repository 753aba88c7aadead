#pragma once
// Identifiers of enumeration types, so that published enumeration and set
// properties can be read and written by name. An enumeration declared with
// FW_ENUM has values 0, 1, 2, ... in the order of its identifiers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TEnumInfo {
 public:
  // Identifiers is the enumerator list as written in the source ("a, b, c").
  TEnumInfo(std::string_view TypeName, std::string_view Identifiers);

  const std::string& TypeName() const { return Name; }
  int Count() const { return static_cast<int>(Names.size()); }
  // The identifier of an ordinal; empty when out of range.
  std::string NameOf(int Ordinal) const;
  // Ordinal of an identifier, compared ignoring ASCII case.
  std::optional<int> ValueOf(std::string_view Identifier) const;

 private:
  std::string Name;
  std::vector<std::string> Names;
};

// Declares an enumeration and its identifier table in one go. The table is
// found through argument-dependent lookup, so FW_ENUM works in any namespace.
#define FW_ENUM(Type, ...)                             \
  enum Type : int { __VA_ARGS__ };                     \
  inline const TEnumInfo& EnumInfoTable(const Type*) { \
    static const TEnumInfo info(#Type, #__VA_ARGS__);  \
    return info;                                       \
  }

template <class E>
const TEnumInfo& EnumInfoOf() {
  return EnumInfoTable(static_cast<const E*>(nullptr));
}

// A set of up to 64 members of an enumeration.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Members) {
    for (E m : Members) Include(m);
  }
  static constexpr TSet FromBits(std::uint64_t Bits) {
    TSet s;
    s.Mask = Bits;
    return s;
  }
  constexpr std::uint64_t Bits() const { return Mask; }
  constexpr bool Contains(E Member) const { return (Mask >> static_cast<int>(Member)) & 1u; }
  constexpr TSet& Include(E Member) {
    Mask |= std::uint64_t{1} << static_cast<int>(Member);
    return *this;
  }
  constexpr TSet& Exclude(E Member) {
    Mask &= ~(std::uint64_t{1} << static_cast<int>(Member));
    return *this;
  }
  constexpr bool Empty() const { return Mask == 0; }
  friend constexpr bool operator==(TSet A, TSet B) = default;

 private:
  std::uint64_t Mask = 0;
};
