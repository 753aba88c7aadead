#pragma once
// What the skin code asks of the system: colours of the current colour scheme,
// metrics and the program's own bitmap resources. The program installs an
// implementation that asks Windows; host code uses the fixed values of
// TFixedSkinSystem.

#include <string>

#include "toolkit/portable/PixelBuffer.h"

// Indices of the system colours (the low byte of a system colour value).
enum TSysColorIndex : int {
  scScrollBar = 0,
  scBackground = 1,
  scActiveCaption = 2,
  scInactiveCaption = 3,
  scMenu = 4,
  scWindow = 5,
  scWindowFrame = 6,
  scMenuText = 7,
  scWindowText = 8,
  scCaptionText = 9,
  scActiveBorder = 10,
  scInactiveBorder = 11,
  scAppWorkSpace = 12,
  scHighlight = 13,
  scHighlightText = 14,
  scBtnFace = 15,
  scBtnShadow = 16,
  scGrayText = 17,
  scBtnText = 18,
  scInactiveCaptionText = 19,
  scBtnHighlight = 20,
  sc3DDkShadow = 21,
  sc3DLight = 22,
  scInfoText = 23,
  scInfoBk = 24,
  scHotLight = 26,
  scGradientActiveCaption = 27,
  scGradientInactiveCaption = 28,
  scMenuHilight = 29,
  scMenuBar = 30,
};

// The colour value naming system colour Index.
constexpr TColor SystemColor(int Index) {
  return static_cast<TColor>(0x80000000u | static_cast<unsigned>(Index & 0xFF));
}

// System metric indices the skin code asks for.
enum TSysMetricIndex : int {
  smCxHScroll = 21,  // width of a horizontal scroll bar's arrow
};

class TSkinSystem {
 public:
  virtual ~TSkinSystem() = default;
  // The RGB colour value of system colour Index.
  virtual TColor SysColor(int Index) const = 0;
  virtual int SystemMetric(int Index) const = 0;
  // The program's bitmap resource Name; empty when there is none.
  virtual TPixelBuffer BitmapResource(const std::string& Name) const = 0;
};

// A fixed colour scheme (the classic grey one), fixed metrics, and bitmap
// resources read from the .bmp files in a folder (named after the resource,
// e.g. TRACK.bmp).
class TFixedSkinSystem : public TSkinSystem {
 public:
  explicit TFixedSkinSystem(std::string ResourceFolder = "");
  TColor SysColor(int Index) const override;
  int SystemMetric(int Index) const override;
  TPixelBuffer BitmapResource(const std::string& Name) const override;

 private:
  std::string FResourceFolder;
};

// The installed implementation; a TFixedSkinSystem without resources until
// SetSkinSystem installs another. The caller keeps System alive; null restores
// the default.
const TSkinSystem& SkinSystem();
void SetSkinSystem(const TSkinSystem* System);

// Color itself, or the RGB value of the system colour it names.
TColor ResolveColor(TColor Color);
