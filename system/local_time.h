// The local date and time as text.
#pragma once

#include <ctime>

#include "../runtime/string.h"

namespace tazmix {

// "08 Dec 2026": two-digit day, English month abbreviation, four-digit year.
String CurrentDate();
// "07:05:09".
String CurrentTime();

// The same for a given broken-down time.
String FormatDate(const std::tm& time);
String FormatTime(const std::tm& time);

}  // namespace tazmix
