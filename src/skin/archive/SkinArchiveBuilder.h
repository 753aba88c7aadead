#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/archive/Bytes.h"

// Builds a skin archive from named files, in the order they are added.
// Names are stored as given (readers lower-case them); the opaque block
// after the header is zero.
class TSkinArchiveBuilder {
 public:
  static constexpr std::uint32_t kCurrentVersion = 50000;

  void Add(std::string Name, TBytes Bytes);
  std::size_t Count() const { return Files.size(); }

  // The decompressed archive. Version must be one a reader recognises.
  TBytes Build(std::uint32_t Version = kCurrentVersion) const;
  // The archive compressed into a skin blob.
  TBytes BuildCompressed(std::uint32_t Version = kCurrentVersion) const;

 private:
  struct TFile {
    std::string Name;
    TBytes Bytes;
  };
  std::vector<TFile> Files;
};
