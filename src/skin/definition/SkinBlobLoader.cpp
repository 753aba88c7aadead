#include "skin/definition/SkinBlobLoader.h"

#include "skin/archive/SkinMessages.h"
#include "skin/definition/FolderSkinFiles.h"
#include "skin/definition/QuickIni.h"
#include "skin/definition/SkinLoader.h"

namespace {

// Parses the definition text named Name (empty: the skin has none) and
// builds Skin from it and Files.
void LoadDefinition(const std::string& Name, const TBytes& Definition, const TSkinFiles& Files,
                    TParsedSkin& Skin, TSkinFindings* Findings) {
  if (Findings && Name.empty())
    Findings->Add(TSkinFindingKind::MissingDefinition, "",
                  "the skin holds no definition text (a file whose name contains \".ini\"), so "
                  "every value takes its default.",
                  "no definition text");
  else if (Findings && Definition.empty() && Files.State(Name) == TSkinFileState::Damaged)
    Findings->Add(TSkinFindingKind::DamagedArchive, Name,
                  "the definition text cannot be read, so every value takes its default.",
                  Name + " is damaged");
  else if (Findings && Definition.empty())
    Findings->Add(TSkinFindingKind::MissingDefinition, Name,
                  "the definition text is empty, so every value takes its default.",
                  Name + " is empty");
  TQuickIni ini;
  ini.LoadFromStream(Definition);
  TSkinLoader(Skin, ini, Files, Findings).Load();
}

}  // namespace

TSkinFileState TSkinReaderFiles::State(std::string_view Name) const {
  std::size_t index = 0;
  if (!FReader.Find(Name, index)) return TSkinFileState::Missing;
  return FReader.IsReadable(index) ? TSkinFileState::Present : TSkinFileState::Damaged;
}

void LoadSkinFromArchive(const TSkinReader& Reader, TParsedSkin& Skin, TSkinFindings* Findings) {
  TBytes definition;
  std::string name;
  Reader.ExtractFirstMatching(".ini", definition, name);
  LoadDefinition(name, definition, TSkinReaderFiles(Reader), Skin, Findings);
}

bool LoadSkinBlob(TByteView Compressed, TParsedSkin& Skin, TSkinFindings* Findings) {
  TSkinReader reader;
  if (!reader.LoadArchive(Compressed)) return false;
  LoadSkinFromArchive(reader, Skin, Findings);
  return true;
}

bool LoadSkinFromFolder(const std::filesystem::path& Folder, TParsedSkin& Skin,
                        TSkinFindings* Findings) {
  const TFolderSkinFiles files(Folder);
  if (!files.Listed()) {
    SkinMessages::Show(SkinMessages::kFolderUnreadable);
    return false;
  }
  const std::string name = files.DefinitionName();
  if (name.empty()) {
    SkinMessages::Show(SkinMessages::kNoDefinitionInFolder);
    return false;
  }
  TBytes definition;
  files.ExtractFile(name, definition);
  LoadDefinition(name, definition, files, Skin, Findings);
  return true;
}
