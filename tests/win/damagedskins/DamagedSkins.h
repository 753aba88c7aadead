#pragma once
// Damaged skins made from a sound one, each from a seed of its own so that
// any of them can be made again: cut short, bytes changed in the
// compressed stream or in the archive's index, definition values made
// huge, negative, empty or not numbers, bitmaps swapped for one-pixel,
// empty, huge-sized or bad-header ones.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/archive/Bytes.h"

struct TDamagedSkin {
  std::string What;  // how it was damaged, for the failure message
  TBytes Bytes;
};

class TDamagedSkins {
 public:
  // Sound: a compressed skin archive that loads.
  explicit TDamagedSkins(const TBytes& Sound);

  // Case Number of the run seeded with Seed; the same two give the same skin.
  TDamagedSkin Make(std::uint32_t Seed, int Number) const;

 private:
  struct TFile {
    std::string Name;
    TBytes Bytes;
  };
  TBytes Pack(const std::vector<TFile>& Files) const;

  TBytes FSound;
  TBytes FArchive;  // FSound decompressed
  std::vector<TFile> FFiles;
  std::size_t FDefinition = 0;  // index of the definition text in FFiles
  std::vector<std::size_t> FBitmaps;
};
