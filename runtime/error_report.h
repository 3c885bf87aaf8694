/// \file
/// Why a load or an open failed, told once.
///
/// Loading and opening functions answer failure with Null, 0 or "" and never
/// raise. So that a programmer can still tell a typo in a path from a missing
/// loader, each such public function opens a FailureScope naming itself and
/// its subject; whatever fails deeper down notes its reason there. When the
/// outermost scope ends in failure, exactly one line is recorded:
///
///     LoadImage("ball.png"): can't open the file: No such file or directory
///
/// LastErrorText() returns the latest line, the log hook receives every line,
/// and by default each line also goes to standard error as "tazmix: <line>".
/// Nested scopes never print: a loader chain whose first loader fails and whose
/// second succeeds reports nothing. Main thread only, like the rest of the
/// library's state. The common lines are listed on the \ref failures page.
///
/// \code{.cpp}
/// tazmix::SetErrorEcho(false);  // the program shows failures itself
/// auto ball = tazmix::LoadImage("ball.png");
/// if (!ball) tazmix::Notify(tazmix::LastErrorText());
/// \endcode
///
/// A loader of one's own reports the same way:
/// \code{.cpp}
/// Ref<TLevel> LoadLevel(const String& url) {
///   FailureScope scope("LoadLevel", QuoteText(url));
///   Ref<TStream> stream = ReadStream(url);  // notes why it could not open
///   if (!stream) { scope.Fail("can't open the file"); return nullptr; }
///   return scope.Check(ParseLevel(stream), "not a level file");
/// }
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include "string.h"

namespace tazmix {

/// Receives each recorded line (without the "tazmix: " prefix). \since 1.0
using ErrorLogHook = void (*)(const String& line);

/// The latest failure.
/// \return the latest recorded line; "" before the first failure or after
///   ClearLastError.
/// \since 1.0
String LastErrorText();
/// Forgets the latest line, so a later check sees only new failures. \since 1.0
void ClearLastError();
/// Installs the hook that receives every line.
/// \param hook the new hook; nullptr removes it.
/// \return the previous hook, nullptr when there was none.
/// \since 1.0
ErrorLogHook SetErrorLogHook(ErrorLogHook hook);
/// Turns the copy on standard error on or off (on at start).
/// \param on true to write each line to standard error as "tazmix: <line>".
/// \since 1.0
void SetErrorEcho(bool on);

/// Gives the innermost open scope its reason, unless something deeper said why
/// first. Outside every scope it records `reason` as a line of its own.
/// \param reason why the work failed, e.g. "can't open the file: No such file
///   or directory".
/// \since 1.0
void NoteFailure(const String& reason);

/// A public loading or opening function's record of its own failure. The
/// subject is the file, URL or size the call was about, already as text
/// (QuoteText for names). When the outermost scope ends after Fail, it records
/// "Call(subject): reason" with the deepest reason noted; an inner scope hands
/// its reason outwards and prints nothing.
/// \since 1.0
class FailureScope {
 public:
  /// Opens the scope; it becomes the innermost one.
  /// \param call the public function's name, e.g. "LoadImage"; a literal.
  /// \param subject what the call was about, as the line shows it.
  /// \since 1.0
  FailureScope(const char* call, const String& subject);
  /// Closes the scope and, when it failed and is the outermost one, records
  /// its line. \since 1.0
  ~FailureScope();
  /// A scope belongs to one call frame; not copyable. \since 1.0
  FailureScope(const FailureScope&) = delete;
  /// Not assignable. \since 1.0
  FailureScope& operator=(const FailureScope&) = delete;

  /// Marks the call as failed.
  /// \param reason the reason that stands when nothing deeper noted one.
  /// \since 1.0
  void Fail(const String& reason);
  /// Fails with `reason` when `result` is empty, so a function can end with
  /// `return scope.Check(value, "why");`.
  /// \tparam T anything testable as a bool (a Ref, a pointer, a number).
  /// \param result the call's answer.
  /// \param reason the reason when `result` is empty.
  /// \return `result`, either way.
  /// \since 1.0
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

/// A name as failure lines show it.
/// \param text the name.
/// \return `text` between double quotes: "ball.png".
/// \since 1.0
String QuoteText(const String& text);
/// A number as failure lines show it, short.
/// \param value the number.
/// \return its text as printf's %g gives it: 128, 0.5, 1e+30, nan, inf.
/// \since 1.1
String NumberText(double value);

}  // namespace tazmix
