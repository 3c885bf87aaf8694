#include "stream/stream_module.h"

#include <typeinfo>

#include "runtime/application.h"
#include "stream/bank_stream.h"
#include "stream/cstream.h"
#include "stream/filesystem.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"
#include "stream/stream_wrapper.h"

namespace tazmix {

void InitStream() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  RegisterClassRecord(typeid(TIO));
  RegisterClassRecord(typeid(TStream));
  RegisterClassRecord(typeid(TStreamWrapper));
  RegisterClassRecord(typeid(TStreamStream));
  RegisterClassRecord(typeid(TCStream));
  RegisterClassRecord(typeid(TStreamFactory));
  RegisterClassRecord(typeid(TStreamException));
  RegisterClassRecord(typeid(TStreamReadException));
  RegisterClassRecord(typeid(TStreamWriteException));
  InitBankStream();
  InitFileSystem();
}

}  // namespace tazmix
