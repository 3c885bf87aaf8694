/// \file
/// The system driver: the one door to the platform's input queue, pointer,
/// standard dialogs and shell. The rest of the system reaches it only
/// through TSystemDriver and the module functions below; one driver is made
/// when the system module starts (CreatePlatformSystemDriver) and lives until
/// the process ends. Everything here runs on the main thread.
///
/// Message boxes are titled with ApplicationTitle. Without a display they
/// print their text on standard error and answer as Cancel would; without a
/// desktop dialog program (zenity or kdialog) the requesters answer "".
///
/// \code{.cpp}
/// if (tazmix::Confirm("Start a new game?") == 1) NewGame();
/// tazmix::String path = tazmix::RequestFile("Open a word list", "Word lists:txt", 0, "words.txt");
/// if (!path.IsEmpty()) LoadWords(path);
/// tazmix::OpenURL("readme.html");  // an existing file opens as file:...
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// Modifier bit of input events' `mods`: a Shift key is down. \since 1.0
constexpr int32_t MODIFIER_SHIFT = 1;
/// Modifier bit: a Control key is down. \since 1.0
constexpr int32_t MODIFIER_CONTROL = 2;
/// Modifier bit: an Alt key is down. \since 1.0
constexpr int32_t MODIFIER_OPTION = 4;
/// Modifier bit: a logo (system) key is down. \since 1.0
constexpr int32_t MODIFIER_SYSTEM = 8;

/// The platform's input, pointer, dialogs and shell behind one interface.
/// Every operation is abstract; the base versions raise TNullMethodException.
/// A back end for a new platform derives it, implements all ten operations,
/// and returns an instance from its CreatePlatformSystemDriver. It turns the
/// platform's keyboard, mouse and window input into TEvents (event.h) emitted
/// with EmitEvent, key codes in the numbering of keys.h (codes 1 to 255 only),
/// `mods` from the MODIFIER_ bits, mouse buttons 1 left, 2 right, 3 middle;
/// and it runs the calls that other threads post to the main thread
/// (main_thread_call.h) while it polls or waits.
/// \since 1.0
class TSystemDriver : public Object {
 public:
  /// Delivers all pending platform input without waiting. A back end takes
  /// every pending item from the queue, emits its events and runs posted
  /// calls in the order they were posted.
  /// \return 0.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual int32_t Poll();
  /// Blocks until at least one platform input (or posted call) is pending,
  /// then does as Poll. A back end sleeps without a timeout.
  /// \return 0.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual int32_t Wait();
  /// Places the pointer. A back end converts from the active window's
  /// coordinates and emits no event for the move itself.
  /// \param x, y the position in the active window's pixels.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual void MoveMouse(int32_t x, int32_t y);
  /// Shows or hides the pointer. A back end hides it only while it is over
  /// one of the program's windows.
  /// \param visible nonzero to show, 0 to hide.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual void SetMouseVisible(int32_t visible);
  /// A modal message box with an OK button.
  /// \param text the message.
  /// \param serious nonzero for a warning icon, 0 for an information icon.
  /// \return 0.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual int32_t Notify(const String& text, int32_t serious);
  /// A modal message box with OK and Cancel.
  /// \param text the question.
  /// \param serious nonzero for a warning icon.
  /// \return 1 for OK; 0 for Cancel, closing, or no box could be shown.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual int32_t Confirm(const String& text, int32_t serious);
  /// A modal message box with Yes, No and Cancel.
  /// \param text the question.
  /// \param serious nonzero for a warning icon.
  /// \return 1 for Yes, 0 for No; -1 for Cancel, closing, or no box could be shown.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual int32_t Proceed(const String& text, int32_t serious);
  /// A file requester. A back end reads `filter` and `path` by the rules of
  /// file_request.h.
  /// \param text the requester's title.
  /// \param filter groups "Description:ext,ext;..." or just "ext,ext"; "" for all files.
  /// \param save nonzero for a save requester (asks before overwriting), 0 to
  ///   open an existing file.
  /// \param path the folder and file name to start with; may be "".
  /// \return the chosen full path; "" when cancelled or no requester can be shown.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual String RequestFile(const String& text, const String& filter, int32_t save, const String& path);
  /// A folder requester.
  /// \param text the requester's title.
  /// \param path the folder to start in; may be "".
  /// \return the chosen folder; "" when cancelled or no requester can be shown.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual String RequestDir(const String& text, const String& path);
  /// Hands a URL to the platform's shell to open with its default program.
  /// The module's OpenURL has already resolved bare names.
  /// \param url a "http:", "https:" or "file:" URL.
  /// \return 1 when the platform accepted it, else 0.
  /// \throws Thrown (TNullMethodException) in the base class.
  /// \since 1.0
  virtual int32_t OpenURL(const String& url);
};

