#include <cstdio>

#include "Command.h"
#include "SkinFile.h"

// One line per entry in archive order: the recorded size, a tab, the name as
// the reader stores it (lower case).
int RunList(const std::vector<std::string>& Args) {
  if (Args.size() != 1) throw EUsageError("expects FILE");
  TSkinReader reader;
  LoadSkinFile(Args[0], reader);
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    std::printf("%d\t", reader.SizeOf(i));
    std::fwrite(reader.Names()[i].data(), 1, reader.Names()[i].size(), stdout);
    std::putchar('\n');
  }
  return 0;
}
