/// \file
/// Process start-up, application globals, module initialisation, the end of
/// the program, embedded files and the millisecond clock.
///
/// Start-up order (RunApplication):
///   1. install the processor-exception reporter and the terminate handler;
///   2. fill the application globals and change the current directory to the
///      program's directory;
///   3. initialise the runtime base (InitRuntime);
///   4. run the game's main function; a Thrown that escapes it takes the
///      uncaught path (its text on standard error, exit code 255).
///
/// Module initialisation: every module has one Init function that does its
/// work once, in this shape (static constructors do nothing beyond constants,
/// so the order stays explicit):
///
/// \code{.cpp}
/// void InitPixmap() {
///   static bool done = false;
///   if (!BeginModuleInit(done)) return;  // sets the flag, runs InitRuntime()
///   InitStream();                        // the imported modules, in import order
///   RegisterClassRecord(typeid(TPixmap));  // own classes, in declaration order
///   ...                                  // then the module's globals
/// }
/// \endcode
///
/// The flag is set before the imports run, so an import cycle ends instead of
/// recursing.
///
/// A program's whole entry:
/// \code{.cpp}
/// int GameMain() {
///   tazmix::ApplicationTitle = "Vindra!";
///   int32_t start = tazmix::MilliSecs();
///   ...
///   return 0;
/// }
/// int main(int argc, char** argv) { return tazmix::RunApplication(argc, argv, GameMain); }
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include <cstdint>
#include <typeinfo>
#include <vector>

#include "string.h"

namespace tazmix {

// Filled by RunApplication before any module initialises.

/// The current directory at start, with "/" separators. \since 1.0
extern String StartDirectory;
/// The full path of the program file (from /proc/self/exe, else argv[0]
/// resolved against the start folder). \since 1.0
extern String ApplicationPath;
/// The folder of ApplicationPath, as DirectoryOfPath gives it; RunApplication
/// makes it the current directory. \since 1.0
extern String ApplicationDirectory;
/// Caption of the window and message boxes; "Tazmix Application" until the
/// program sets it. \since 1.0
extern String ApplicationTitle;
/// One element per command-line argument, element 0 the program as invoked;
/// each byte of an argument is one character. \since 1.0
extern std::vector<String> ApplicationArgs;

/// The process entry: installs the reporters, fills the globals, changes to the
/// program's directory, initialises the runtime base and runs `game_main`.
/// \param argc, argv main()'s arguments, for ApplicationArgs and ApplicationPath.
/// \param game_main the program's own main function.
/// \return game_main's result, which main() returns in turn. A Thrown that
///   escapes game_main does not return: its text goes to standard error and
///   the process ends with code 255 (see ReportUncaught).
/// \since 1.0
int RunApplication(int argc, char** argv, int (*game_main)());

/// The directory part of a path: the text before the last "/", keeping that
/// "/" after a drive colon ("C:/").
/// \param path a path with "/" separators.
/// \return the folder; "" when there is no "/" or the only one is the first
///   character.
/// \since 1.0
String DirectoryOfPath(const String& path);

/// The runtime base module: registers the seven exception classes. Runs its
/// work once; RunApplication and every BeginModuleInit call it.
/// \since 1.0
void InitRuntime();

/// The first lines of every Init function (see above).
/// \param done the module's own "initialised" flag.
/// \return false when the module was initialised before; otherwise sets
///   `done`, initialises the runtime base and returns true.
/// \since 1.0
bool BeginModuleInit(bool& done);

/// Ends the process at once with exit code 0, running the exit handlers.
/// \since 1.0
[[noreturn]] void EndApplication();
/// Adds a function to the handlers that run when the process ends normally,
/// through EndApplication or through the uncaught path. Later ones run first.
/// \param handler the function to run at exit.
/// \since 1.0
void RegisterExitHandler(void (*handler)());

/// Adds a class to the runtime's list of registered classes (each module's
/// Init function registers its own).
/// \param type the class's type record.
/// \since 1.0
void RegisterClassRecord(const std::type_info& type);
/// The runtime's list of registered classes.
/// \return the classes in order of registration.
/// \since 1.0
const std::vector<const std::type_info*>& RegisteredClasses();

/// Registers a named read-only byte block while a module initialises, so
/// code elsewhere can find it by name (the built-in font's bits are one).
/// \param name the block's name.
/// \param data the bytes; they must outlive the process's use of them.
/// \param length the number of bytes.
/// \return 1, or 0 without change when the name is registered already (the
///   first registration wins) or there is no block (a negative length, or no
///   data behind a length above 0).
/// \since 1.0
int32_t RegisterEmbeddedFile(const String& name, const void* data, int32_t length);
/// The bytes of an embedded block.
/// \param name the block's name.
/// \return the block of that name, or nullptr when there is none.
/// \since 1.0
const uint8_t* EmbeddedFileData(const String& name);
/// The length of an embedded block.
/// \param name the block's name.
/// \return its length in bytes, or 0 when there is none.
/// \since 1.0
int32_t EmbeddedFileLength(const String& name);

/// The millisecond clock.
/// \return milliseconds since system start as a wrapping 32-bit Int: compare
///   two readings by their difference, never by their order.
/// \since 1.0
int32_t MilliSecs();
/// The fine clock, for measuring short spans.
/// \return seconds since system start from the same steady clock as MilliSecs,
///   as a Double: finer than a millisecond and never wrapping.
/// \since 1.0
double Seconds();
/// Sleeps; a signal that cuts the sleep short does not shorten it.
/// \param ms milliseconds to sleep; 0 or a negative value does nothing.
/// \since 1.0
void Delay(int32_t ms);

}  // namespace tazmix
