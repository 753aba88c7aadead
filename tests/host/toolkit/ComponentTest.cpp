// Ownership, names, free notification and the class and property
// registries.
#include <gtest/gtest.h>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/Event.h"

namespace {

class TWatcher : public TComponent {
  FW_CLASS(TWatcher)
 public:
  using TComponent::TComponent;
  ~TWatcher() override { ++Destroyed; }
  TComponent* Watched = nullptr;
  std::vector<std::pair<TComponent*, TOperation>> Seen;
  static inline int Destroyed = 0;

 protected:
  void Notification(TComponent* C, TOperation Op) override {
    Seen.emplace_back(C, Op);
    if (Op == opRemove && C == Watched) Watched = nullptr;
  }
};

const TClassInfo& TWatcher::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWatcher>("TWatcher", &TComponent::StaticClass()).Creatable().Info();
  return info;
}
FW_REGISTER_CLASS(TWatcher);

TEST(Component, OwnerFreesOwnedComponentsAndTracksRemoval) {
  TWatcher::Destroyed = 0;
  auto* owner = new TWatcher(nullptr);
  auto* a = new TWatcher(owner);
  auto* b = new TWatcher(owner);
  new TWatcher(a);  // grandchild
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(a->Owner(), owner);
  ASSERT_EQ(owner->Seen.size(), 2u);
  EXPECT_EQ(owner->Seen[0], std::make_pair(static_cast<TComponent*>(a), opInsert));

  delete b;  // leaves its owner's list
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Seen.back(), std::make_pair(static_cast<TComponent*>(b), opRemove));
  delete owner;
  EXPECT_EQ(TWatcher::Destroyed, 4);
}

TEST(Component, NamesAreIdentifiersAndUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("button1"), EComponentError);
  EXPECT_THROW(b->SetName("1Button"), EComponentError);
  EXPECT_THROW(b->SetName("Bad Name"), EComponentError);
  b->SetName("Button2");
  EXPECT_EQ(owner.FindComponent("BUTTON2"), b);
  EXPECT_EQ(owner.FindComponent("Button3"), nullptr);
  a->SetName("Button1");  // its own name again is fine
}

TEST(Component, FreeNotificationClearsDanglingReferencesBothWays) {
  auto* watcher = new TWatcher(nullptr);
  auto* target = new TWatcher(nullptr);
  watcher->Watched = target;
  watcher->FreeNotification(target);
  watcher->FreeNotification(target);  // asked twice, told once
  delete target;
  EXPECT_EQ(watcher->Watched, nullptr);
  EXPECT_EQ(watcher->Seen.size(), 1u);

  // A watcher that goes first leaves no stale entry in its target.
  auto* target2 = new TWatcher(nullptr);
  auto* watcher2 = new TWatcher(nullptr);
  watcher2->FreeNotification(target2);
  delete watcher2;
  delete target2;  // would touch freed memory if watcher2 were still listed
  delete watcher;

  auto* w3 = new TWatcher(nullptr);
  auto* t3 = new TWatcher(nullptr);
  w3->FreeNotification(t3);
  w3->RemoveFreeNotification(t3);
  delete t3;
  EXPECT_TRUE(w3->Seen.empty());
  delete w3;
}

TEST(Component, StateShowsLoadingUntilLoadedAndDestroyingToWatchers) {
  struct TProbe : TWatcher {
    using TWatcher::TWatcher;
    bool SawDestroying = false;
    void Notification(TComponent* C, TOperation Op) override {
      if (Op == opRemove) SawDestroying = C->ComponentState().Contains(csDestroying);
    }
  };
  TProbe probe(nullptr);
  auto* w = new TWatcher(&probe);
  w->SetLoading(true);
  EXPECT_TRUE(w->ComponentState().Contains(csLoading));
  w->Loaded();
  EXPECT_FALSE(w->ComponentState().Contains(csLoading));
  delete w;
  EXPECT_TRUE(probe.SawDestroying);
}

TEST(ClassRegistry, FindsClassesByNameAndAnswersIsA) {
  const TClassInfo* cls = FindClassInfo("twatcher");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->Name(), "TWatcher");
  EXPECT_TRUE(cls->InheritsFrom("TComponent"));
  EXPECT_FALSE(cls->InheritsFrom("TCustomTabControl"));
  EXPECT_EQ(FindClassInfo("TNothing"), nullptr);
  TComponent* made = cls->Factory()(nullptr);
  EXPECT_TRUE(made->InheritsFrom("TWatcher"));
  delete made;
  // Lookup walks the chain: Name and Tag come from TComponent.
  EXPECT_NE(cls->FindProperty("tag"), nullptr);
  EXPECT_EQ(cls->FindProperty("Tag")->Default.Ordinal, 0);
}

struct TTarget {
  int Count = 0;
  void Hit(TObject*) { ++Count; }
  void Other(TObject*) { Count += 100; }
};

TEST(Event, AssignedEqualityAndCalling) {
  TTarget a, b;
  TNotifyEvent none;
  EXPECT_FALSE(none.Assigned());
  none(nullptr);  // calling an unassigned event does nothing

  TNotifyEvent hitA(&a, &TTarget::Hit);
  EXPECT_TRUE(hitA.Assigned());
  EXPECT_EQ(hitA, TNotifyEvent(&a, &TTarget::Hit));
  EXPECT_FALSE(hitA == TNotifyEvent(&b, &TTarget::Hit));
  EXPECT_FALSE(hitA == TNotifyEvent(&a, &TTarget::Other));
  hitA(nullptr);
  EXPECT_EQ(a.Count, 1);

  // Through the erased form and back; a different signature gives nothing.
  TMethod erased = hitA.Method();
  EXPECT_EQ(TNotifyEvent::FromMethod(erased), hitA);
  EXPECT_FALSE((TEvent<TObject*, char&>::FromMethod(erased).Assigned()));
}

}  // namespace
