#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "Command.h"
#include "SkinFile.h"

namespace fs = std::filesystem;

namespace {

// Entry names are whatever the archive's builder wrote. Each becomes a single
// file name inside the target folder: path separators, drive colons and
// control characters turn into '_', and a name that is empty or only dots
// gets a leading '_', so no name can leave the folder or name the folder
// itself.
std::string SafeFileName(const std::string& Name) {
  std::string safe = Name;
  for (char& c : safe) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || c == ':' || u < 0x20 || u == 0x7F) c = '_';
  }
  if (safe.find_first_not_of('.') == std::string::npos) safe = "_" + safe;
  return safe;
}

// A name not yet used in this run: duplicates get "~2", "~3", ...
std::string UniqueName(const std::string& Name, std::set<std::string>& Used) {
  std::string candidate = Name;
  for (int n = 2; !Used.insert(candidate).second; ++n) candidate = Name + "~" + std::to_string(n);
  return candidate;
}

class TFolder {
 public:
  explicit TFolder(const std::string& Path) {
    std::error_code error;
    fs::create_directories(Path, error);
    Fd = open(Path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd < 0) throw ECommandError("cannot open folder " + Path + ": " + std::strerror(errno));
  }
  ~TFolder() { close(Fd); }
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;

  // Writes Name (a single path component) inside the folder; an existing
  // symbolic link of that name is refused, never followed.
  void Write(const std::string& Name, const TBytes& Bytes) const {
    const int fd =
        openat(Fd, Name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) throw ECommandError("cannot create " + Name + ": " + std::strerror(errno));
    std::size_t done = 0;
    while (done < Bytes.size()) {
      const ssize_t n = write(fd, Bytes.data() + done, Bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const std::string reason = std::strerror(errno);
        close(fd);
        throw ECommandError("cannot write " + Name + ": " + reason);
      }
      done += static_cast<std::size_t>(n);
    }
    if (close(fd) != 0) throw ECommandError("cannot write " + Name + ": " + std::strerror(errno));
  }

 private:
  int Fd = -1;
};

}  // namespace

int RunUnpack(const std::vector<std::string>& Args) {
  if (Args.size() != 2) throw EUsageError("expects FILE DIR");
  TSkinReader reader;
  LoadSkinFile(Args[0], reader);
  const TFolder folder(Args[1]);

  std::set<std::string> used;
  int damaged = 0;
  TBytes bytes;
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    const std::string& name = reader.Names()[i];
    if (!reader.IsReadable(i)) {
      std::fprintf(
          stderr,
          "skinpack unpack: entry %zu \"%s\" (size %d) lies outside the data; not written\n", i,
          name.c_str(), reader.SizeOf(i));
      ++damaged;
      continue;
    }
    const std::string fileName = UniqueName(SafeFileName(name), used);
    if (fileName != name)
      std::fprintf(stderr, "skinpack unpack: entry %zu \"%s\" written as \"%s\"\n", i, name.c_str(),
                   fileName.c_str());
    reader.ExtractEntry(i, bytes);
    folder.Write(fileName, bytes);
  }
  if (damaged > 0) throw ECommandError(std::to_string(damaged) + " entries could not be written");
  return 0;
}
