#include "common/ProgramSkin.h"

#include <windows.h>

#include <string_view>

#include "skin/archive/SkinStream.h"
#include "toolkit/portable/FormParser.h"

namespace {

std::string_view FormResource(const char* Name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, Name, MAKEINTRESOURCEA(10));
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

const TBytes& ProgramSkin() {
  static const TBytes blob = [] {
    TBytes result;
    const TFormObject form = ParseFormDescription(FormResource("TFORM1"));
    if (const TFormProperty* stream = FindSkinStream(form))
      SkinStream::Read(stream->Value.Bytes, result);
    return result;
  }();
  return blob;
}
