#include "SkinFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "Bmp.h"

namespace SkinFiles {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

}  // namespace

std::filesystem::path SourceDir() {
  return FW_SOURCE_DIR;
}
std::filesystem::path SkinDir() {
  return SourceDir() / "skins" / "default";
}
std::filesystem::path ResourceDir() {
  return SourceDir() / "skins" / "resources";
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TPixmap ReadImage(const std::filesystem::path& path) {
  return Bmp::Decode(ReadBytes(path));
}

TIni::TIni(const std::string& text) {
  std::istringstream in(text);
  std::string line, section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Lower(line.substr(1, line.size() - 2));
      if (!Values_.count(section)) Order_.push_back(line.substr(1, line.size() - 2));
      Values_[section];
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    Values_[section].emplace(Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
  }
}

bool TIni::HasSection(const std::string& section) const {
  return Values_.count(Lower(section));
}

std::string TIni::String(const std::string& section, const std::string& key,
                         const std::string& fallback) const {
  auto s = Values_.find(Lower(section));
  if (s == Values_.end()) return fallback;
  auto k = s->second.find(Lower(key));
  return k == s->second.end() || k->second.empty() ? fallback : k->second;
}

int TIni::Integer(const std::string& section, const std::string& key, int fallback) const {
  std::string text = String(section, key);
  if (text.empty()) return fallback;
  size_t used = 0;
  int value = std::stoi(text, &used);
  return used == text.size() ? value : fallback;
}

TIni LoadDefinition() {
  std::vector<uint8_t> bytes = ReadBytes(SkinDir() / "skin.ini");
  return TIni(std::string(bytes.begin(), bytes.end()));
}

}  // namespace SkinFiles
