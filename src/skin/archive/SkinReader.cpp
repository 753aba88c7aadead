#include "skin/archive/SkinReader.h"

#include <algorithm>
#include <cstring>

#include "skin/archive/LZH.h"
#include "skin/archive/LzhException.h"
#include "skin/archive/LzhParams.h"
#include "skin/archive/SkinMessages.h"

namespace {

// Reads forward through a byte range; a read past the end yields what is
// there and zero for the rest.
class TByteCursor {
 public:
  explicit TByteCursor(TByteView Bytes) : Bytes(Bytes) {}

  std::size_t Remaining() const { return Bytes.size() - Pos; }

  TByteView Take(std::int64_t Count) {
    const std::size_t n =
        Count <= 0 ? 0 : static_cast<std::size_t>(std::min<std::uint64_t>(Count, Remaining()));
    const TByteView part = Bytes.subspan(Pos, n);
    Pos += n;
    return part;
  }

  std::uint32_t ReadU32() {
    std::uint8_t raw[4] = {};
    const TByteView part = Take(4);
    std::copy(part.begin(), part.end(), raw);
    return raw[0] | (raw[1] << 8) | (raw[2] << 16) | (static_cast<std::uint32_t>(raw[3]) << 24);
  }

  std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }

 private:
  TByteView Bytes;
  std::size_t Pos = 0;
};

std::int32_t StoredSize(TByteView Compressed) {
  TByteCursor cursor(Compressed);
  return cursor.ReadI32();
}

// Every symbol costs at least one bit and a match of at most kLongestMatch
// bytes costs at least ten (symbol and position), so a stream of B bytes can
// encode no more than 48 * B bytes.
std::int64_t MostEncodable(std::size_t StreamBytes) {
  return static_cast<std::int64_t>(StreamBytes) * 8 * Lzh::kLongestMatch / 10 + Lzh::kLongestMatch;
}

// Splits at CR LF, lone CR or lone LF; a final line break ends the last
// line rather than starting an empty one.
std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < Text.size()) {
    const char c = Text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(Text, start, i - start);
    i += (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < Text.size()) lines.emplace_back(Text, start);
  return lines;
}

}  // namespace

bool TSkinReader::LoadArchive(TByteView Compressed) {
  Clear();
  TBytes archive;
  try {
    Decompress(Compressed, archive);
  } catch (const ElzhException& e) {
    SkinMessages::Show(e.what());
    return false;
  }
  return LoadDecompressed(archive);
}

void TSkinReader::Decompress(TByteView Compressed, TBytes& Target) {
  Target.clear();
  const std::int32_t size = StoredSize(Compressed);
  const TByteView stream = Compressed.subspan(std::min<std::size_t>(4, Compressed.size()));
  if (size < 0 || size > kMaxArchiveSize || size > MostEncodable(stream.size()))
    throw ElzhException(SkinMessages::kSizeOutOfRange);

  Target.reserve(static_cast<std::size_t>(size));
  std::size_t readPos = 0;
  TLZH().Decode(
      size,
      [&](std::uint8_t* buffer, std::size_t count) {
        const std::size_t n = std::min(count, stream.size() - readPos);
        std::memcpy(buffer, stream.data() + readPos, n);
        readPos += n;
        return n;
      },
      [&](const std::uint8_t* buffer, std::size_t count) {
        Target.insert(Target.end(), buffer, buffer + count);
      });
}

bool TSkinReader::LoadDecompressed(TByteView Archive) {
  Clear();
  TByteCursor cursor(Archive);
  const std::uint32_t version = cursor.ReadU32();
  const std::int32_t nameListLength = cursor.ReadI32();
  cursor.Take(8);  // reserved

  const int opaque = OpaqueBlockSize(version);
  if (opaque < 0) return Refuse(SkinMessages::kOlderSkin);
  cursor.Take(opaque);

  const TByteView nameList = cursor.Take(nameListLength);
  std::vector<std::string> names = SplitLines(
      LowerCase(std::string_view(reinterpret_cast<const char*>(nameList.data()), nameList.size())));
  if (names.size() > kMaxEntries) return Refuse(SkinMessages::kTooManyFiles);

  ArchiveVersion = version;
  Entries = std::move(names);
  Sizes.assign(Entries.size(), 0);
  Offsets.assign(Entries.size(), 0);
  std::int64_t offset = 0;
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    Sizes[i] = cursor.ReadI32();
    Offsets[i] = offset;
    offset += Sizes[i];
  }
  const TByteView rest = cursor.Take(static_cast<std::int64_t>(cursor.Remaining()));
  Data.assign(rest.begin(), rest.end());
  return true;
}

bool TSkinReader::Find(std::string_view Name, std::size_t& Index) const {
  const auto found = std::find(Entries.begin(), Entries.end(), LowerCase(Name));
  if (found == Entries.end()) return false;
  Index = static_cast<std::size_t>(found - Entries.begin());
  return true;
}

void TSkinReader::ExtractFile(std::string_view Name, TBytes& Target) const {
  Target.clear();
  std::size_t index = 0;
  if (Find(Name, index)) ExtractEntry(index, Target);
}

void TSkinReader::ExtractFirstMatching(std::string_view Fragment, TBytes& Target,
                                       std::string& FoundName) const {
  Target.clear();
  FoundName.clear();
  for (std::size_t i = 0; i < Entries.size(); ++i) {
    if (Entries[i].find(Fragment) != std::string::npos) {
      FoundName = Entries[i];
      ExtractEntry(i, Target);
      return;
    }
  }
}

bool TSkinReader::IsReadable(std::size_t Index) const {
  const std::int64_t size = Sizes[Index];
  const std::int64_t start = Offsets[Index];
  return size >= 0 && start >= 0 && start + size <= static_cast<std::int64_t>(Data.size());
}

int TSkinReader::OpaqueBlockSize(std::uint32_t Version) {
  switch (Version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    default:
      return -1;
  }
}

std::string TSkinReader::LowerCase(std::string_view Text) {
  std::string lower(Text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

void TSkinReader::Clear() {
  ArchiveVersion = 0;
  Entries.clear();
  Sizes.clear();
  Offsets.clear();
  Data.clear();
}

void TSkinReader::ExtractEntry(std::size_t Index, TBytes& Target) const {
  Target.clear();
  if (!IsReadable(Index)) return;
  const auto first = Data.begin() + Offsets[Index];
  Target.assign(first, first + Sizes[Index]);
}

bool TSkinReader::Refuse(const char* Message) {
  Clear();
  SkinMessages::Show(Message);
  return false;
}
