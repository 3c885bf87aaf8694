// The system driver: the one door to the platform's input queue, pointer,
// standard dialogs and shell. The rest of the system reaches it only through
// TSystemDriver and the module functions below; one driver is made when the
// system module starts and lives until the process ends.
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

// Modifier bits carried by input events.
constexpr int32_t MODIFIER_SHIFT = 1;
constexpr int32_t MODIFIER_CONTROL = 2;
constexpr int32_t MODIFIER_OPTION = 4;  // Alt
constexpr int32_t MODIFIER_SYSTEM = 8;  // the logo key

class TSystemDriver : public Object {
 public:
  // Every operation is abstract; the base versions raise TNullMethodException.
  virtual int32_t Poll();
  virtual int32_t Wait();
  virtual void MoveMouse(int32_t x, int32_t y);
  virtual void SetMouseVisible(int32_t visible);
  virtual int32_t Notify(const String& text, int32_t serious);
  virtual int32_t Confirm(const String& text, int32_t serious);
  virtual int32_t Proceed(const String& text, int32_t serious);
  virtual String RequestFile(const String& text, const String& filter, int32_t save, const String& path);
  virtual String RequestDir(const String& text, const String& path);
  virtual int32_t OpenURL(const String& url);
};

// Made by the platform folder: the driver of this platform.
Ref<TSystemDriver> CreatePlatformSystemDriver();

// Starts the system module once (events first, then the platform driver).
void InitSystem();
// The driver in force (starts the module if needed).
TSystemDriver* SystemDriver();

// Deliver pending input; a call while another PollSystem or WaitSystem runs
// on the stack (say, from a hook during delivery) returns at once.
int32_t PollSystem();
int32_t WaitSystem();

void MoveMouse(int32_t x, int32_t y);
void ShowMouse();
void HideMouse();
int32_t Notify(const String& text, int32_t serious = 0);
int32_t Confirm(const String& text, int32_t serious = 0);
int32_t Proceed(const String& text, int32_t serious = 0);
String RequestFile(const String& text, const String& filter = String(), int32_t save = 0,
                   const String& path = String());
String RequestDir(const String& text, const String& path = String());
// Rewrites a bare file or host name (ResolveURLForShell), then hands it to
// the driver; 1 when the platform accepted it.
int32_t OpenURL(const String& url);
// A text starting with "http:", "https:" or "file:" (any letter case) stays
// as it is. Otherwise the part before the first "#" is resolved as a path:
// an existing file or folder gives "file:" + its full path, anything else
// "http:" + the text; the fragment is kept in both.
String ResolveURLForShell(const String& url);

}  // namespace tazmix
