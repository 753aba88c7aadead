#include "toolkit/portable/ClassInfo.h"

#include "toolkit/portable/TextUtil.h"

const std::string& TObject::ClassName() const {
  return ClassType().Name();
}

bool TObject::InheritsFrom(std::string_view Name) const {
  return ClassType().InheritsFrom(Name);
}

bool TClassInfo::InheritsFrom(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (SameText(c->ClassName, Name)) return true;
  return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &Other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TPropInfo& p : c->Props)
      if (SameText(p.Name, Name)) return &p;
  return nullptr;
}

const TClassInfo::TMethodMaker* TClassInfo::FindMethod(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const auto& [name, maker] : c->Methods)
      if (SameText(name, Name)) return &maker;
  return nullptr;
}

const TClassInfo::TFieldSetter* TClassInfo::FindField(std::string_view Name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const auto& [name, setter] : c->Fields)
      if (SameText(name, Name)) return &setter;
  return nullptr;
}

namespace {
std::map<std::string, const TClassInfo*>& Registry() {
  static std::map<std::string, const TClassInfo*> registry;
  return registry;
}
}  // namespace

void RegisterClassInfo(const TClassInfo& Info) {
  Registry()[LowerCase(Info.Name())] = &Info;
}

const TClassInfo* FindClassInfo(std::string_view Name) {
  auto it = Registry().find(LowerCase(Name));
  return it == Registry().end() ? nullptr : it->second;
}

std::vector<const TClassInfo*> RegisteredClassInfos() {
  std::vector<const TClassInfo*> out;
  for (const auto& [name, info] : Registry()) out.push_back(info);
  return out;
}
