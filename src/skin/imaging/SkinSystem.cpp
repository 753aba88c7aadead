#include "skin/imaging/SkinSystem.h"

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

#include "toolkit/portable/BmpDecoder.h"

namespace {

constexpr std::array<TColor, 31> ClassicColors = {
    ColorFromRgb(212, 208, 200), ColorFromRgb(58, 110, 165),  ColorFromRgb(10, 36, 106),
    ColorFromRgb(128, 128, 128), ColorFromRgb(212, 208, 200), ColorFromRgb(255, 255, 255),
    ColorFromRgb(0, 0, 0),       ColorFromRgb(0, 0, 0),       ColorFromRgb(0, 0, 0),
    ColorFromRgb(255, 255, 255), ColorFromRgb(212, 208, 200), ColorFromRgb(212, 208, 200),
    ColorFromRgb(128, 128, 128), ColorFromRgb(10, 36, 106),   ColorFromRgb(255, 255, 255),
    ColorFromRgb(212, 208, 200), ColorFromRgb(128, 128, 128), ColorFromRgb(128, 128, 128),
    ColorFromRgb(0, 0, 0),       ColorFromRgb(212, 208, 200), ColorFromRgb(255, 255, 255),
    ColorFromRgb(64, 64, 64),    ColorFromRgb(212, 208, 200), ColorFromRgb(0, 0, 0),
    ColorFromRgb(255, 255, 225), ColorFromRgb(0, 0, 0),       ColorFromRgb(0, 0, 128),
    ColorFromRgb(166, 202, 240), ColorFromRgb(192, 192, 192), ColorFromRgb(10, 36, 106),
    ColorFromRgb(212, 208, 200),
};

const TSkinSystem* Installed = nullptr;

}  // namespace

TFixedSkinSystem::TFixedSkinSystem(std::string ResourceFolder)
    : FResourceFolder(std::move(ResourceFolder)) {}

TColor TFixedSkinSystem::SysColor(int Index) const {
  return Index >= 0 && Index < static_cast<int>(ClassicColors.size()) ? ClassicColors[Index] : 0;
}

int TFixedSkinSystem::SystemMetric(int Index) const {
  return Index == smCxHScroll ? 16 : 0;
}

TPixelBuffer TFixedSkinSystem::BitmapResource(const std::string& Name) const {
  if (FResourceFolder.empty()) return {};
  std::ifstream file(FResourceFolder + "/" + Name + ".bmp", std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  return BmpDecoder::Decode(bytes.data(), bytes.size());
}

const TSkinSystem& SkinSystem() {
  static const TFixedSkinSystem fallback;
  return Installed ? *Installed : fallback;
}

void SetSkinSystem(const TSkinSystem* System) {
  Installed = System;
}

TColor ResolveColor(TColor Color) {
  return IsSystemColor(Color) ? SkinSystem().SysColor(Color & 0xFF) : Color;
}
