#include "app/EmbeddedSkin.h"

#include <windows.h>

#include <string_view>

#include "skin/archive/SkinStream.h"
#include "toolkit/portable/FormParser.h"

namespace {

std::string_view FormResource(const char* Name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, Name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const char*>(data), SizeofResource(module, resource)};
}

const TFormProperty* FindSkinStream(const TFormObject& Object) {
  for (const TFormProperty& p : Object.Properties)
    if (p.Name == "SkinStream") return &p;
  for (const TFormObject& child : Object.Children)
    if (const TFormProperty* found = FindSkinStream(child)) return found;
  return nullptr;
}

}  // namespace

const TBytes& EmbeddedProgramSkin() {
  static const TBytes blob = [] {
    TBytes result;
    try {
      const TFormObject form = ParseFormDescription(FormResource("TFORM1"));
      if (const TFormProperty* stream = FindSkinStream(form))
        SkinStream::Read(stream->Value.Bytes, result);
    } catch (const std::exception&) {
      result.clear();  // a description that does not parse carries no skin
    }
    return result;
  }();
  return blob;
}
