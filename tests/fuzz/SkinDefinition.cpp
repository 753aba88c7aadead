// The skin definition text and the whole skin load on arbitrary input.
//
// The first byte picks the form. Even: the rest is a definition text, loaded
// against a fixed set of small images under the names skins commonly use.
// Odd: the rest is split at the first NUL into a definition text and a series
// of images; each image takes a width and height byte and as many pixel bytes
// as follow, is written as a BMP named 0.bmp, 1.bmp, ... and packed with the
// text into an archive that is then loaded as the program loads skins.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinReader.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/definition/SkinLoader.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

TPixelBuffer Image(int Width, int Height, const std::uint8_t* Bytes, std::size_t Size) {
  TPixelBuffer image(Width, Height);
  for (int i = 0; i < Width * Height; ++i) {
    const std::size_t at = Size ? static_cast<std::size_t>(i) * 3 % Size : 0;
    // Magenta often, so transparency paths run.
    const std::uint8_t b = Size ? Bytes[at] : 0;
    image.Data()[i] = b < 64 ? KeyPixel : PixelFromRgb(b, Size > 1 ? Bytes[(at + 1) % Size] : 0, i);
  }
  return image;
}

void LoadText(std::string_view Text) {
  static const TMemorySkinFiles files = [] {
    TMemorySkinFiles f;
    const std::uint8_t seed[] = {200, 10, 30, 7, 90, 250, 0, 128};
    for (const char* name : {"a.bmp", "b.bmp", "image.bmp", "top.bmp", "button.bmp"})
      f.Add(name, BmpEncoder::Encode24(Image(5 + name[0] % 7, 3 + name[0] % 5, seed, sizeof seed)));
    f.Add("wide.bmp", BmpEncoder::Encode24(Image(120, 21, seed, sizeof seed)));
    return f;
  }();
  TQuickIni ini;
  ini.LoadFromText(Text);
  TParsedSkin skin;
  TSkinLoader(skin, ini, files).Load();
  TSkinFindings findings;  // a reload replaces everything, and tells what it found
  TSkinLoader(skin, ini, files, &findings).Load();
  findings.Summary();
}

void LoadArchive(const std::uint8_t* Data, std::size_t Size) {
  const std::uint8_t* end = Data + Size;
  const std::uint8_t* nul = std::find(Data, end, 0);
  TSkinArchiveBuilder builder;
  builder.Add("skin.ini", TBytes(Data, nul));
  const std::uint8_t* at = nul == end ? end : nul + 1;
  for (int index = 0; end - at >= 2 && index < 16; ++index) {
    const int width = at[0] % 64, height = at[1] % 32;
    at += 2;
    const std::size_t take = std::min<std::size_t>(end - at, width * height / 4 + 1);
    builder.Add(std::to_string(index) + ".bmp",
                BmpEncoder::Encode24(Image(width, height, at, take)));
    at += take;
  }
  TSkinReader reader;
  if (!reader.LoadDecompressed(builder.Build())) return;
  TParsedSkin skin;
  TSkinFindings findings;
  LoadSkinFromArchive(reader, skin, &findings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  if (Data[0] % 2 == 0)
    LoadText(std::string_view(reinterpret_cast<const char*>(Data + 1), Size - 1));
  else
    LoadArchive(Data + 1, Size - 1);
  return 0;
}
