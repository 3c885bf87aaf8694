// Process start-up, application globals, module initialisation, the end of
// the program, embedded files and the millisecond clock.
//
// Start-up order (RunApplication):
//   1. install the processor-exception reporter and the terminate handler;
//   2. fill the application globals and change the current directory to the
//      program's directory;
//   3. initialise the runtime base (InitRuntime);
//   4. run the game's main function; a Thrown that escapes it takes the
//      uncaught path (its text on standard error, exit code 255).
//
// Module initialisation: every module has one Init function that does its
// work once, in this shape (static constructors do nothing beyond constants,
// so the order stays explicit):
//
//   void InitPixmap() {
//     static bool done = false;
//     if (!BeginModuleInit(done)) return;  // sets the flag, runs InitRuntime()
//     InitStream();                        // the imported modules, in import order
//     RegisterClassRecord(typeid(TPixmap));  // own classes, in declaration order
//     ...                                  // then the module's globals
//   }
//
// The flag is set before the imports run, so an import cycle ends instead of
// recursing.
#pragma once

#include <cstdint>
#include <typeinfo>
#include <vector>

#include "string.h"

namespace tazmix {

// Filled by RunApplication before any module initialises.
extern String StartDirectory;        // the current directory at start
extern String ApplicationPath;       // the full path of the program file
extern String ApplicationDirectory;  // the folder of ApplicationPath
extern String ApplicationTitle;      // caption of the window and message boxes
// One element per command-line argument, element 0 the program as invoked;
// each byte of an argument is one character.
extern std::vector<String> ApplicationArgs;

// The process entry: installs the reporters, fills the globals, changes to the
// program's directory, initialises the runtime base and runs `game_main`.
// Returns game_main's result, which main() returns in turn.
int RunApplication(int argc, char** argv, int (*game_main)());

// The directory part of a path: the text before the last "/", keeping that
// "/" after a drive colon ("C:/"); empty when there is no "/" or the only one
// is the first character.
String DirectoryOfPath(const String& path);

// The runtime base module: registers the seven exception classes.
void InitRuntime();

// The first lines of every Init function (see above): returns false when the
// module was initialised before; otherwise sets `done`, initialises the
// runtime base and returns true.
bool BeginModuleInit(bool& done);

// Ends the process at once with exit code 0, running the exit handlers.
[[noreturn]] void EndApplication();
// Adds a function to the handlers that run when the process ends normally,
// through EndApplication or through the uncaught path. Later ones run first.
void RegisterExitHandler(void (*handler)());

// The runtime's list of registered classes, in order of registration.
void RegisterClassRecord(const std::type_info& type);
const std::vector<const std::type_info*>& RegisteredClasses();

// Named read-only byte blocks registered by modules while they initialise.
// Returns 1, or 0 without change when the name is registered already (the
// first registration wins) or there is no block (a negative length, or no
// data behind a length above 0). The block must outlive the process's use of it.
int32_t RegisterEmbeddedFile(const String& name, const void* data, int32_t length);
// The block of that name, or nullptr.
const uint8_t* EmbeddedFileData(const String& name);
// Its length, or 0.
int32_t EmbeddedFileLength(const String& name);

// Milliseconds since system start as a wrapping 32-bit Int.
int32_t MilliSecs();
// Seconds since system start from the same steady clock, as a Double: finer
// than a millisecond and never wrapping, for measuring short spans.
double Seconds();
// Sleeps for `ms` milliseconds; a negative value does nothing.
void Delay(int32_t ms);

}  // namespace tazmix
