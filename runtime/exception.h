// Runtime exceptions and throwing.
//
// Anything can be thrown: an exception object, a String, any Object. A throw
// is one C++ type, Thrown, carrying the object. Nothing may let a Thrown cross
// a C library's frames (libpng, FreeType, SDL callbacks): catch or convert it
// at that boundary.
#pragma once

#include "object.h"
#include "string.h"

namespace tazmix {

class TTazmoException : public Object {};

class TNullObjectException : public TTazmoException {
 public:
  String ToString() const override;
  // Set where the library knows which call needed the object and what to do
  // about it; it then replaces the general text.
  String why;
};
class TNullMethodException : public TTazmoException {
 public:
  String ToString() const override;
};
class TNullFunctionException : public TTazmoException {
 public:
  String ToString() const override;
};
class TArrayBoundsException : public TTazmoException {
 public:
  String ToString() const override;
};
class TOutOfDataException : public TTazmoException {
 public:
  String ToString() const override;
};
class TRuntimeException : public TTazmoException {
 public:
  static Ref<TRuntimeException> Create(const String& error);
  String ToString() const override { return error; }
  String error;
};

// What travels up the C++ stack when the system throws.
class Thrown {
 public:
  explicit Thrown(Ref<Object> object) : object_(std::move(object)) {}
  const Ref<tazmix::Object>& Value() const noexcept { return object_; }
  // The thrown object as class T, or Null when it is of another class.
  template <class T>
  T* As() const noexcept { return dynamic_cast<T*>(object_.get()); }
  // True when a String was thrown; `out` then receives it.
  bool IsString(String* out = nullptr) const { return String::FromObject(object_.get(), out); }
  // The object's ToString text, as the uncaught path writes it.
  String Text() const;

 private:
  Ref<tazmix::Object> object_;
};

[[noreturn]] void Throw(Ref<Object> object);
[[noreturn]] void Throw(const String& text);
[[noreturn]] void ThrowRuntimeError(const String& message);
[[noreturn]] void ThrowNullObject();
// The same class with a text of its own, e.g.
// "SetColor: no graphics are open; call OpenGraphics first\n": it ends with
// a line end because the uncaught path writes the text as it is.
[[noreturn]] void ThrowNullObject(const String& why);
[[noreturn]] void ThrowNullMethod();
[[noreturn]] void ThrowNullFunction();
[[noreturn]] void ThrowArrayBounds();
[[noreturn]] void ThrowOutOfData();

// The object behind `ref`: what a module function uses in place of a field or
// method of Null, which raises TNullObjectException instead of crashing.
template <class T>
T& NotNull(const Ref<T>& ref) {
  if (!ref) ThrowNullObject();
  return *ref;
}
template <class T>
T& NotNull(const Ref<T>& ref, const char* why) {
  if (!ref) ThrowNullObject(why);
  return *ref;
}

// The uncaught path: writes the object's ToString text to standard error, one
// byte per code unit and no line end, then ends the process with code -1
// (255), running the at-exit handlers.
[[noreturn]] void ReportUncaught(const Thrown& thrown);

}  // namespace tazmix
