#include "damagedskins/DamagedSkins.h"

#include <random>
#include <sstream>

#include "skin/archive/LZHEncoder.h"
#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinReader.h"

namespace {

using TRandom = std::mt19937;

int Below(TRandom& Random, std::size_t N) {
  return N ? static_cast<int>(std::uniform_int_distribution<std::size_t>(0, N - 1)(Random)) : 0;
}

void PutU32(TBytes& Bytes, std::size_t At, std::uint32_t Value) {
  for (int i = 0; i < 4; ++i) Bytes[At + i] = static_cast<std::uint8_t>(Value >> (8 * i));
}

// Changes Count random bytes of Bytes in [From, To).
std::string ChangeBytes(TRandom& Random, TBytes& Bytes, std::size_t From, std::size_t To,
                        int Count) {
  std::ostringstream what;
  if (To > Bytes.size()) To = Bytes.size();
  if (From >= To) return "nothing to change";
  for (int i = 0; i < Count; ++i) {
    const std::size_t at = From + Below(Random, To - From);
    const auto value = static_cast<std::uint8_t>(Below(Random, 256));
    what << (i ? "," : "") << at << "=" << int(value);
    Bytes[at] = value;
  }
  return what.str();
}

// A bitmap file header and info header for Width x Height at Bits per
// pixel, with Data bytes of pixels after it (whatever the size claims).
TBytes Bitmap(std::int32_t Width, std::int32_t Height, std::uint16_t Bits, std::size_t Data) {
  TBytes b(54 + Data, 0x5a);
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, static_cast<std::uint32_t>(b.size()));
  PutU32(b, 6, 0);
  PutU32(b, 10, 54);
  PutU32(b, 14, 40);
  PutU32(b, 18, static_cast<std::uint32_t>(Width));
  PutU32(b, 22, static_cast<std::uint32_t>(Height));
  b[26] = 1;
  b[27] = 0;
  b[28] = static_cast<std::uint8_t>(Bits);
  b[29] = static_cast<std::uint8_t>(Bits >> 8);
  for (std::size_t i = 30; i < 54; ++i) b[i] = 0;
  return b;
}

std::string DamageBitmap(TRandom& Random, TBytes& Bytes) {
  switch (Below(Random, 8)) {
    case 0:
      Bytes = Bitmap(1, 1, 24, 4);
      return "one pixel";
    case 1:
      Bytes.clear();
      return "empty";
    case 2:
      Bytes = Bitmap(4000, 4000, 24, 64);
      return "4000x4000 header, 64 bytes of pixels";
    case 3:
      Bytes = Bitmap(4000, -4000, 32, 16);
      return "4000x-4000 header at 32 bits, 16 bytes";
    case 4:
      Bytes = Bitmap(-7, 0, 24, 8);
      return "negative width, zero height";
    case 5:
      Bytes = Bitmap(16, 16, 7, 100);
      return "7 bits per pixel";
    case 6: {
      TBytes b = Bitmap(16, 16, 8, 300);
      PutU32(b, 10, 0x7fffff00);  // pixels far past the end
      PutU32(b, 14, 0xffffffff);  // header size nonsense
      Bytes = b;
      return "bad offsets and header size";
    }
    default:
      Bytes.resize(std::min<std::size_t>(Bytes.size(), 2 + Below(Random, 60)));
      return "header cut to " + std::to_string(Bytes.size()) + " bytes";
  }
}

const char* const kBadValues[] = {"99999999999", "2147483647", "-2147483648", "-1",  "-30000",
                                  "",            "abc",        "1e9",         "0x10", " ",
                                  "1000000",     "=",          "-",           "0"};

