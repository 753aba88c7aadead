#pragma once
// Events are method pointers: an object and one of its member functions,
// called with the sending component first. Two events are equal when they
// name the same member function of the same object, so a handler can be
// removed only by whoever installed it.

#include <cstring>
#include <typeinfo>
#include <utility>

class TObject;

// An event of any signature, as the property registry and the form reader
// pass it around. Signature identifies the TEvent type it came from.
struct TMethod {
  void* Data = nullptr;
  void* Invoker = nullptr;
  alignas(void*) unsigned char Code[2 * sizeof(void*)] = {};
  const std::type_info* Signature = nullptr;

  bool Assigned() const { return Data != nullptr; }
  friend bool operator==(const TMethod& A, const TMethod& B) {
    return A.Data == B.Data && A.Invoker == B.Invoker &&
           std::memcmp(A.Code, B.Code, sizeof A.Code) == 0;
  }
};

template <class... Args>
class TEvent {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}

  template <class T>
  TEvent(T* Object, void (T::*Member)(Args...)) {
    static_assert(sizeof Member <= sizeof Value.Code, "member pointer too large");
    if (!Object) return;
    Value.Data = Object;
    std::memcpy(Value.Code, &Member, sizeof Member);
    Invoke = &InvokeMember<T>;
    Value.Invoker = reinterpret_cast<void*>(Invoke);
    Value.Signature = &typeid(TEvent);
  }

  // Converts back from the erased form; a method of another signature gives
  // an unassigned event.
  static TEvent FromMethod(const TMethod& Method) {
    TEvent result;
    if (!Method.Assigned() || !Method.Signature || *Method.Signature != typeid(TEvent))
      return result;
    result.Value = Method;
    result.Invoke = reinterpret_cast<InvokerFn>(Method.Invoker);
    return result;
  }
  const TMethod& Method() const { return Value; }

  bool Assigned() const { return Value.Assigned(); }
  explicit operator bool() const { return Assigned(); }

  void operator()(Args... A) const {
    if (Invoke) Invoke(Value.Data, Value.Code, std::forward<Args>(A)...);
  }

  friend bool operator==(const TEvent& A, const TEvent& B) { return A.Value == B.Value; }

 private:
  using InvokerFn = void (*)(void*, const unsigned char*, Args...);

  template <class T>
  static void InvokeMember(void* Object, const unsigned char* Code, Args... A) {
    void (T::*member)(Args...);
    std::memcpy(&member, Code, sizeof member);
    (static_cast<T*>(Object)->*member)(std::forward<Args>(A)...);
  }

  TMethod Value;
  InvokerFn Invoke = nullptr;
};

using TNotifyEvent = TEvent<TObject*>;
