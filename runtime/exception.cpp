#include "runtime/exception.h"

#include <cstdio>
#include <cstdlib>

namespace tazmix {

String TNullObjectException::ToString() const {
  return why.IsEmpty() ? String("Attempt to access field or method of Null object") : why;
}
String TNullMethodException::ToString() const { return "Attempt to call abstract method"; }
String TNullFunctionException::ToString() const { return "Attempt to call uninitialized function pointer"; }
String TArrayBoundsException::ToString() const { return "Attempt to index array element beyond array length"; }
String TOutOfDataException::ToString() const { return "Attempt to read beyond end of data"; }

Ref<TRuntimeException> TRuntimeException::Create(const String& error) {
  auto e = New<TRuntimeException>();
  e->error = error;
  return e;
}

String Thrown::Text() const { return object_ ? object_->ToString() : String(); }

void Throw(Ref<Object> object) { throw Thrown(std::move(object)); }
void Throw(const String& text) { throw Thrown(text.AsObject()); }
void ThrowRuntimeError(const String& message) { Throw(TRuntimeException::Create(message)); }
void ThrowNullObject() { Throw(New<TNullObjectException>()); }
void ThrowNullObject(const String& why) {
  auto e = New<TNullObjectException>();
  e->why = why;
  Throw(e);
}
void ThrowNullMethod() { Throw(New<TNullMethodException>()); }
void ThrowNullFunction() { Throw(New<TNullFunctionException>()); }
void ThrowArrayBounds() { Throw(New<TArrayBoundsException>()); }
void ThrowOutOfData() { Throw(New<TOutOfDataException>()); }

void ReportUncaught(const Thrown& thrown) {
  const std::string bytes = thrown.Text().ToCString();
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
  std::exit(255);
}

}  // namespace tazmix
