#pragma once
// The drive named by a free-space change report: its first item list holds
// one item whose data is a signed 32-bit mask of drives (bit 0 = A:).

#include <cstdint>
#include <string>

// "C:\" for a mask whose highest set bit is 2; the empty text when the list
// is absent, its item too short to hold the mask, or the mask names no
// drive (not positive, or past Z:).
std::string FreeSpaceDriveRoot(const std::uint8_t* List);
