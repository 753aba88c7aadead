#pragma once
// The vendor's addresses: the main window shows the web host in its caption,
// and its link label shows and opens the web address.

#include <string_view>

inline constexpr std::string_view kVendorWebHost = "fernwick.example";
inline constexpr std::string_view kVendorWebAddress = "http://fernwick.example";
inline constexpr std::string_view kVendorMailAddress = "info@fernwick.example";

static_assert(kVendorWebAddress.ends_with(kVendorWebHost));
static_assert(kVendorMailAddress.ends_with(kVendorWebHost));
