#include "skin/render/MenuFont.h"

#include <cstddef>

TFontHandle CreateMenuFont(bool Bold) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  LOGFONTA font{};
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    font = metrics.lfMenuFont;
  else
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  if (Bold) font.lfWeight = FW_BOLD;
  return TFontHandle(CreateFontIndirectA(&font));
}
