/// \file
/// TCStream: a file stream over a buffered stdio file. OpenStream makes one for
/// every URL that is a plain path; programs rarely name the class.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TCStream> log = tazmix::TCStream::OpenFile("log.txt", false, true);
/// if (log) log->WriteLine("started");
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include <cstdio>

#include "stream.h"

namespace tazmix {

/// A file stream over a buffered stdio file; closed when the last reference
/// goes.
/// \since 1.0
class TCStream : public TStream {
 public:
  /// Mode bit: the file can be read. \since 1.0
  static constexpr int32_t MODE_READ = 1;
  /// Mode bit: the file can be written. \since 1.0
  static constexpr int32_t MODE_WRITE = 2;

  /// Opens a file. readable + writeable: "r+b" (the file must exist);
  /// writeable alone: "wb" (created or emptied); anything else: "rb". A backslash in
  /// the path becomes "/". Never raises.
  /// \param path the file's path, UTF-8 on disk.
  /// \param readable, writeable how to open it.
  /// \return the stream, or Null if the file cannot be opened (folders and
  ///   names with "\<" or "\>" cannot), with a line such as
  ///   `TCStream::OpenFile("a.txt"): can't open the file: No such file or directory`,
  ///   `...: it is a folder` or `...: no file can have this name`.
  /// \since 1.0
  static Ref<TCStream> OpenFile(const String& path, bool readable, bool writeable);
  /// Takes over an open file: the position is the file's current one, the
  /// size its length. The stream closes the file.
  /// \param cstream the open file.
  /// \param mode MODE_READ, MODE_WRITE or both.
  /// \return the stream.
  /// \since 1.0
  static Ref<TCStream> CreateWithCStream(std::FILE* cstream, int32_t mode);

  /// Closes the file. \since 1.0
  ~TCStream() override;

  /// \return the position; 0 once closed. \since 1.0
  int32_t Pos() override { return _pos; }
  /// \return the file's length; 0 once closed. \since 1.0
  int32_t Size() override { return _size; }
  /// Moves to a position. No clamping: a seek the platform refuses leaves the
  /// position unchanged.
  /// \param pos the position in bytes from the start.
  /// \return the position after the seek.
  /// \since 1.0
  int32_t Seek(int32_t pos) override;
  int32_t Flush() override;
  /// Flushes and closes; a closed stream has position and size 0, and reads
  /// and writes move nothing. \return 0. \since 1.0
  int32_t Close() override;
  int32_t Read(void* buf, int32_t count) override;
  int32_t Write(const void* buf, int32_t count) override;

  /// \return MODE_READ, MODE_WRITE or both. \since 1.0
  int32_t Mode() const { return _mode; }

 private:
  // stdio needs a positioning call between reading and writing the same
  // file; this remembers which way the last transfer went.
  enum class Direction { kNone, kReading, kWriting };
  void Turn(Direction to);

  int32_t _pos = 0;
  int32_t _size = 0;
  std::FILE* _cstream = nullptr;
  int32_t _mode = 0;
  Direction last_ = Direction::kNone;
};

}  // namespace tazmix
