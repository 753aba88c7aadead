#pragma once
// Loads a compressed skin into a parsed skin: decompresses the archive, parses
// the first file whose name contains ".ini" and builds every element from it
// and the images it names.

#include "skin/archive/Bytes.h"
#include "skin/archive/SkinReader.h"
#include "skin/definition/ParsedSkin.h"
#include "skin/definition/SkinFiles.h"

// The files of a loaded skin archive.
class TSkinReaderFiles : public TSkinFiles {
 public:
  explicit TSkinReaderFiles(const TSkinReader& Reader) : FReader(Reader) {}
  void ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const override {
    FReader.ExtractFile(Name, Target);
  }

 private:
  const TSkinReader& FReader;
};

// Builds Skin from an archive that Reader has loaded.
void LoadSkinFromArchive(const TSkinReader& Reader, TParsedSkin& Skin);

// False, with Skin untouched, when the archive cannot be read (the reader has
// told the user why); true once Skin holds the new skin.
bool LoadSkinBlob(TByteView Compressed, TParsedSkin& Skin);
