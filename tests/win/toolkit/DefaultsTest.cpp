// A description lists only what differs from the defaults, so the defaults
// registered for each published property must be what a new object has.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/portable/ClassInfo.h"
#include "toolkit/portable/Component.h"

namespace {

bool SameValue(const TPropInfo& Info, const TPropValue& A, const TPropValue& B) {
  switch (Info.Kind) {
    case pkString:
      return A.Text == B.Text;
    case pkWideString:
      return A.Wide == B.Wide;
    case pkStringList:
      return A.Lines == B.Lines;
    case pkClass:
      return A.Object == B.Object;
    case pkEvent:
      return A.Method == B.Method;
    default:
      return A.Ordinal == B.Ordinal;
  }
}

void CheckDefaults(const TObject& Object, const TClassInfo& Class, const std::string& Path) {
  for (const TClassInfo* c = &Class; c; c = c->ParentClass()) {
    for (const TPropInfo& p : c->OwnProperties()) {
      // The most derived registration of a name is the one that counts.
      if (Class.FindProperty(p.Name) != &p) continue;
      TPropValue value = p.Get(Object);
      // (Owned sub-objects such as fonts may start from other values than
      // their class's defaults; those are simply written out.)
      if (p.HasDefault) {
        EXPECT_TRUE(SameValue(p, value, p.Default)) << Path << "." << p.Name;
      }
    }
  }
}

TEST(Defaults, EveryCreatableToolkitClassStartsWithItsRegisteredDefaults) {
  Application->Initialize();
  const std::vector<std::string> toolkit{
      "TComponent", "TForm",      "TLabel",      "TBevel",       "TEdit",     "TLabeledEdit",
      "TButton",    "TTreeView",  "TSaveDialog", "TTimer",       "TMainMenu", "TPopupMenu",
      "TMenuItem",  "TImageList", "TCheckBox",   "TRadioButton", "TGroupBox", "TRadioGroup",
      "TPanel",     "TScrollBox", "TFrame",      "TMemo",        "TListBox",  "TComboBox",
      "TScrollBar", "TBitBtn",    "TSpeedButton"};
  int checked = 0;
  for (const std::string& name : toolkit) {
    const TClassInfo* cls = FindClassInfo(name);
    ASSERT_NE(cls, nullptr) << name;
    ASSERT_TRUE(cls->Factory()) << name;
    std::unique_ptr<TComponent> instance(cls->Factory()(nullptr));
    CheckDefaults(*instance, *cls, cls->Name());
    ++checked;
  }
  EXPECT_GE(checked, 12);
}

}  // namespace
