#pragma once
// What a folder enumeration returns, and the enumeration flags for it.

#include <cstdint>
#include <initializer_list>

enum TVintoShellItemType { itFolders, itNonFolders, itIncludeHidden };

// A set of TVintoShellItemType, one bit per value.
class TVintoShellItemTypes {
 public:
  constexpr TVintoShellItemTypes() = default;
  constexpr TVintoShellItemTypes(std::initializer_list<TVintoShellItemType> Types) {
    for (TVintoShellItemType type : Types) Bits |= Bit(type);
  }
  constexpr bool Contains(TVintoShellItemType Type) const { return (Bits & Bit(Type)) != 0; }
  constexpr void Include(TVintoShellItemType Type) { Bits |= Bit(Type); }
  constexpr void Exclude(TVintoShellItemType Type) { Bits &= ~Bit(Type); }
  constexpr bool operator==(const TVintoShellItemTypes&) const = default;

 private:
  static constexpr std::uint8_t Bit(TVintoShellItemType Type) {
    return static_cast<std::uint8_t>(1u << Type);
  }
  std::uint8_t Bits = 0;
};

// SHCONTF_FOLDERS (0x20), SHCONTF_NONFOLDERS (0x40), SHCONTF_INCLUDEHIDDEN
// (0x80) for the types in the set.
constexpr std::uint32_t ItemTypesToEnumFlags(TVintoShellItemTypes Types) {
  std::uint32_t flags = 0;
  if (Types.Contains(itFolders)) flags |= 0x20;
  if (Types.Contains(itNonFolders)) flags |= 0x40;
  if (Types.Contains(itIncludeHidden)) flags |= 0x80;
  return flags;
}
