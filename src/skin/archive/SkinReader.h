#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/archive/Bytes.h"

// A decompressed skin archive: a directory of lower-cased names and sizes,
// and the data area holding the files' bytes back to back in name order.
//
// Damaged archives never make the reader touch memory outside its buffers:
// a name list or size table that runs past the data is read short (missing
// sizes are 0), and an entry whose bytes do not lie wholly inside the data
// area (negative size, or reaching past the end) extracts as empty.
class TSkinReader {
 public:
  static constexpr std::size_t kMaxEntries = 1001;
  // Largest uncompressed size accepted; a stored size above it is refused
  // before anything is allocated.
  static constexpr std::int64_t kMaxArchiveSize = 64 * 1024 * 1024;

  // Decompresses the blob and reads its directory. Returns false, with the
  // directory and data area empty, for an unrecognised version (the user is
  // told "This is Older Skin File..."), an out-of-range stored size or more
  // than kMaxEntries names; those messages go through SkinMessages.
  bool LoadArchive(TByteView Compressed);

  // Reads the directory of an archive that is already decompressed; same
  // outcomes as LoadArchive.
  bool LoadDecompressed(TByteView Archive);

  // Decodes a compressed blob (4-byte size, then the bit stream) into Target,
  // which then holds exactly the stored size in bytes. A truncated stream
  // decodes on zero bits. Raises ElzhException when the stored size is
  // negative, above kMaxArchiveSize, or more than the stream could encode.
  static void Decompress(TByteView Compressed, TBytes& Target);

  // Target receives the bytes of the first entry named Name (compared after
  // lower-casing Name); it is left empty when there is none.
  void ExtractFile(std::string_view Name, TBytes& Target) const;

  // The index of the first entry named Name (compared after lower-casing
  // Name); false when there is none.
  bool Find(std::string_view Name, std::size_t& Index) const;

  // As ExtractFile for the first entry whose name contains Fragment (not
  // lower-cased); FoundName receives that entry's name, or "" when none.
  void ExtractFirstMatching(std::string_view Fragment, TBytes& Target,
                            std::string& FoundName) const;

  // Target receives the bytes of entry Index, or nothing when the entry
  // does not lie wholly inside the data area.
  void ExtractEntry(std::size_t Index, TBytes& Target) const;

  std::uint32_t Version() const { return ArchiveVersion; }
  const std::vector<std::string>& Names() const { return Entries; }
  // The recorded size of entry Index, as the archive states it.
  std::int32_t SizeOf(std::size_t Index) const { return Sizes[Index]; }
  // Whether entry Index lies wholly inside the data area.
  bool IsReadable(std::size_t Index) const;
  const TBytes& DataArea() const { return Data; }

  // Size of the opaque block after the header for Version, or -1 for an
  // unrecognised version.
  static int OpaqueBlockSize(std::uint32_t Version);
  // ASCII lower-casing, as names are stored and compared.
  static std::string LowerCase(std::string_view Text);

 private:
  void Clear();
  bool Refuse(const char* Message);

  std::uint32_t ArchiveVersion = 0;
  std::vector<std::string> Entries;
  std::vector<std::int32_t> Sizes;
  std::vector<std::int64_t> Offsets;  // start of each entry in the data area
  TBytes Data;
};
