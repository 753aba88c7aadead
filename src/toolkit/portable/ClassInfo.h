#pragma once
// Run-time class information: the class name, its parent, a factory for
// classes the form reader may create, the published properties, the
// published methods (event handlers found by name) and published fields
// (component fields of a form set by name).

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "toolkit/portable/PropInfo.h"

class TComponent;
class TCollection;
class TCollectionItem;

class TObject {
 public:
  virtual ~TObject() = default;
  virtual const TClassInfo& ClassType() const = 0;
  const std::string& ClassName() const;
  // True when the object's class is, or derives from, the class of that name.
  bool InheritsFrom(std::string_view ClassName) const;
};

// Put in the class body of every class with run-time class information.
#define FW_CLASS(Type)                           \
 public:                                         \
  static const TClassInfo& StaticClass();        \
  const TClassInfo& ClassType() const override { \
    return StaticClass();                        \
  }

class TClassInfo {
 public:
  using TFactory = std::function<TComponent*(TComponent* Owner)>;
  // Collection items are made by their collection instead.
  using TItemFactory = std::function<TCollectionItem*(TCollection* Collection)>;
  using TMethodMaker = std::function<TMethod(TObject&)>;
  using TFieldSetter = std::function<bool(TObject& Root, TComponent* Value)>;

  TClassInfo(std::string Name, const TClassInfo* Parent)
      : ClassName(std::move(Name)), Parent(Parent) {}

  const std::string& Name() const { return ClassName; }
  const TClassInfo* ParentClass() const { return Parent; }
  bool InheritsFrom(std::string_view Name) const;
  bool InheritsFrom(const TClassInfo& Other) const;

  // Lookups walk the class chain; names compare ignoring ASCII case.
  const TPropInfo* FindProperty(std::string_view Name) const;
  const TMethodMaker* FindMethod(std::string_view Name) const;
  const TFieldSetter* FindField(std::string_view Name) const;
  // Own properties only, in registration order.
  const std::vector<TPropInfo>& OwnProperties() const { return Props; }
  const TFactory& Factory() const { return Create; }
  const TItemFactory& ItemFactory() const { return CreateItem; }

  void AddProperty(TPropInfo Info) { Props.push_back(std::move(Info)); }
  TPropInfo& LastProperty() { return Props.back(); }
  void AddMethod(std::string Name, TMethodMaker Maker) {
    Methods.emplace_back(std::move(Name), std::move(Maker));
  }
  void AddField(std::string Name, TFieldSetter Setter) {
    Fields.emplace_back(std::move(Name), std::move(Setter));
  }
  void SetFactory(TFactory Factory) { Create = std::move(Factory); }
  void SetItemFactory(TItemFactory Factory) { CreateItem = std::move(Factory); }

 private:
  std::string ClassName;
  const TClassInfo* Parent;
  TFactory Create;
  TItemFactory CreateItem;
  std::vector<TPropInfo> Props;
  std::vector<std::pair<std::string, TMethodMaker>> Methods;
  std::vector<std::pair<std::string, TFieldSetter>> Fields;
};

// Class registry: class names to class information, for the form reader.
void RegisterClassInfo(const TClassInfo& Info);
const TClassInfo* FindClassInfo(std::string_view Name);
// Every registered class, ordered by name.
std::vector<const TClassInfo*> RegisteredClassInfos();

#define FW_CONCAT_INNER(a, b) a##b
#define FW_CONCAT(a, b) FW_CONCAT_INNER(a, b)
// Registers a class at program start; put it in the class's source file.
#define FW_REGISTER_CLASS(Type) \
  static const bool FW_CONCAT(registered_, Type) = (RegisterClassInfo(Type::StaticClass()), true)
