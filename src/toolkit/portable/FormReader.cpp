#include "toolkit/portable/FormReader.h"

#include <limits>

#include "toolkit/portable/ColorNames.h"
#include "toolkit/portable/TextUtil.h"

namespace {

std::string ValueKindName(TFormValueKind Kind) {
  switch (Kind) {
    case fvInteger:
      return "an integer";
    case fvString:
      return "a string";
    case fvIdentifier:
      return "an identifier";
    case fvSet:
      return "a set";
    case fvList:
      return "a string list";
    case fvBinary:
      return "binary data";
    case fvCollection:
      return "a collection";
  }
  return "a value";
}

std::string KindName(TPropKind Kind) {
  switch (Kind) {
    case pkInteger:
      return "an integer";
    case pkEnumeration:
      return "an enumeration value";
    case pkSet:
      return "a set";
    case pkString:
    case pkWideString:
      return "a string";
    case pkBoolean:
      return "True or False";
    case pkColor:
      return "a colour";
    case pkClass:
      return "a component name";
    case pkStringList:
      return "a string list";
    case pkEvent:
      return "a method name";
    case pkCollection:
      return "a collection";
  }
  return "a value";
}

}  // namespace

void ReadFormDescription(TComponent& Root, std::string_view Text) {
  TFormReader(Root).Read(Text);
}

void TFormReader::Read(std::string_view Text) {
  Read(ParseFormDescription(Text));
}

void TFormReader::Read(const TFormObject& Description) {
  try {
    if (!Root.ClassType().InheritsFrom(Description.ClassName))
      throw EFormError(Description.Line, "the description is of class " + Description.ClassName +
                                             ", not " + Root.ClassName());
    Root.SetLoading(true);
    Created.push_back(&Root);
    if (!Description.Name.empty()) {
      try {
        RootName = Description.Name;
        Root.SetName(UniqueRootName(Description.Name));
      } catch (const EComponentError& e) {
        throw EFormError(Description.Line, e.what());
      }
    }
    ReadObject(Root, Description);
    ResolveFixups();
  } catch (...) {
    Undo();
    throw;
  }
  for (TComponent* c : Created) c->Loaded();
}

// A second form read from the same description under the same owner is
// named after the first with "_2", "_3"... added.
std::string TFormReader::UniqueRootName(const std::string& Name) const {
  const TComponent* owner = Root.Owner();
  auto taken = [&](const std::string& Candidate) {
    if (!owner) return false;
    const TComponent* other = owner->FindComponent(Candidate);
    return other && other != &Root;
  };
  if (!taken(Name)) return Name;
  for (int n = 2;; ++n)
    if (std::string candidate = Name + "_" + std::to_string(n); !taken(candidate)) return candidate;
}

void TFormReader::ReadObject(TComponent& Instance, const TFormObject& Description) {
  for (const TFormProperty& p : Description.Properties) ApplyProperty(Instance, p);
  ReadChildren(Instance, Description);
}

void TFormReader::ReadChildren(TComponent& Parent, const TFormObject& Description) {
  for (const TFormObject& child : Description.Children) {
    const TClassInfo* cls = FindClassInfo(child.ClassName);
    if (!cls) throw EFormError(child.Line, "class " + child.ClassName + " not found");
    if (!cls->Factory())
      throw EFormError(child.Line, "class " + child.ClassName + " cannot be created here");
    TComponent* instance = cls->Factory()(&Root);
    Created.push_back(instance);
    instance->SetLoading(true);
    try {
      instance->SetName(child.Name);
    } catch (const EComponentError& e) {
      throw EFormError(child.Line, e.what());
    }
    if (!child.Name.empty()) {
      if (const auto* field = Root.ClassType().FindField(child.Name))
        if (!(*field)(Root, instance))
          throw EFormError(child.Line, "field " + child.Name + " of " + Root.ClassName() +
                                           " cannot hold a " + child.ClassName);
    }
    instance->SetParentComponent(&Parent);
    ReadObject(*instance, child);
  }
}

