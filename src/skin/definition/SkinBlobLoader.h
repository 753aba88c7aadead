#pragma once
// Loads a skin into a parsed skin, from a compressed skin archive or from an
// unpacked skin folder: finds the definition text (the first file whose name
// contains ".ini"), parses it and builds every element from it and the
// images it names. What the reader finds wrong on the way goes into the
// findings, when given.

#include <filesystem>

#include "skin/archive/Bytes.h"
#include "skin/archive/SkinReader.h"
#include "skin/definition/ParsedSkin.h"
#include "skin/definition/SkinFiles.h"
#include "skin/definition/SkinFindings.h"

// The files of a loaded skin archive.
class TSkinReaderFiles : public TSkinFiles {
 public:
  explicit TSkinReaderFiles(const TSkinReader& Reader) : FReader(Reader) {}
  void ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const override {
    FReader.ExtractFile(Name, Target);
  }
  TSkinFileState State(std::string_view Name) const override;

 private:
  const TSkinReader& FReader;
};

// Builds Skin from an archive that Reader has loaded.
void LoadSkinFromArchive(const TSkinReader& Reader, TParsedSkin& Skin,
                         TSkinFindings* Findings = nullptr);

// False, with Skin untouched, when the archive cannot be read (the reader has
// told the user why); true once Skin holds the new skin.
bool LoadSkinBlob(TByteView Compressed, TParsedSkin& Skin, TSkinFindings* Findings = nullptr);

// False, with Skin untouched, when Folder cannot be listed or holds no
// definition text (the user is told through SkinMessages); true once Skin
// holds the skin of the folder. A folder loads as its packed form would.
bool LoadSkinFromFolder(const std::filesystem::path& Folder, TParsedSkin& Skin,
                        TSkinFindings* Findings = nullptr);
