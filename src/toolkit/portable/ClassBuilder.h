#pragma once
// Builds the class information of a class, one line per published property:
//
//   const TClassInfo& TLabel::StaticClass() {
//     static const TClassInfo info = TClassBuilder<TLabel>("TLabel",
//     &TGraphicControl::StaticClass())
//         .Creatable()
//         .Prop("Caption", &TLabel::GetCaption, &TLabel::SetCaption, std::string())
//         .Info();
//     return info;
//   }
//
// The property kind follows from the value type: int, bool, std::string,
// std::wstring, an FW_ENUM enumeration, TSet<E>, a pointer to a class with
// class information, TEvent<...>, std::vector<std::string>. Colours are int
// too, so they are registered with ColorProp; collections with
// CollectionProp.

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "toolkit/portable/ClassInfo.h"
#include "toolkit/portable/Collection.h"

class TComponent;

template <class T, class = void>
struct TPropTraits;

template <>
struct TPropTraits<int> {
  static constexpr TPropKind Kind = pkInteger;
  static TPropValue To(int V) {
    TPropValue v;
    v.Ordinal = V;
    return v;
  }
  static int From(const TPropValue& V) { return static_cast<int>(V.Ordinal); }
  static void Describe(TPropInfo&) {}
};

template <>
struct TPropTraits<bool> {
  static constexpr TPropKind Kind = pkBoolean;
  static TPropValue To(bool V) {
    TPropValue v;
    v.Ordinal = V ? 1 : 0;
    return v;
  }
  static bool From(const TPropValue& V) { return V.Ordinal != 0; }
  static void Describe(TPropInfo&) {}
};

template <>
struct TPropTraits<std::string> {
  static constexpr TPropKind Kind = pkString;
  static TPropValue To(const std::string& V) {
    TPropValue v;
    v.Text = V;
    return v;
  }
  static std::string From(const TPropValue& V) { return V.Text; }
  static void Describe(TPropInfo&) {}
};

template <>
struct TPropTraits<std::wstring> {
  static constexpr TPropKind Kind = pkWideString;
  static TPropValue To(const std::wstring& V) {
    TPropValue v;
    v.Wide = V;
    return v;
  }
  static std::wstring From(const TPropValue& V) { return V.Wide; }
  static void Describe(TPropInfo&) {}
};

template <>
struct TPropTraits<std::vector<std::string>> {
  static constexpr TPropKind Kind = pkStringList;
  static TPropValue To(const std::vector<std::string>& V) {
    TPropValue v;
    v.Lines = V;
    return v;
  }
  static std::vector<std::string> From(const TPropValue& V) { return V.Lines; }
  static void Describe(TPropInfo&) {}
};

template <class E>
struct TPropTraits<E, std::enable_if_t<std::is_enum_v<E>>> {
  static constexpr TPropKind Kind = pkEnumeration;
  static TPropValue To(E V) {
    TPropValue v;
    v.Ordinal = static_cast<int>(V);
    return v;
  }
  static E From(const TPropValue& V) { return static_cast<E>(V.Ordinal); }
  static void Describe(TPropInfo& Info) { Info.Enum = &EnumInfoOf<E>(); }
};

template <class E>
struct TPropTraits<TSet<E>> {
  static constexpr TPropKind Kind = pkSet;
  static TPropValue To(TSet<E> V) {
    TPropValue v;
    v.Ordinal = static_cast<std::int64_t>(V.Bits());
    return v;
  }
  static TSet<E> From(const TPropValue& V) {
    return TSet<E>::FromBits(static_cast<std::uint64_t>(V.Ordinal));
  }
  static void Describe(TPropInfo& Info) { Info.Enum = &EnumInfoOf<E>(); }
};

template <class C>
struct TPropTraits<C*, std::enable_if_t<std::is_base_of_v<TObject, C>>> {
  static constexpr TPropKind Kind = pkClass;
  static TPropValue To(C* V) {
    TPropValue v;
    v.Object = V;
    return v;
  }
  // An object of another class reads as null.
  static C* From(const TPropValue& V) { return dynamic_cast<C*>(V.Object); }
  static void Describe(TPropInfo& Info) { Info.ObjectClassOf = &C::StaticClass; }
};

template <class... A>
struct TPropTraits<TEvent<A...>> {
  static constexpr TPropKind Kind = pkEvent;
  static TPropValue To(const TEvent<A...>& V) {
    TPropValue v;
    v.Method = V.Method();
    return v;
  }
  static TEvent<A...> From(const TPropValue& V) { return TEvent<A...>::FromMethod(V.Method); }
  static void Describe(TPropInfo& Info) { Info.EventType = &typeid(TEvent<A...>); }
};

template <class C>
class TClassBuilder {
 public:
  TClassBuilder(std::string Name, const TClassInfo* Parent) : Result(std::move(Name), Parent) {}

  // The form reader may create instances of this class: components by
  // their owner, collection items by their collection.
  TClassBuilder& Creatable() {
    if constexpr (std::is_constructible_v<C, TComponent*>)
      Result.SetFactory([](TComponent* Owner) -> TComponent* { return new C(Owner); });
    if constexpr (std::is_base_of_v<TCollectionItem, C> && std::is_constructible_v<C, TCollection*>)
      Result.SetItemFactory(
          [](TCollection* Collection) -> TCollectionItem* { return new C(Collection); });
    return *this;
  }