void TFormReader::ApplyProperty(TObject& Instance, const TFormProperty& Property) {
  if (Property.Value.Kind == fvBinary) {
    auto* component = dynamic_cast<TComponent*>(&Instance);
    bool known = false;
    try {
      known = component && component->ReadBinaryProperty(Property.Name, Property.Value.Bytes);
    } catch (const EComponentError& e) {
      // Data the component refuses (a glyph that is no bitmap).
      throw EFormError(Property.Line, e.what());
    }
    if (!known)
      throw EFormError(Property.Line,
                       "property " + Property.Name + " does not exist in " + Instance.ClassName());
    return;
  }
  // Walk a dotted path through object properties: Font.Name.
  TObject* target = &Instance;
  std::string_view path = Property.Name;
  for (;;) {
    size_t dot = path.find('.');
    std::string_view head = path.substr(0, dot);
    const TPropInfo* info = target->ClassType().FindProperty(head);
    if (!info)
      throw EFormError(Property.Line, "property " + std::string(head) + " does not exist in " +
                                          target->ClassName());
    if (dot == std::string_view::npos) {
      ApplyValue(*target, *info, Property);
      return;
    }
    if (info->Kind != pkClass)
      throw EFormError(Property.Line, "property " + std::string(head) + " has no sub-properties");
    TObject* next = info->Get(*target).Object;
    if (!next) throw EFormError(Property.Line, "property " + std::string(head) + " is not set");
    target = next;
    path = path.substr(dot + 1);
  }
}

void TFormReader::ApplyValue(TObject& Target, const TPropInfo& Info,
                             const TFormProperty& Property) {
  const TFormValue& v = Property.Value;
  const int line = Property.Line;
  auto wrong = [&]() {
    return EFormError(line, "property " + Info.Name + " expects " + KindName(Info.Kind) +
                                " but the value is " + ValueKindName(v.Kind));
  };
  if (!Info.Set && Info.Kind != pkClass && Info.Kind != pkCollection)
    throw EFormError(line, "property " + Info.Name + " is read-only");
  TPropValue value;
  switch (Info.Kind) {
    case pkInteger:
      if (v.Kind == fvIdentifier && Info.IdentToInt) {
        auto number = Info.IdentToInt(v.Identifier);
        if (!number)
          throw EFormError(line, "\"" + v.Identifier + "\" is not a value of " + Info.Name);
        value.Ordinal = *number;
        break;
      }
      if (v.Kind != fvInteger) throw wrong();
      if (v.Integer < std::numeric_limits<std::int32_t>::min() ||
          v.Integer > std::numeric_limits<std::int32_t>::max())
        throw EFormError(line, "value of " + Info.Name + " out of range");
      value.Ordinal = v.Integer;
      break;
    case pkColor:
      if (v.Kind == fvInteger) {
        if (v.Integer < std::numeric_limits<std::int32_t>::min() ||
            v.Integer > std::numeric_limits<std::int32_t>::max())
          throw EFormError(line, "value of " + Info.Name + " out of range");
        value.Ordinal = v.Integer;
      } else if (v.Kind == fvIdentifier) {
        auto color = ColorFromIdent(v.Identifier);
        if (!color) throw EFormError(line, "\"" + v.Identifier + "\" is not a colour");
        value.Ordinal = *color;
      } else {
        throw wrong();
      }
      break;
    case pkBoolean:
      if (v.Kind != fvIdentifier) throw wrong();
      if (SameText(v.Identifier, "True")) {
        value.Ordinal = 1;
      } else if (SameText(v.Identifier, "False")) {
        value.Ordinal = 0;
      } else {
        throw EFormError(line, "\"" + v.Identifier + "\" is not True or False");
      }
      break;
    case pkEnumeration: {
      if (v.Kind != fvIdentifier) throw wrong();
      auto ordinal = Info.Enum->ValueOf(v.Identifier);
      if (!ordinal)
        throw EFormError(line,
                         "\"" + v.Identifier + "\" is not a value of " + Info.Enum->TypeName());
      value.Ordinal = *ordinal;
      break;
    }
    case pkSet: {
      if (v.Kind != fvSet) throw wrong();
      std::uint64_t bits = 0;
      for (const std::string& m : v.Members) {
        auto ordinal = Info.Enum->ValueOf(m);
        if (!ordinal || *ordinal >= 64)
          throw EFormError(line, "\"" + m + "\" is not a value of " + Info.Enum->TypeName());
        bits |= std::uint64_t{1} << *ordinal;
      }
      value.Ordinal = static_cast<std::int64_t>(bits);
      break;
    }
    case pkString:
      if (v.Kind != fvString) throw wrong();
      value.Text = NarrowText(v.String);
      break;
    case pkWideString:
      if (v.Kind != fvString) throw wrong();
      value.Wide = v.String;
      break;
    case pkStringList:
      if (v.Kind != fvList) throw wrong();
      for (const std::wstring& s : v.Strings) value.Lines.push_back(NarrowText(s));
      break;
    case pkClass:
      // A component reference, resolved once every component exists.
      if (v.Kind != fvIdentifier || !Info.Set) throw wrong();
      Fixups.push_back({&Target, &Info, v.Identifier, line});
      return;
    case pkCollection: {
      if (v.Kind != fvCollection) throw wrong();
      auto* collection = dynamic_cast<TCollection*>(Info.Get(Target).Object);
      if (!collection) throw EFormError(line, "property " + Info.Name + " is not set");
      ReadCollection(*collection, Property);
      return;
    }
    case pkEvent: {
      if (v.Kind != fvIdentifier) throw wrong();
      const auto* maker = Root.ClassType().FindMethod(v.Identifier);
      if (!maker)
        throw EFormError(line, "method " + v.Identifier + " not found in " + Root.ClassName());
      value.Method = (*maker)(Root);
      if (!value.Method.Signature || !Info.EventType || *value.Method.Signature != *Info.EventType)
        throw EFormError(line, "method " + v.Identifier + " does not fit event " + Info.Name);
      break;
    }
  }
  SetChecked(Target, Info, value, line);
}

