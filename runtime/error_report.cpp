#include "runtime/error_report.h"

#include <cstdio>

namespace tazmix {
namespace {

String last_line;
ErrorLogHook log_hook = nullptr;
bool echo = true;
FailureScope* innermost = nullptr;

void Record(const String& line) noexcept {
  try {
    last_line = line;
    if (log_hook) log_hook(line);
    if (echo) {
      const std::string text = "tazmix: " + line.ToUTF8String() + "\n";
      std::fwrite(text.data(), 1, text.size(), stderr);
      std::fflush(stderr);
    }
  } catch (...) {
    // A report must never turn a failure answer into an exception.
  }
}

}  // namespace

String LastErrorText() { return last_line; }
void ClearLastError() { last_line = String(); }

ErrorLogHook SetErrorLogHook(ErrorLogHook hook) {
  ErrorLogHook previous = log_hook;
  log_hook = hook;
  return previous;
}

void SetErrorEcho(bool on) { echo = on; }

void NoteFailure(const String& reason) {
  if (!innermost) {
    Record(reason);
  } else if (innermost->reason_.IsEmpty()) {
    innermost->reason_ = reason;
  }
}

FailureScope::FailureScope(const char* call, const String& subject)
    : call_(call), subject_(subject), outer_(innermost) {
  innermost = this;
}

FailureScope::~FailureScope() {
  innermost = outer_;
  if (!failed_) return;
  if (outer_) {
    // Only the outermost call speaks; it keeps the deepest reason.
    if (outer_->reason_.IsEmpty()) outer_->reason_ = reason_;
    return;
  }
  Record(String(call_) + "(" + subject_ + "): " + reason_);
}

void FailureScope::Fail(const String& reason) {
  failed_ = true;
  if (reason_.IsEmpty()) reason_ = reason;
}

String QuoteText(const String& text) { return String("\"") + text + String("\""); }

String NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return String(text);
}

}  // namespace tazmix
