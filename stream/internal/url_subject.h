// How a failure line names the URL a load or open was about.
#pragma once

#include "runtime/object.h"
#include "runtime/string.h"

namespace tazmix {

// A text URL between double quotes ("ball.png"); "a stream", "a bank" or
// "an object" for the other kinds; "Null" for none.
String UrlSubject(const Ref<Object>& url);

}  // namespace tazmix
