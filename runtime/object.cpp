#include "runtime/object.h"

#include <cstdio>

#include "runtime/string.h"

namespace tazmix {

String Object::ToString() const {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, "%p", static_cast<const void*>(this));
  return String::FromBytes(reinterpret_cast<const uint8_t*>(buffer), n < 0 ? 0 : n);
}

int32_t Object::Compare(const Object* other) const {
  // Only identity matters; the sign keeps sorting by address consistent.
  if (this == other) return 0;
  return this < other ? -1 : 1;
}

Ref<Object> Object::SendMessage(const Ref<Object>&, const Ref<Object>&) { return nullptr; }

}  // namespace tazmix
