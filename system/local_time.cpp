#include "system/local_time.h"

#include <iomanip>
#include <locale>
#include <sstream>

namespace tazmix {

namespace {

// The classic locale keeps month names English whatever the user's settings.
String Format(const std::tm& time, const char* pattern) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::put_time(&time, pattern);
  return String::FromCString(out.str().substr(0, 255).c_str());
}

std::tm Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

String FormatDate(const std::tm& time) { return Format(time, "%d %b %Y"); }
String FormatTime(const std::tm& time) { return Format(time, "%H:%M:%S"); }
String CurrentDate() { return FormatDate(Now()); }
String CurrentTime() { return FormatTime(Now()); }

}  // namespace tazmix
