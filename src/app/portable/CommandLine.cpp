#include "app/portable/CommandLine.h"

#include <array>

#include "toolkit/portable/TextUtil.h"

namespace {

struct TSwitchEntry {
  const char* Name;
  // The word after the switch is its value (a file name...).
  bool TakesValue;
  const char* ValueName;
};

constexpr std::array<TSwitchEntry, 2> kSwitches{{
    {"preview", false, nullptr},
    {"skin", true, "FILE or FOLDER"},
}};

const TSwitchEntry* FindSwitch(std::string_view Name) {
  for (const auto& entry : kSwitches)
    if (SameText(Name, entry.Name)) return &entry;
  return nullptr;
}

bool IsBlank(char C) {
  return C == ' ' || C == '\t';
}

}  // namespace

std::vector<std::string> TCommandLine::Split(std::string_view CommandLine) {
  std::vector<std::string> words;
  size_t i = 0;
  const size_t n = CommandLine.size();
  while (true) {
    while (i < n && IsBlank(CommandLine[i])) ++i;
    if (i >= n) break;
    std::string word;
    bool quoted = false;
    while (i < n && (quoted || !IsBlank(CommandLine[i]))) {
      if (CommandLine[i] == '\\') {
        size_t slashes = 0;
        while (i < n && CommandLine[i] == '\\') ++slashes, ++i;
        if (i < n && CommandLine[i] == '"') {
          word.append(slashes / 2, '\\');
          if (slashes % 2) {
            word += '"';
            ++i;
          }
        } else {
          word.append(slashes, '\\');
        }
      } else if (CommandLine[i] == '"') {
        // "" inside quotes is a literal quote.
        if (quoted && i + 1 < n && CommandLine[i + 1] == '"') {
          word += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        word += CommandLine[i++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

TCommandLine TCommandLine::Parse(std::string_view CommandLine) {
  std::vector<std::string> words = Split(CommandLine);
  if (!words.empty()) words.erase(words.begin());  // the program
  return FromArguments(words);
}

TCommandLine TCommandLine::FromArguments(const std::vector<std::string>& Arguments) {
  TCommandLine result;
  for (size_t i = 0; i < Arguments.size(); ++i) {
    const std::string& word = Arguments[i];
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-'))
      throw ECommandLineError("Unexpected argument \"" + word + "\".\n\n" + Usage());
    const TSwitchEntry* known = FindSwitch(std::string_view(word).substr(1));
    if (!known) throw ECommandLineError("Unknown switch \"" + word + "\".\n\n" + Usage());
    std::string value;
    if (known->TakesValue) {
      if (i + 1 >= Arguments.size())
        throw ECommandLineError("The switch \"" + word + "\" needs a " + known->ValueName +
                                ".\n\n" + Usage());
      value = Arguments[++i];
    }
    result.FSwitches[known->Name] = value;
  }
  return result;
}

std::string TCommandLine::Value(const std::string& Switch) const {
  auto it = FSwitches.find(Switch);
  return it == FSwitches.end() ? std::string() : it->second;
}

std::string TCommandLine::Usage() {
  std::string usage = "Usage: Fernwick.exe";
  for (const auto& entry : kSwitches) {
    usage += std::string(" [/") + entry.Name;
    if (entry.TakesValue) usage += std::string(" ") + entry.ValueName;
    usage += "]";
  }
  return usage;
}
