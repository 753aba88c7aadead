// Writes the program's skin: the definition text and every image as BMP files
// into <out>/default, the program's own bitmaps into <out>/resources, and,
// when asked, a contact sheet of everything as a PNG file.
//
//   skingen <out> [--sheet <file.png>] [--preview <file.png>]
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Bmp.h"
#include "ContactSheet.h"
#include "Files.h"
#include "Png.h"
#include "Preview.h"
#include "SkinArt.h"
#include "SkinDefinition.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

void WriteImages(const fs::path& folder, const std::vector<TAsset>& images) {
  fs::create_directories(folder);
  for (const TAsset& a : images) {
    std::vector<uint8_t> bytes = Bmp::Encode(a.Image);
    WriteFile(folder / a.Name, std::string(bytes.begin(), bytes.end()));
  }
}

int Usage() {
  std::fprintf(stderr, "usage: skingen <out> [--sheet <file.png>] [--preview <file.png>]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  fs::path out = argv[1];
  std::string sheetPath, previewPath;
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--sheet" || arg == "--preview") && i + 1 < argc)
      (arg == "--sheet" ? sheetPath : previewPath) = argv[++i];
    else
      return Usage();
  }
  try {
    TSkinArt art;
    std::vector<TAsset> skin = art.SkinImages();
    std::vector<TAsset> resources = art.ResourceImages();
    WriteImages(out / "default", skin);
    WriteFile(out / "default" / Files::Definition, TSkinDefinition().Text());
    WriteImages(out / "resources", resources);
    if (!sheetPath.empty() || !previewPath.empty()) {
      TPixmap preview = TPreview(skin).Draw();
      if (!previewPath.empty()) Png::Write(previewPath, preview);
      if (!sheetPath.empty())
        Png::Write(sheetPath, TContactSheet().Draw(preview, {skin, resources}));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
