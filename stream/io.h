// TIO: the primitive operations every byte stream offers, with defaults.
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

class TIO : public Object {
 public:
  // True when Pos() equals Size().
  virtual bool Eof();
  // -1: this stream cannot tell its position.
  virtual int32_t Pos();
  virtual int32_t Size();
  // -1, no effect.
  virtual int32_t Seek(int32_t pos);
  virtual int32_t Flush();
  virtual int32_t Close();
  // Move up to `count` bytes; return how many moved (0: nothing could be
  // moved). The defaults raise "Stream is not readable" / "... writeable".
  virtual int32_t Read(void* buf, int32_t count);
  virtual int32_t Write(const void* buf, int32_t count);
};

}  // namespace tazmix
