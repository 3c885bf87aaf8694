/// \file
/// Runtime exceptions and throwing.
///
/// Anything can be thrown: an exception object, a String, any Object. A throw
/// is one C++ type, Thrown, carrying the object. Nothing may let a Thrown cross
/// a C library's frames (libpng, FreeType, SDL callbacks): catch or convert it
/// at that boundary. Loaders and openers do not throw (they answer Null, 0 or
/// "", see runtime/error_report.h); exceptions are for misuse, such as drawing
/// before OpenGraphics or using a Null object.
///
/// \code{.cpp}
/// try {
///   tazmix::Throw("level file broken");
/// } catch (const tazmix::Thrown& thrown) {
///   tazmix::String text;
///   if (thrown.IsString(&text)) std::cerr << text;
///   else if (auto* e = thrown.As<tazmix::TRuntimeException>()) std::cerr << e->error;
/// }
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include "object.h"
#include "string.h"

namespace tazmix {

/// The base class of the runtime's exceptions. \since 1.0
class TTazmoException : public Object {};

/// Raised where a Null object was used as an object (NotNull, the module
/// functions taking a Ref, drawing before OpenGraphics).
/// \since 1.0
class TNullObjectException : public TTazmoException {
 public:
  /// \return `why` when set, else "Attempt to access field or method of Null
  ///   object". \since 1.0
  String ToString() const override;
  /// Set where the library knows which call needed the object and what to do
  /// about it; it then replaces the general text. \since 1.1
  String why;
};
/// Raised by a method a class must override but did not ("Attempt to call
/// abstract method"). \since 1.0
class TNullMethodException : public TTazmoException {
 public:
  /// \return "Attempt to call abstract method". \since 1.0
  String ToString() const override;
};
/// Raised where an empty function was called (a Null compare function for
/// TList::Sort). \since 1.0
class TNullFunctionException : public TTazmoException {
 public:
  /// \return "Attempt to call uninitialized function pointer". \since 1.0
  String ToString() const override;
};
/// Raised by an index beyond an array's length. \since 1.0
class TArrayBoundsException : public TTazmoException {
 public:
  /// \return "Attempt to index array element beyond array length". \since 1.0
  String ToString() const override;
};
/// Raised by a read beyond the end of data. \since 1.0
class TOutOfDataException : public TTazmoException {
 public:
  /// \return "Attempt to read beyond end of data". \since 1.0
  String ToString() const override;
};
/// A runtime error with a message of its own (ThrowRuntimeError). \since 1.0
class TRuntimeException : public TTazmoException {
 public:
  /// A new runtime error.
  /// \param error its message.
  /// \return the exception object, not yet thrown.
  /// \since 1.0
  static Ref<TRuntimeException> Create(const String& error);
  /// \return the message. \since 1.0
  String ToString() const override { return error; }
  /// The message. \since 1.0
  String error;
};

/// What travels up the C++ stack when the system throws: catch
/// `const tazmix::Thrown&`.
/// \since 1.0
class Thrown {
 public:
  /// Carries `object`.
  /// \param object the thrown object (an exception, a String's buffer, any Object).
  /// \since 1.0
  explicit Thrown(Ref<Object> object) : object_(std::move(object)) {}
  /// \return the thrown object. \since 1.0
  const Ref<tazmix::Object>& Value() const noexcept { return object_; }
  /// The thrown object as class T.
  /// \tparam T the class to test for.
  /// \return the object, or Null when it is of another class.
  /// \since 1.0
  template <class T>
  T* As() const noexcept { return dynamic_cast<T*>(object_.get()); }
  /// Whether a String was thrown.
  /// \param out receives the String when one was thrown; may be nullptr.
  /// \return true when a String was thrown.
  /// \since 1.0
  bool IsString(String* out = nullptr) const { return String::FromObject(object_.get(), out); }
  /// \return the object's ToString text, as the uncaught path writes it; ""
  ///   for a thrown Null. \since 1.0
  String Text() const;

 private:
  Ref<tazmix::Object> object_;
};

/// Throws an object.
/// \param object the object to throw.
/// \throws Thrown always.
/// \since 1.0
[[noreturn]] void Throw(Ref<Object> object);
/// Throws a String.
/// \param text the text to throw.
/// \throws Thrown always, carrying the String.
/// \since 1.0
[[noreturn]] void Throw(const String& text);
/// Throws a TRuntimeException.
/// \param message its message.
/// \throws Thrown always, carrying a TRuntimeException.
/// \since 1.0
[[noreturn]] void ThrowRuntimeError(const String& message);
/// Throws a TNullObjectException with the general text.
/// \throws Thrown always.
/// \since 1.0
[[noreturn]] void ThrowNullObject();
/// Throws a TNullObjectException with a text of its own, e.g.
/// "SetColor: no graphics are open; call OpenGraphics first\n": it ends with
/// a line end because the uncaught path writes the text as it is.
/// \param why the text, which becomes TNullObjectException::why.
/// \throws Thrown always.
/// \since 1.1
[[noreturn]] void ThrowNullObject(const String& why);
/// Throws a TNullMethodException. \throws Thrown always. \since 1.0
[[noreturn]] void ThrowNullMethod();
/// Throws a TNullFunctionException. \throws Thrown always. \since 1.0
[[noreturn]] void ThrowNullFunction();
/// Throws a TArrayBoundsException. \throws Thrown always. \since 1.0
[[noreturn]] void ThrowArrayBounds();
/// Throws a TOutOfDataException. \throws Thrown always. \since 1.0
[[noreturn]] void ThrowOutOfData();

/// The object behind `ref`: what a module function uses in place of a field or
/// method of Null, which raises TNullObjectException instead of crashing.
/// \param ref the reference.
/// \return the object.
/// \throws Thrown carrying a TNullObjectException when `ref` is Null.
/// \since 1.0
template <class T>
T& NotNull(const Ref<T>& ref) {
  if (!ref) ThrowNullObject();
  return *ref;
}
/// The object behind `ref`, naming the need when it is Null.
/// \param ref the reference.
/// \param why the exception's text when `ref` is Null (see ThrowNullObject).
/// \return the object.
/// \throws Thrown carrying a TNullObjectException with `why` when `ref` is Null.
/// \since 1.1
template <class T>
T& NotNull(const Ref<T>& ref, const char* why) {
  if (!ref) ThrowNullObject(why);
  return *ref;
}

/// The uncaught path: writes the object's ToString text to standard error, one
/// byte per code unit and no line end, then ends the process with code -1
/// (255), running the at-exit handlers.
/// \param thrown what escaped.
/// \since 1.0
[[noreturn]] void ReportUncaught(const Thrown& thrown);

}  // namespace tazmix
