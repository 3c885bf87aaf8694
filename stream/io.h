/// \file
/// TIO: the primitive operations every byte stream offers, with defaults.
///
/// A new kind of stream derives from TStream and overrides the operations it
/// can do; the typed reads and writes of TStream are built on Read and Write.
/// \code{.cpp}
/// class TZeroStream : public tazmix::TStream {  // endless zero bytes
///  public:
///   int32_t Read(void* buf, int32_t count) override {
///     std::memset(buf, 0, count);
///     return count;
///   }
/// };
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

/// The primitive operations of a byte stream. Each has a default for a
/// stream that cannot do it.
/// \since 1.0
class TIO : public Object {
 public:
  /// \return true when Pos() equals Size(). \since 1.0
  virtual bool Eof();
  /// \return the position in bytes from the start; by default -1: this stream
  ///   cannot tell its position. \since 1.0
  virtual int32_t Pos();
  /// \return the size in bytes; by default 0. \since 1.0
  virtual int32_t Size();
  /// Moves to a position.
  /// \param pos the position in bytes from the start.
  /// \return the new position; by default -1, with no effect.
  /// \since 1.0
  virtual int32_t Seek(int32_t pos);
  /// Sends buffered bytes on. \return 0. \since 1.0
  virtual int32_t Flush();
  /// Closes the stream; later operations fail. \return 0. \since 1.0
  virtual int32_t Close();
  /// Moves up to `count` bytes from the stream.
  /// \param buf where the bytes go.
  /// \param count the most bytes to move.
  /// \return how many moved (0: nothing could be moved, e.g. at the end).
  /// \throws Thrown carrying the runtime error "Stream is not readable" by
  ///   default.
  /// \since 1.0
  virtual int32_t Read(void* buf, int32_t count);
  /// Moves up to `count` bytes into the stream.
  /// \param buf the bytes.
  /// \param count the most bytes to move.
  /// \return how many moved (0: nothing could be moved).
  /// \throws Thrown carrying the runtime error "Stream is not writeable" by
  ///   default.
  /// \since 1.0
  virtual int32_t Write(const void* buf, int32_t count);
};

}  // namespace tazmix
