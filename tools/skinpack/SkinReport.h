#pragma once
// What the engine makes of a skin, as a skin author reads it: a JSON object or
// readable text.

#include <string>

#include "skin/definition/ParsedSkin.h"

std::string SkinReportJson(const TParsedSkin& Skin);
std::string SkinReportText(const TParsedSkin& Skin);
