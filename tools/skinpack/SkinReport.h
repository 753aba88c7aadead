#pragma once
// What the engine makes of a skin, as a skin author reads it: a JSON object or
// readable text.

#include <string>

#include "skin/definition/ParsedSkin.h"
#include "skin/definition/SkinFindings.h"

// Both end with the findings' lines: "Findings" in JSON, a "Findings:"
// section (or "Findings: none") in text.
std::string SkinReportJson(const TParsedSkin& Skin, const TSkinFindings& Findings = {});
std::string SkinReportText(const TParsedSkin& Skin, const TSkinFindings& Findings = {});
