#pragma once
// The root of the component model: a named object with an owner that frees
// it, a list of the components it owns, and notification when components it
// watches go away.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/portable/ClassInfo.h"

FW_ENUM(TComponentStateFlag, csLoading, csDesigning, csDestroying)
using TComponentState = TSet<TComponentStateFlag>;

FW_ENUM(TOperation, opInsert, opRemove)

class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TComponent : public TObject {
  FW_CLASS(TComponent)

 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& GetName() const { return FName; }
  // Throws EComponentError for a name that is not an identifier or that
  // another component of the same owner already has.
  void SetName(const std::string& Value);
  int GetTag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Component(int Index) const { return FComponents.at(Index); }
  // Frees every owned component now.
  void DestroyOwnedComponents() { DestroyComponents(); }
  // Owned component of that name (ignoring ASCII case), or null.
  TComponent* FindComponent(std::string_view Name) const;

  TComponentState ComponentState() const { return FState; }
  void SetLoading(bool Value);
  void SetDesigning(bool Value);

  // Called once the form description the component came from has been read
  // completely; the base clears the loading state.
  virtual void Loaded();

  // Asks to be told through Notification when Other is destroyed.
  void FreeNotification(TComponent* Other);
  void RemoveFreeNotification(TComponent* Other);

  // A form description wrote a binary property of this name; returns false
  // when the class has no such property.
  virtual bool ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes);
  // The component's description was nested inside Parent's.
  virtual void SetParentComponent(TComponent* Parent) {}

 protected:
  // AComponent was inserted into or removed from this component's owned
  // list, or (opRemove) a component this one watches is being destroyed.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Frees the owned components now; derived classes call it when their
  // children must go before their own state does.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);

  std::string FName;
  int FTag = 0;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FState;
};

bool IsValidIdent(std::string_view Name);