// Replaces the values of Count random "Key=Value" lines of the text.
std::string DamageDefinition(TRandom& Random, TBytes& Text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::uint8_t c : Text) {
    line.push_back(static_cast<char>(c));
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    }
  }
  if (!line.empty()) lines.push_back(line);
  std::vector<std::size_t> values;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].find('=') != std::string::npos && lines[i][0] != ';') values.push_back(i);
  std::ostringstream what;
  const int count = 1 + Below(Random, 12);
  for (int i = 0; i < count && !values.empty(); ++i) {
    std::string& l = lines[values[Below(Random, values.size())]];
    const std::string key = l.substr(0, l.find('='));
    const std::string value = kBadValues[Below(Random, std::size(kBadValues))];
    l = key + "=" + value + "\r\n";
    what << (i ? "; " : "") << key << "=" << value;
  }
  Text.clear();
  for (const std::string& l : lines) Text.insert(Text.end(), l.begin(), l.end());
  return what.str();
}

// Where the archive's index ends: header, opaque block, name list, sizes.
std::size_t IndexEnd(const TBytes& Archive, std::size_t Files) {
  const std::uint32_t version =
      Archive[0] | Archive[1] << 8 | Archive[2] << 16 | std::uint32_t(Archive[3]) << 24;
  const std::uint32_t names =
      Archive[4] | Archive[5] << 8 | Archive[6] << 16 | std::uint32_t(Archive[7]) << 24;
  return 16 + TSkinReader::OpaqueBlockSize(version) + names + 4 * Files;
}

}  // namespace

TDamagedSkins::TDamagedSkins(const TBytes& Sound) : FSound(Sound) {
  TSkinReader reader;
  reader.LoadArchive(Sound);
  TSkinReader::Decompress(Sound, FArchive);
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    TFile file{reader.Names()[i], {}};
    reader.ExtractEntry(i, file.Bytes);
    const std::string& n = file.Name;
    if (n.size() > 4 && n.compare(n.size() - 4, 4, ".bmp") == 0) FBitmaps.push_back(i);
    if (n.size() > 4 && n.compare(n.size() - 4, 4, ".ini") == 0) FDefinition = i;
    FFiles.push_back(std::move(file));
  }
}

TBytes TDamagedSkins::Pack(const std::vector<TFile>& Files) const {
  TSkinArchiveBuilder builder;
  for (const TFile& f : Files) builder.Add(f.Name, f.Bytes);
  return builder.BuildCompressed();
}

TDamagedSkin TDamagedSkins::Make(std::uint32_t Seed, int Number) const {
  TRandom random(Seed * 7919u + static_cast<std::uint32_t>(Number));
  TDamagedSkin skin;
  switch (Number % 6) {
    case 0: {
      skin.Bytes = FSound;
      skin.Bytes.resize(Below(random, FSound.size()));
      skin.What = "cut to " + std::to_string(skin.Bytes.size()) + " bytes";
      break;
    }
    case 1: {
      skin.Bytes = FSound;
      skin.What = "stream bytes " + ChangeBytes(random, skin.Bytes, 4, skin.Bytes.size(),
                                                1 + Below(random, 8));
      break;
    }
    case 2: {
      TBytes archive = FArchive;
      skin.What = "index bytes " + ChangeBytes(random, archive, 0,
                                               IndexEnd(archive, FFiles.size()),
                                               1 + Below(random, 4));
      skin.Bytes = TLZHEncoder::CompressBlob(archive);
      break;
    }
    case 3: {
      std::vector<TFile> files = FFiles;
      skin.What = "values " + DamageDefinition(random, files[FDefinition].Bytes);
      skin.Bytes = Pack(files);
      break;
    }
    default: {
      std::vector<TFile> files = FFiles;
      const int count = 1 + Below(random, Number % 6 == 4 ? 1 : 6);
      for (int i = 0; i < count && !FBitmaps.empty(); ++i) {
        TFile& f = files[FBitmaps[Below(random, FBitmaps.size())]];
        skin.What += (i ? "; " : "") + f.Name + ": " + DamageBitmap(random, f.Bytes);
      }
      skin.Bytes = Pack(files);
      break;
    }
  }
  return skin;
}
