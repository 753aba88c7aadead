// Reading the committed skin in tests: its definition text, read by the
// engine's rules (sections and keys without regard to case, the first of
// equal ones wins, ";" lines ignored), and its images.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Pixmap.h"

namespace SkinFiles {

std::filesystem::path SourceDir();
std::filesystem::path SkinDir();      // skins/default
std::filesystem::path ResourceDir();  // skins/resources

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
TPixmap ReadImage(const std::filesystem::path& path);

class TIni {
 public:
  explicit TIni(const std::string& text);
  bool HasSection(const std::string& section) const;
  std::string String(const std::string& section, const std::string& key,
                     const std::string& fallback = "") const;
  int Integer(const std::string& section, const std::string& key, int fallback) const;
  std::vector<std::string> Sections() const { return Order_; }

 private:
  std::map<std::string, std::map<std::string, std::string>> Values_;
  std::vector<std::string> Order_;
};

TIni LoadDefinition();

}  // namespace SkinFiles
