// The exceptions of broken transfers: a read or write that could not move all
// of its bytes.
#pragma once

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TStreamException : public Object {};

class TStreamReadException : public TStreamException {
 public:
  String ToString() const override;
};

class TStreamWriteException : public TStreamException {
 public:
  String ToString() const override;
};

[[noreturn]] void ThrowStreamRead();
[[noreturn]] void ThrowStreamWrite();

}  // namespace tazmix
