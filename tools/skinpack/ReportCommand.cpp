#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Command.h"
#include "SkinFile.h"
#include "SkinReport.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/imaging/SkinSystem.h"

// Loads the skin as the program does (with the program's own bitmaps for what
// the skin lacks and a fixed system colour scheme) and prints the result,
// with what the reader found wrong in it.
int RunInspect(const std::vector<std::string>& Args) {
  bool json = false;
  std::string path;
  for (const std::string& arg : Args) {
    if (arg == "--json")
      json = true;
    else if (path.empty() && !(arg.size() > 1 && arg[0] == '-'))
      path = arg;
    else
      throw EUsageError("expects FILE|FOLDER [--json]");
  }
  if (path.empty()) throw EUsageError("expects FILE|FOLDER [--json]");
  static const TFixedSkinSystem system(FW_SKIN_RESOURCE_DIR);
  SetSkinSystem(&system);
  TParsedSkin skin;
  TSkinFindings findings;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    if (!LoadSkinFromFolder(path, skin, &findings))
      throw ECommandError(path + ": not a loadable skin folder");
  } else {
    TSkinReader reader;
    LoadSkinFile(path, reader);
    LoadSkinFromArchive(reader, skin, &findings);
  }
  const std::string report =
      json ? SkinReportJson(skin, findings) : SkinReportText(skin, findings);
  std::fwrite(report.data(), 1, report.size(), stdout);
  return 0;
}
