#pragma once
// Builds the parsed skin from a definition text and the files it names, in a
// fixed order: frame borders, colours, title buttons, push buttons and caption,
// the other elements, frame counts, then the bitmaps prepared once per load
// (combo box composition, combo arrow, tool-bar background). Missing sections,
// keys or files never fail a load: every value has a default.
//
// What the loader works around (a file the text names that is not there or
// cannot be read, a value that is not a number or is out of range) is
// recorded, where it is worked around, in the findings it is given.

#include <string_view>

#include "skin/definition/ParsedSkin.h"
#include "skin/definition/QuickIni.h"
#include "skin/definition/SkinFiles.h"
#include "skin/definition/SkinFindings.h"

class TSkinLoader {
 public:
  TSkinLoader(TParsedSkin& Skin, const TQuickIni& Ini, const TSkinFiles& Files,
              TSkinFindings* Findings = nullptr);

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

  // Only the elements that keep the "Frame" the text gives read it.
  template <class T>
  std::unique_ptr<T> LoadGeneric(std::string_view Section, bool ReadFrame = false);
  std::unique_ptr<TDataSkinBorder> LoadWithSecondImage(std::string_view Section,
                                                       std::string_view SecondKey);
  std::unique_ptr<TDataSkinBorder> LoadProgress();
  std::unique_ptr<TDataSkinBoxLabel> LoadGroupBox();
  std::unique_ptr<TDataSkinObject> LoadMenuBar();
  std::unique_ptr<TDataSkinObject> TrackFromResource(const char* Name);

  void ReadMargins(TDataSkinObject& Element, std::string_view Section) const;
  void ReadColourSelectors(TDataSkinObject& Element, std::string_view Section) const;

  // The image named by Key in Section, a finding for a file that is named but
  // cannot be used.
  void LoadImage(TPixelBuffer& Bitmap, std::string_view Section, std::string_view Key) const;
  void LoadImageAt(TPixelBuffer& Bitmap, std::string_view Path, const std::string& Where) const;
  // The number Key gives, or Default (with a finding) when its text is not
  // a number the reader takes.
  int ReadInt(std::string_view Section, std::string_view Key, int Default) const;
  // As ReadInt; a negative value is not allowed and becomes Replacement.
  int ReadNonNegative(std::string_view Section, std::string_view Key, int Default,
                      int Replacement = 0) const;
  // As ReadNonNegative for a frame count where 0 has the count worked out
  // from the image: a negative value becomes 0.
  int ReadDerivedCount(std::string_view Section, std::string_view Key) const;
  // As ReadInt for the switches that take 0 or 1: a value above 1 becomes
  // Above.
  int ReadSwitch(std::string_view Section, std::string_view Key, int Default, int Above) const;
  // Caps a value the text gave at Most.
  int Cap(std::string_view Section, std::string_view Key, int Value, int Most) const;
  TColor ReadColour(std::string_view Section, std::string_view Key, TColor Default) const;
  std::string ReadText(std::string_view Section, std::string_view Key) const {
    return FIni.ReadString(Section, Key, "");
  }
  void Note(TSkinFindingKind Kind, std::string Where, std::string Text, std::string Brief) const;

  TParsedSkin& FSkin;
  const TQuickIni& FIni;
  const TSkinFiles& FFiles;
  TSkinFindings* FFindings;
};