  // Getter and setter may belong to a base class of C.
  template <class B, class G, class S, class D>
  TClassBuilder& Prop(const char* Name, G (B::*Getter)() const, void (B::*Setter)(S), D Default) {
    using V = std::remove_cvref_t<G>;
    TPropInfo info = Base<V>(Name, Getter);
    info.Set = [Setter](TObject& O, const TPropValue& Value) {
      (static_cast<C&>(O).*Setter)(TPropTraits<V>::From(Value));
    };
    info.HasDefault = true;
    info.Default = TPropTraits<V>::To(static_cast<V>(Default));
    Result.AddProperty(std::move(info));
    return *this;
  }

  // A property without a meaningful default (always listed when written).
  template <class B, class G, class S>
  TClassBuilder& PropNoDefault(const char* Name, G (B::*Getter)() const, void (B::*Setter)(S)) {
    using V = std::remove_cvref_t<G>;
    TPropInfo info = Base<V>(Name, Getter);
    info.Set = [Setter](TObject& O, const TPropValue& Value) {
      (static_cast<C&>(O).*Setter)(TPropTraits<V>::From(Value));
    };
    Result.AddProperty(std::move(info));
    return *this;
  }

  // An owned object whose own properties are set through it (Font.Name).
  template <class B, class T>
  TClassBuilder& ObjectProp(const char* Name, T* (B::*Getter)() const) {
    Result.AddProperty(Base<T*>(Name, Getter));
    return *this;
  }

  // An owned collection; a form description lists its items, which replace
  // whatever it held.
  template <class B, class T>
  TClassBuilder& CollectionProp(const char* Name, T* (B::*Getter)() const) {
    static_assert(std::is_base_of_v<TCollection, T>);
    TPropInfo info = Base<T*>(Name, Getter);
    info.Kind = pkCollection;
    Result.AddProperty(std::move(info));
    return *this;
  }

  template <class B>
  TClassBuilder& ColorProp(const char* Name, int (B::*Getter)() const, void (B::*Setter)(int),
                           int Default) {
    TPropInfo info = Base<int>(Name, Getter);
    info.Kind = pkColor;
    info.Set = [Setter](TObject& O, const TPropValue& Value) {
      (static_cast<C&>(O).*Setter)(static_cast<int>(Value.Ordinal));
    };
    info.HasDefault = true;
    info.Default.Ordinal = Default;
    Result.AddProperty(std::move(info));
    return *this;
  }

  // An event property held in a public data member.
  // An integer property whose value may also be written as an identifier
  // (cursor names such as crHandPoint).
  template <class B>
  TClassBuilder& IntIdentProp(const char* Name, int (B::*Getter)() const, void (B::*Setter)(int),
                              int Default, std::optional<int> (*IdentToInt)(std::string_view)) {
    Prop(Name, Getter, Setter, Default);
    Result.LastProperty().IdentToInt = IdentToInt;
    return *this;
  }

  template <class B, class... A>
  TClassBuilder& EventProp(const char* Name, TEvent<A...> B::*Member) {
    TPropInfo info;
    info.Name = Name;
    info.Kind = pkEvent;
    info.EventType = &typeid(TEvent<A...>);
    info.Get = [Member](const TObject& O) {
      return TPropTraits<TEvent<A...>>::To(static_cast<const C&>(O).*Member);
    };
    info.Set = [Member](TObject& O, const TPropValue& Value) {
      static_cast<C&>(O).*Member = TEvent<A...>::FromMethod(Value.Method);
    };
    Result.AddProperty(std::move(info));
    return *this;
  }

  // A published method that events can be bound to by name.
  template <class... A>
  TClassBuilder& Method(const char* Name, void (C::*Member)(A...)) {
    Result.AddMethod(
        Name, [Member](TObject& O) { return TEvent<A...>(&static_cast<C&>(O), Member).Method(); });
    return *this;
  }

  // A published component field, set by the form reader to the component
  // of that name.
  template <class T>
  TClassBuilder& Field(const char* Name, T* C::*Member) {
    Result.AddField(Name, [Member](TObject& Root, TComponent* Value) {
      T* typed = dynamic_cast<T*>(Value);
      if (Value && !typed) return false;
      static_cast<C&>(Root).*Member = typed;
      return true;
    });
    return *this;
  }

  TClassInfo Info() { return std::move(Result); }

 private:
  template <class V, class B, class G>
  TPropInfo Base(const char* Name, G (B::*Getter)() const) {
    static_assert(std::is_base_of_v<B, C>);
    TPropInfo info;
    info.Name = Name;
    info.Kind = TPropTraits<V>::Kind;
    TPropTraits<V>::Describe(info);
    info.Get = [Getter](const TObject& O) {
      return TPropTraits<V>::To((static_cast<const C&>(O).*Getter)());
    };
    return info;
  }

  TClassInfo Result;
};
