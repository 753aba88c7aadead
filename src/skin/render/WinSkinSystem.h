#pragma once

#include "skin/imaging/SkinSystem.h"

// The skin code's questions answered by Windows: the current colour scheme,
// the system metrics and the bitmap resources of the program's module.
class TWinSkinSystem : public TSkinSystem {
 public:
  TColor SysColor(int Index) const override;
  int SystemMetric(int Index) const override;
  TPixelBuffer BitmapResource(const std::string& Name) const override;

  // Installs one process-wide instance (see SetSkinSystem).
  static void Install();
};
