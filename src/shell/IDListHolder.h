#pragma once
// Owns one identifier list for a scope and frees it with the shell allocator.

#include <shlobj.h>

#include <utility>

class TIDListHolder {
 public:
  TIDListHolder() = default;
  explicit TIDListHolder(LPITEMIDLIST List) : FList(List) {}
  TIDListHolder(TIDListHolder&& Other) noexcept : FList(std::exchange(Other.FList, nullptr)) {}
  TIDListHolder& operator=(TIDListHolder&& Other) noexcept;
  TIDListHolder(const TIDListHolder&) = delete;
  TIDListHolder& operator=(const TIDListHolder&) = delete;
  ~TIDListHolder();

  LPITEMIDLIST Get() const { return FList; }
  explicit operator bool() const { return FList != nullptr; }
  // Gives up ownership.
  LPITEMIDLIST Release() { return std::exchange(FList, nullptr); }
  void Reset(LPITEMIDLIST List = nullptr);

 private:
  LPITEMIDLIST FList = nullptr;
};

// The first Count items of List, as a list of its own (null for null).
TIDListHolder PrefixOf(LPCITEMIDLIST List, UINT Count);
