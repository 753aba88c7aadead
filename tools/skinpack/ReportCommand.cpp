#include <cstdio>

#include "Command.h"
#include "SkinFile.h"
#include "SkinReport.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/imaging/SkinSystem.h"

// Loads the skin as the program does (with the program's own bitmaps for what
// the skin lacks and a fixed system colour scheme) and prints the result.
int RunInspect(const std::vector<std::string>& Args) {
  bool json = false;
  std::string path;
  for (const std::string& arg : Args) {
    if (arg == "--json")
      json = true;
    else if (path.empty() && !(arg.size() > 1 && arg[0] == '-'))
      path = arg;
    else
      throw EUsageError("expects FILE [--json]");
  }
  if (path.empty()) throw EUsageError("expects FILE [--json]");
  static const TFixedSkinSystem system(FW_SKIN_RESOURCE_DIR);
  SetSkinSystem(&system);
  TSkinReader reader;
  LoadSkinFile(path, reader);
  TParsedSkin skin;
  LoadSkinFromArchive(reader, skin);
  const std::string report = json ? SkinReportJson(skin) : SkinReportText(skin);
  std::fwrite(report.data(), 1, report.size(), stdout);
  return 0;
}
