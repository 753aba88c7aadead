#include "Command.h"

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      {"pack", "DIR OUT", "pack every file of DIR into the compressed skin OUT", RunPack},
      {"unpack", "FILE DIR", "write every entry of the skin FILE into DIR", RunUnpack},
      {"list", "FILE", "print the size and name of each entry of the skin FILE", RunList},
      {"inspect", "FILE|FOLDER [--json]",
       "print what the engine makes of the skin FILE or unpacked skin FOLDER, and what it "
       "finds wrong in it (as JSON with --json)",
       RunInspect},
      {"embed", "TEMPLATE SKIN OUT",
       "write TEMPLATE to OUT with its @SKINSTREAM@ line replaced by the skin SKIN as the "
       "SkinStream property",
       RunEmbed},
      {"extract", "FORM OUT", "write the skin held in FORM's SkinStream property to OUT",
       RunExtract},
  };
  return commands;
}
