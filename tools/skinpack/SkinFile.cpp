#include "SkinFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Command.h"
#include "skin/archive/LzhException.h"
#include "skin/archive/SkinMessages.h"

namespace {

std::string SystemError() {
  return std::strerror(errno);
}

// The version field of a blob's archive, or nothing when it cannot be decoded.
bool StoredVersion(TByteView Blob, std::uint32_t& Version) {
  TBytes archive;
  try {
    TSkinReader::Decompress(Blob, archive);
  } catch (const ElzhException&) {
    return false;
  }
  if (archive.size() < 4) return false;
  Version = archive[0] | (archive[1] << 8) | (archive[2] << 16) |
            (static_cast<std::uint32_t>(archive[3]) << 24);
  return true;
}

}  // namespace

TBytes ReadWholeFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  if (!in) throw ECommandError("cannot open " + Path + ": " + SystemError());
  TBytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ECommandError("cannot read " + Path);
  return bytes;
}

void WriteWholeFile(const std::string& Path, TByteView Bytes) {
  std::ofstream out(Path, std::ios::binary | std::ios::trunc);
  if (!out) throw ECommandError("cannot create " + Path + ": " + SystemError());
  out.write(reinterpret_cast<const char*>(Bytes.data()),
            static_cast<std::streamsize>(Bytes.size()));
  out.close();
  if (!out) throw ECommandError("cannot write " + Path);
}

void LoadSkinFile(const std::string& Path, TSkinReader& Reader) {
  const TBytes blob = ReadWholeFile(Path);
  if (Reader.LoadArchive(blob)) return;
  std::uint32_t version = 0;
  if (StoredVersion(blob, version) && TSkinReader::OpaqueBlockSize(version) < 0)
    throw ECommandError(Path + ": unrecognised skin archive version " + std::to_string(version) +
                        " (known: 20000, 30000, 40000, 50000)");
  throw ECommandError(Path + ": not a loadable skin");
}

void InstallMessagePrinter() {
  SkinMessages::SetHandler([](const std::string& Text) {
    std::string line = Text;
    for (char& c : line)
      if (c == '\r' || c == '\n') c = ' ';
    std::fprintf(stderr, "skinpack: %s\n", line.c_str());
  });
}
