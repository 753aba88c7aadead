#pragma once
// The program's command line: switches such as "/preview" or "/skin FILE", written with
// "/" or "-" and in any case, some followed by a value. Each switch the
// program knows is one line of a table in CommandLine.cpp.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ECommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TCommandLine {
 public:
  TCommandLine() = default;
  // Reads the whole command line as the system gives it (the program's
  // name first); throws ECommandLineError naming what it cannot read.
  static TCommandLine Parse(std::string_view CommandLine);
  // Reads the arguments alone.
  static TCommandLine FromArguments(const std::vector<std::string>& Arguments);

  // Opens the skin preview window instead of the main window.
  bool Preview() const { return Has("preview"); }
  // "/skin FILE" or "/skin FOLDER": start with the skin packed in FILE or
  // unpacked in FOLDER; "/skin none": skinning off.
  bool HasSkin() const { return Has("skin"); }
  std::string Skin() const { return Value("skin"); }

  // A switch by its name in lower case, without "/".
  bool Has(const std::string& Switch) const { return FSwitches.count(Switch) != 0; }
  std::string Value(const std::string& Switch) const;

  // The usage line shown with a command-line error.
  static std::string Usage();

  // Splits a command line into its words by the system's quoting rules:
  // blanks separate words unless quoted; 2n backslashes before a quote
  // give n backslashes and the quote toggles quoting, 2n+1 give n and a
  // literal quote; other backslashes stand as they are.
  static std::vector<std::string> Split(std::string_view CommandLine);

 private:
  std::map<std::string, std::string> FSwitches;
};
