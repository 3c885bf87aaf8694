// How a failure line names the URL a call was given.
#pragma once

#include "runtime/object.h"
#include "runtime/string.h"

namespace tazmix {

// A text URL in double quotes; otherwise what kind of object it is.
String UrlSubject(const Ref<Object>& url);

}  // namespace tazmix
