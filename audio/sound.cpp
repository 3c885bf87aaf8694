#include "audio/sound.h"

#include <vector>

#include "audio/audio_module.h"
#include "audio/internal/audio_file_check.h"
#include "audio/internal/audio_platform.h"
#include "stream/internal/url_subject.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/load_save.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"

namespace tazmix {

int32_t TSound::Milliseconds() { ThrowNullMethod(); }

Ref<TSound> LoadSound(const Ref<Object>& url) {
  InitAudio();
  FailureScope scope("LoadSound", UrlSubject(url));
  Ref<TStream> stream = ReadStream(url);
  if (!stream) {
    scope.Fail("can't open it");
    return nullptr;
  }
  // The whole file into memory the loader owns; the buffer grows with the
  // bytes that really arrive, whatever the file claims.
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadAllBytes(*stream);
    stream->Close();
  } catch (const Thrown& thrown) {
    if (!thrown.As<TStreamException>()) throw;
    scope.Fail("reading it failed");
    return nullptr;
  }
  if (const char* fault = AudioFileFault(bytes.data(), bytes.size())) {
    scope.Fail(fault);
    return nullptr;
  }
  return scope.Check(DecodePlatformSound(bytes.data(), bytes.size()), "it can't be decoded");
}

Ref<TSound> LoadSound(const String& url) { return LoadSound(Ref<Object>(url.AsObject())); }

}  // namespace tazmix
