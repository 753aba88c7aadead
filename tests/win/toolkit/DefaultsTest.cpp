// A description lists only what differs from the defaults, so the defaults
// registered for each published property must be what a new object has.
#include <gtest/gtest.h>

#include <memory>

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
      if (p.HasDefault) {
        EXPECT_TRUE(SameValue(p, value, p.Default)) << Path << "." << p.Name;
      }
      if (p.Kind == pkClass && !p.Set && value.Object)
        CheckDefaults(*value.Object, value.Object->ClassType(), Path + "." + p.Name);
    }
  }
}

TEST(Defaults, EveryCreatableClassStartsWithItsRegisteredDefaults) {
  Application->Initialize();
  int checked = 0;
  for (const TClassInfo* cls : RegisteredClassInfos()) {
    if (!cls->Factory()) continue;
    std::unique_ptr<TComponent> instance(cls->Factory()(nullptr));
    CheckDefaults(*instance, *cls, cls->Name());
    ++checked;
  }
  EXPECT_GE(checked, 12);
}

}  // namespace
