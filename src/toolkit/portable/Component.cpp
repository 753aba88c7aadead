#include "toolkit/portable/Component.h"

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/TextUtil.h"

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponent>("TComponent", nullptr)
          .Creatable()
          .PropNoDefault("Name", &TComponent::GetName, &TComponent::SetName)
          .Prop("Tag", &TComponent::GetTag, &TComponent::SetTag, 0)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TComponent);

bool IsValidIdent(std::string_view Name) {
  if (Name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(Name[0])) return false;
  return std::all_of(Name.begin(), Name.end(),
                     [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FState.Include(csDestroying);
  // Watchers drop their references before anything else goes.
  std::vector<TComponent*> watchers;
  watchers.swap(FFreeNotifies);
  for (TComponent* w : watchers) {
    auto& back = w->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    w->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::InsertComponent(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it == FComponents.end()) return;
  Notification(AComponent, opRemove);
  FComponents.erase(std::find(FComponents.begin(), FComponents.end(), AComponent));
  AComponent->FOwner = nullptr;
}

void TComponent::SetName(const std::string& Value) {
  if (Value == FName) return;
  if (!Value.empty() && !IsValidIdent(Value))
    throw EComponentError("\"" + Value + "\" is not a valid component name");
  if (!Value.empty() && FOwner) {
    TComponent* other = FOwner->FindComponent(Value);
    if (other && other != this)
      throw EComponentError("A component named " + Value + " already exists");
  }
  FName = Value;
}

TComponent* TComponent::FindComponent(std::string_view Name) const {
  if (Name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, Name)) return c;
  return nullptr;
}

void TComponent::SetLoading(bool Value) {
  Value ? FState.Include(csLoading) : FState.Exclude(csLoading);
}

void TComponent::SetDesigning(bool Value) {
  Value ? FState.Include(csDesigning) : FState.Exclude(csDesigning);
}

void TComponent::Loaded() {
  FState.Exclude(csLoading);
}

void TComponent::FreeNotification(TComponent* Other) {
  if (!Other || Other == this) return;
  if (std::find(Other->FFreeNotifies.begin(), Other->FFreeNotifies.end(), this) ==
      Other->FFreeNotifies.end()) {
    Other->FFreeNotifies.push_back(this);
    FFreeNotifies.push_back(Other);
  }
}

void TComponent::RemoveFreeNotification(TComponent* Other) {
  if (!Other) return;
  auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
  };
  drop(Other->FFreeNotifies, this);
  drop(FFreeNotifies, Other);
}

bool TComponent::ReadBinaryProperty(std::string_view, const std::vector<std::uint8_t>&) {
  return false;
}

void TComponent::Notification(TComponent*, TOperation) {}
