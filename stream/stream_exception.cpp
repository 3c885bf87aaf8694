#include "stream/stream_exception.h"

#include "runtime/exception.h"

namespace tazmix {

String TStreamReadException::ToString() const { return "Error reading from stream"; }
String TStreamWriteException::ToString() const { return "Error writing to stream"; }

void ThrowStreamRead() { Throw(New<TStreamReadException>()); }
void ThrowStreamWrite() { Throw(New<TStreamWriteException>()); }

}  // namespace tazmix