/// The driver of this platform; each platform folder defines it, and
/// InitSystem calls it once. A new back end defines this function.
/// \return a new driver.
/// \since 1.0
Ref<TSystemDriver> CreatePlatformSystemDriver();

/// Starts the system module once: streams and events first, then the
/// platform driver. The other modules call it as they start. \since 1.0
void InitSystem();
/// The driver in force.
/// \return the driver (starting the module if needed); never nullptr.
/// \since 1.0
TSystemDriver* SystemDriver();

/// Delivers pending input (TSystemDriver::Poll). A call while another
/// PollSystem or WaitSystem runs on the stack (say, from a hook during
/// delivery) returns at once. Every polled-input query calls it.
/// \return 0.
/// \since 1.0
int32_t PollSystem();
/// Waits for input, then delivers it (TSystemDriver::Wait); nested calls
/// return at once, as PollSystem's.
/// \return 0.
/// \since 1.0
int32_t WaitSystem();

/// Places the pointer; no event follows from the move.
/// \param x, y the position in the active window's pixels.
/// \since 1.0
void MoveMouse(int32_t x, int32_t y);
/// Shows the pointer over the program's windows (shown at start). \since 1.0
void ShowMouse();
/// Hides the pointer while it is over the program's windows. \since 1.0
void HideMouse();
/// Shows a message with an OK button and waits for it.
/// \param text the message.
/// \param serious nonzero for a warning icon.
/// \return 0.
/// \since 1.0
int32_t Notify(const String& text, int32_t serious = 0);
/// Asks OK or Cancel.
/// \param text the question.
/// \param serious nonzero for a warning icon.
/// \return 1 for OK; 0 for Cancel, closing the box, or no display (the text
///   then goes to standard error).
/// \since 1.0
int32_t Confirm(const String& text, int32_t serious = 0);
/// Asks Yes, No or Cancel.
/// \param text the question.
/// \param serious nonzero for a warning icon.
/// \return 1 for Yes, 0 for No; -1 for Cancel, closing the box, or no
///   display (the text then goes to standard error).
/// \since 1.0
int32_t Proceed(const String& text, int32_t serious = 0);
/// Lets the user choose a file.
/// \param text the requester's title.
/// \param filter groups "Images:png,jpg;Text:txt" or just "png,jpg"; "" for
///   all files. The group holding `path`'s extension is chosen first.
/// \param save nonzero to choose a file to save (asks before overwriting).
/// \param path the folder and name to start with.
/// \return the chosen full path; "" when cancelled or when no requester can
///   be shown.
/// \since 1.0
String RequestFile(const String& text, const String& filter = String(), int32_t save = 0,
                   const String& path = String());
/// Lets the user choose a folder.
/// \param text the requester's title.
/// \param path the folder to start in.
/// \return the chosen folder; "" when cancelled or when no requester can be shown.
/// \since 1.0
String RequestDir(const String& text, const String& path = String());
/// Opens a URL, file or folder with the desktop's default program; a bare
/// name is first rewritten by ResolveURLForShell.
/// \param url e.g. "https://example.org", "manual.html" or "www.example.org".
/// \return 1 when the platform accepted it; 0 when it refused.
/// \since 1.0
int32_t OpenURL(const String& url);
/// The URL OpenURL hands to the platform.
/// \param url the text given to OpenURL.
/// \return `url` as it is when it starts with "http:", "https:" or "file:"
///   (any letter case). Otherwise the part before the first "#" is resolved
///   as a path: an existing file or folder gives "file:" + its full path,
///   anything else "http:" + the text; the "#" fragment is kept in both.
/// \since 1.0
String ResolveURLForShell(const String& url);

}  // namespace tazmix
