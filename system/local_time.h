/// \file
/// The local date and time as text.
///
/// \code{.cpp}
/// tazmix::String stamp = tazmix::CurrentDate() + " " + tazmix::CurrentTime();  // "08 Dec 2026 07:05:09"
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <ctime>

#include "../runtime/string.h"

namespace tazmix {

/// \return today as "08 Dec 2026": two-digit day, English month abbreviation,
///   four-digit year. \since 1.0
String CurrentDate();
/// \return the time of day as "07:05:09". \since 1.0
String CurrentTime();

/// CurrentDate for a given time. \param time a broken-down time.
/// \return the date as "08 Dec 2026". \since 1.0
String FormatDate(const std::tm& time);
/// CurrentTime for a given time. \param time a broken-down time.
/// \return the time as "07:05:09". \since 1.0
String FormatTime(const std::tm& time);

}  // namespace tazmix