// A setter that refuses its value refuses the description, at that line.
void TFormReader::SetChecked(TObject& Target, const TPropInfo& Info, const TPropValue& Value,
                             int Line) {
  try {
    Info.Set(Target, Value);
  } catch (const EComponentError& e) {
    throw EFormError(Line, "property " + Info.Name + ": " + e.what());
  }
}

void TFormReader::ReadCollection(TCollection& Collection, const TFormProperty& Property) {
  DropFixupsInto(Collection);
  Collection.Clear();
  for (const TFormItem& item : Property.Value.Items) {
    TCollectionItem* instance = nullptr;
    try {
      instance = Collection.Add();
    } catch (const ECollectionError& e) {
      throw EFormError(item.Line, e.what());
    }
    for (const TFormProperty& p : item.Properties) ApplyProperty(*instance, p);
  }
}

// Component references waiting to be set on items that are about to go
// (a description that lists the same collection twice) are forgotten.
void TFormReader::DropFixupsInto(const TCollection& Collection) {
  for (int i = 0; i < Collection.Count(); ++i) {
    const TCollectionItem* item = Collection.Item(i);
    std::erase_if(Fixups, [&](const TFixup& f) { return f.Target == item; });
    for (const TClassInfo* c = &item->ClassType(); c; c = c->ParentClass())
      for (const TPropInfo& p : c->OwnProperties())
        if (p.Kind == pkCollection)
          if (auto* inner = dynamic_cast<const TCollection*>(p.Get(*item).Object))
            DropFixupsInto(*inner);
  }
}

void TFormReader::ResolveFixups() {
  for (const TFixup& f : Fixups) {
    TComponent* c =
        SameText(f.ComponentName, Root.GetName()) || SameText(f.ComponentName, RootName)
            ? &Root
            : Root.FindComponent(f.ComponentName);
    if (!c) throw EFormError(f.Line, "component " + f.ComponentName + " not found");
    if (f.Info->ObjectClass() && !c->ClassType().InheritsFrom(*f.Info->ObjectClass()))
      throw EFormError(f.Line,
                       "component " + f.ComponentName + " cannot be used as " + f.Info->Name);
    TPropValue value;
    value.Object = c;
    SetChecked(*f.Target, *f.Info, value, f.Line);
  }
  Fixups.clear();
}

void TFormReader::Undo() {
  // Created[0] is the root, which belongs to the caller.
  for (size_t i = Created.size(); i-- > 1;) {
    TComponent* c = Created[i];
    if (!c->GetName().empty())
      if (const auto* field = Root.ClassType().FindField(c->GetName())) (*field)(Root, nullptr);
    delete c;
  }
  Created.clear();
  Fixups.clear();
}
