#pragma once
// File dialog filters are written "Description|Pattern|Description|Pattern";
// the system wants each part ended by a NUL and the list by a second NUL.

#include <string>
#include <string_view>

// A filter with an odd number of parts gets an empty pattern for the last
// description; an empty filter gives an empty list (two NULs).
std::string DialogFilterToSystem(std::string_view Filter);
