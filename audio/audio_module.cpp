#include "audio/audio_module.h"

#include <typeinfo>

#include "audio/channel.h"
#include "audio/internal/audio_platform.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "runtime/application.h"
#include "stream/stream_module.h"

namespace tazmix {

void InitAudio() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitStream();
  RegisterClassRecord(typeid(TSound));
  RegisterClassRecord(typeid(TChannel));
  RegisterClassRecord(typeid(TMusic));
  // Opened here, outside any loader's failure scope, so a missing device is
  // told on a line of its own.
  OpenPlatformOutput();
}

AudioOutputInfo AudioOutput() {
  InitAudio();
  return OpenPlatformOutput();
}

}  // namespace tazmix
