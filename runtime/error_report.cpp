#include "runtime/error_report.h"

#include <cstdio>

namespace tazmix {
namespace {

struct ErrorReportState {
  String last_line;
  ErrorLogHook log_hook = nullptr;
  bool echo = true;
  FailureScope* innermost = nullptr;
};

// Built on first use, as a static initialiser may already record a failure,
// and never freed, as exit handlers and destructors may still record one.
ErrorReportState& State() {
  static auto* state = new ErrorReportState();
  return *state;
}

void Record(const String& line) noexcept {
  try {
    ErrorReportState& state = State();
    state.last_line = line;
    if (state.log_hook) state.log_hook(line);
    if (state.echo) {
      const std::string text = "tazmix: " + line.ToUTF8String() + "\n";
      std::fwrite(text.data(), 1, text.size(), stderr);
      std::fflush(stderr);
    }
  } catch (...) {
    // A report must never turn a failure answer into an exception.
  }
}

}  // namespace

String LastErrorText() { return State().last_line; }
void ClearLastError() { State().last_line = String(); }

ErrorLogHook SetErrorLogHook(ErrorLogHook hook) {
  ErrorLogHook previous = State().log_hook;
  State().log_hook = hook;
  return previous;
}

void SetErrorEcho(bool on) { State().echo = on; }

void NoteFailure(const String& reason) {
  FailureScope* innermost = State().innermost;
  if (!innermost) {
    Record(reason);
  } else if (innermost->reason_.IsEmpty()) {
    innermost->reason_ = reason;
  }
}

FailureScope::FailureScope(const char* call, const String& subject)
    : call_(call), subject_(subject), outer_(State().innermost) {
  State().innermost = this;
}

FailureScope::~FailureScope() {
  State().innermost = outer_;
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
