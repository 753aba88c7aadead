#pragma once
// Reads a form description into an existing root component (the form):
// creates the nested components through the class registry (owned by the
// root), sets their published properties, fills collection properties with
// the items listed (each item's properties set like a component's), hands
// binary properties to the
// component's ReadBinaryProperty, binds events to the root's published
// methods and the root's published fields to the components, resolves
// component references, and finally calls Loaded on every component in
// creation order, root first.
//
// A faulty description throws EFormError naming the line. The components
// created so far are freed again; the root itself is left to the caller,
// who must not show it.

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/portable/Collection.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/FormParser.h"

class TFormReader {
 public:
  explicit TFormReader(TComponent& Root) : Root(Root) {}

  void Read(std::string_view Text);
  void Read(const TFormObject& Description);

 private:
  struct TFixup {
    TObject* Target;
    const TPropInfo* Info;
    std::string ComponentName;
    int Line;
  };

  void ReadObject(TComponent& Instance, const TFormObject& Description);
  void ReadChildren(TComponent& Parent, const TFormObject& Description);
  void ApplyProperty(TObject& Instance, const TFormProperty& Property);
  void ApplyValue(TObject& Target, const TPropInfo& Info, const TFormProperty& Property);
  void SetChecked(TObject& Target, const TPropInfo& Info, const TPropValue& Value, int Line);
  void ReadCollection(TCollection& Collection, const TFormProperty& Property);
  void DropFixupsInto(const TCollection& Collection);
  void ResolveFixups();
  void Undo();
  std::string UniqueRootName(const std::string& Name) const;

  TComponent& Root;
  // The root's name in the description (the root may be given another).
  std::string RootName;
  std::vector<TComponent*> Created;
  std::vector<TFixup> Fixups;
};

// Convenience: TFormReader(Root).Read(Text).
void ReadFormDescription(TComponent& Root, std::string_view Text);
