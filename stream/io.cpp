#include "stream/io.h"

#include "runtime/exception.h"

namespace tazmix {

bool TIO::Eof() { return Pos() == Size(); }
int32_t TIO::Pos() { return -1; }
int32_t TIO::Size() { return 0; }
int32_t TIO::Seek(int32_t) { return -1; }
int32_t TIO::Flush() { return 0; }
int32_t TIO::Close() { return 0; }
int32_t TIO::Read(void*, int32_t) { ThrowRuntimeError("Stream is not readable"); }
int32_t TIO::Write(const void*, int32_t) { ThrowRuntimeError("Stream is not writeable"); }

}  // namespace tazmix
