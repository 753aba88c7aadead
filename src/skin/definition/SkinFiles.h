#pragma once
// Where the skin loader takes the files a definition text names from: the
// skin archive in the program, an unpacked skin folder, a map of names to
// bytes in tests and tools.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

enum class TSkinFileState {
  Present,
  Missing,
  Damaged  // listed, but its bytes cannot be read
};

class TSkinFiles {
 public:
  virtual ~TSkinFiles() = default;
  // Target receives the bytes of the file named Name (compared ignoring case),
  // or is left empty when there is none.
  virtual void ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const = 0;
  // Whether the file named Name is there to be read. The default tells only
  // a file with bytes from none at all.
  virtual TSkinFileState State(std::string_view Name) const;
};

class TMemorySkinFiles : public TSkinFiles {
 public:
  // A later file of the same name (ignoring case) replaces the earlier one.
  void Add(std::string_view Name, std::vector<std::uint8_t> Bytes);
  void Add(std::string_view Name, std::string_view Text);
  void ExtractFile(std::string_view Name, std::vector<std::uint8_t>& Target) const override;
  TSkinFileState State(std::string_view Name) const override;

 private:
  std::map<std::string, std::vector<std::uint8_t>> FFiles;  // by lower-cased name
};
