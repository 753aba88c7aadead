#include "skin/definition/SkinBlobLoader.h"

#include "skin/definition/QuickIni.h"
#include "skin/definition/SkinLoader.h"

void LoadSkinFromArchive(const TSkinReader& Reader, TParsedSkin& Skin) {
  TBytes definition;
  std::string name;
  Reader.ExtractFirstMatching(".ini", definition, name);
  TQuickIni ini;
  ini.LoadFromStream(definition);
  TSkinReaderFiles files(Reader);
  TSkinLoader(Skin, ini, files).Load();
}

bool LoadSkinBlob(TByteView Compressed, TParsedSkin& Skin) {
  TSkinReader reader;
  if (!reader.LoadArchive(Compressed)) return false;
  LoadSkinFromArchive(reader, Skin);
  return true;
}
