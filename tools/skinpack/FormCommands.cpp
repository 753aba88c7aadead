// Moving a compressed skin into and out of a form description, where it is
// the "SkinStream" binary property of the form's skin component.
#include <cstdio>
#include <string>

#include "Command.h"
#include "SkinFile.h"
#include "skin/archive/SkinStream.h"
#include "toolkit/portable/FormError.h"
#include "toolkit/portable/FormParser.h"

namespace {

constexpr std::string_view kPlaceholder = "@SKINSTREAM@";
constexpr std::size_t kBytesPerLine = 32;

std::string AsText(const TBytes& Bytes) {
  return std::string(Bytes.begin(), Bytes.end());
}

// "SkinStream = {" then the property's bytes in hexadecimal, kBytesPerLine a
// line, each line indented by Indent plus two spaces, and the closing brace.
std::string SkinStreamProperty(const TBytes& Blob, const std::string& Indent) {
  TBytes property;
  SkinStream::Write(Blob, property);
  static const char digits[] = "0123456789ABCDEF";
  std::string text = "SkinStream = {";
  for (std::size_t i = 0; i < property.size(); ++i) {
    if (i % kBytesPerLine == 0) text += "\n" + Indent + "  ";
    text += digits[property[i] >> 4];
    text += digits[property[i] & 15];
  }
  return text + "}";
}

// The first "SkinStream" binary property in Object or its children.
const TFormProperty* FindSkinStream(const TFormObject& Object) {
  for (const TFormProperty& property : Object.Properties)
    if (property.Name == "SkinStream" && property.Value.Kind == fvBinary) return &property;
  for (const TFormObject& child : Object.Children)
    if (const TFormProperty* found = FindSkinStream(child)) return found;
  return nullptr;
}

}  // namespace

int RunEmbed(const std::vector<std::string>& Args) {
  if (Args.size() != 3) throw EUsageError("expects TEMPLATE SKIN OUT");
  std::string form = AsText(ReadWholeFile(Args[0]));
  const TBytes blob = ReadWholeFile(Args[1]);
  TSkinReader check;
  LoadSkinFile(Args[1], check);

  const std::size_t at = form.find(kPlaceholder);
  if (at == std::string::npos || form.find(kPlaceholder, at + 1) != std::string::npos)
    throw ECommandError(Args[0] + " must hold " + std::string(kPlaceholder) + " exactly once");
  const std::size_t lineStart =
      form.rfind('\n', at) == std::string::npos ? 0 : form.rfind('\n', at) + 1;
  const std::string indent = form.substr(lineStart, at - lineStart);
  if (indent.find_first_not_of(" \t") != std::string::npos)
    throw ECommandError(std::string(kPlaceholder) + " must stand alone on its line");
  form.replace(at, kPlaceholder.size(), SkinStreamProperty(blob, indent));

  // What is written must read back as a description holding this very skin.
  try {
    const TFormObject parsed = ParseFormDescription(form);
    const TFormProperty* property = FindSkinStream(parsed);
    TBytes stored;
    if (!property || !SkinStream::Read(property->Value.Bytes, stored) || stored != blob)
      throw ECommandError("internal error: the skin does not read back from the description");
  } catch (const EFormError& e) {
    throw ECommandError(Args[0] + ": " + e.what());
  }
  WriteWholeFile(Args[2], TBytes(form.begin(), form.end()));
  std::printf("%s: %zu bytes of skin embedded\n", Args[2].c_str(), blob.size());
  return 0;
}

int RunExtract(const std::vector<std::string>& Args) {
  if (Args.size() != 2) throw EUsageError("expects FORM OUT");
  const TBytes text = ReadWholeFile(Args[0]);
  TFormObject form;
  try {
    form = ParseFormDescription(AsText(text));
  } catch (const EFormError& e) {
    throw ECommandError(Args[0] + ": " + e.what());
  }
  const TFormProperty* property = FindSkinStream(form);
  if (!property) throw ECommandError(Args[0] + " holds no SkinStream property");
  TBytes blob;
  if (!SkinStream::Read(property->Value.Bytes, blob))
    throw ECommandError(Args[0] + ": the SkinStream property is shorter than its length says");
  WriteWholeFile(Args[1], blob);
  std::printf("%s: %zu bytes of skin\n", Args[1].c_str(), blob.size());
  return 0;
}
