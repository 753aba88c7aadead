// One picture of every image, enlarged without smoothing and labelled with its
// file name and size, under the preview; key-colour pixels are left as they
// are so that transparent parts can be checked.
#pragma once

#include <vector>

#include "SkinArt.h"

class TContactSheet {
 public:
  TPixmap Draw(const TPixmap& preview, const std::vector<std::vector<TAsset>>& groups) const;
};
