// Why a load or an open failed, told once.
//
// Loading and opening functions answer failure with Null, 0 or "" and never
// raise. So that a programmer can still tell a typo in a path from a missing
// loader, each such public function opens a FailureScope naming itself and
// its subject; whatever fails deeper down notes its reason there. When the
// outermost scope ends in failure, exactly one line is recorded:
//
//   LoadImage("ball.png"): can't open the file: No such file or directory
//
// LastErrorText() returns the latest line, the log hook receives every line,
// and by default each line also goes to standard error as "tazmix: <line>".
// Nested scopes never print: a loader chain whose first loader fails and whose
// second succeeds reports nothing. Main thread only, like the rest of the
// library's state.
#pragma once

#include "string.h"

namespace tazmix {

// Receives each recorded line (without the "tazmix: " prefix).
using ErrorLogHook = void (*)(const String& line);

// The latest recorded line; "" before the first failure.
String LastErrorText();
// Forgets the latest line, so a later check sees only new failures.
void ClearLastError();
// Installs the hook that receives every line (nullptr removes it); returns
// the previous one.
ErrorLogHook SetErrorLogHook(ErrorLogHook hook);
// Turns the copy on standard error on or off (on at start).
void SetErrorEcho(bool on);

// Gives the innermost open scope its reason, unless something deeper said why
// first. Outside every scope it records `reason` as a line of its own.
void NoteFailure(const String& reason);

// A public loading or opening function's record of its own failure. The
// subject is the file, URL or size the call was about, already as text
// (QuoteText for names).
class FailureScope {
 public:
  FailureScope(const char* call, const String& subject);
  ~FailureScope();
  FailureScope(const FailureScope&) = delete;
  FailureScope& operator=(const FailureScope&) = delete;

  // Marks the call as failed. `reason` stands when nothing deeper noted one.
  void Fail(const String& reason);
  // Fails with `reason` when `result` is empty; returns `result` either way,
  // so a function can end with `return scope.Check(value, "why");`.
  template <class T>
  T Check(T result, const String& reason) {
    if (!result) Fail(reason);
    return result;
  }

 private:
  friend void NoteFailure(const String& reason);
  const char* call_;
  String subject_;
  String reason_;
  bool failed_ = false;
  FailureScope* outer_;
};

// `text` between double quotes: "ball.png".
String QuoteText(const String& text);
// A number as failure lines show it, short: 128, 0.5, 1e+30, nan, inf.
String NumberText(double value);

}  // namespace tazmix
