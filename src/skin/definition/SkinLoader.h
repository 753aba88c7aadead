#pragma once
// Builds the parsed skin from a definition text and the files it names, in a
// fixed order: frame borders, colours, title buttons, push buttons and caption,
// the other elements, frame counts, then the bitmaps prepared once per load
// (combo box composition, combo arrow, tool-bar background). Missing sections,
// keys or files never fail a load: every value has a default.

#include <string_view>

#include "skin/definition/ParsedSkin.h"
#include "skin/definition/QuickIni.h"
#include "skin/definition/SkinFiles.h"

class TSkinLoader {
 public:
  TSkinLoader(TParsedSkin& Skin, const TQuickIni& Ini, const TSkinFiles& Files);

  // Reloads every part of Skin. An element whose section this skin lacks
  // becomes null.
  void Load();

  // Loads the image a path in the text names: only the file name counts, and
  // only ".bmp" files; anything missing gives an empty image.
  void LoadSkinImage(TPixelBuffer& Bitmap, std::string_view Path) const;

 private:
  void LoadFrameBorders();
  void LoadColours();
  void LoadTitleButtons(const std::vector<std::string>& Sections);
  void LoadMdiButtons();
  void LoadPushButtons();
  void LoadCaption();
  void LoadElements();
  void SetFrameCounts();
  void ComposeCombo();
  void DeriveComboArrow();
  void BuildToolbarBackground();
  void TakeBorderSample();

  template <class T>
  std::unique_ptr<T> LoadGeneric(std::string_view Section, bool ReadFrame = true);
  std::unique_ptr<TDataSkinBorder> LoadWithSecondImage(std::string_view Section,
                                                       std::string_view SecondKey);
  std::unique_ptr<TDataSkinBorder> LoadProgress();
  std::unique_ptr<TDataSkinBoxLabel> LoadGroupBox();
  std::unique_ptr<TDataSkinObject> LoadMenuBar();
  std::unique_ptr<TDataSkinObject> TrackFromResource(const char* Name);

  void ReadMargins(TDataSkinObject& Element, std::string_view Section) const;
  void ReadColourSelectors(TDataSkinObject& Element, std::string_view Section) const;
  int ReadInt(std::string_view Section, std::string_view Key, int Default) const {
    return FIni.ReadInteger(Section, Key, Default);
  }
  std::string ReadText(std::string_view Section, std::string_view Key) const {
    return FIni.ReadString(Section, Key, "");
  }

  TParsedSkin& FSkin;
  const TQuickIni& FIni;
  const TSkinFiles& FFiles;
};
