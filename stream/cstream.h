// TCStream: a file stream over a buffered stdio file.
#pragma once

#include <cstdio>

#include "stream.h"

namespace tazmix {

class TCStream : public TStream {
 public:
  static constexpr int32_t MODE_READ = 1;
  static constexpr int32_t MODE_WRITE = 2;

  // readable + writeable: "r+b"; writeable alone: "wb"; anything else: "rb".
  // "\" in the path becomes "/". Null if the file cannot be opened (folders
  // and names with "<" or ">" cannot); never raises.
  static Ref<TCStream> OpenFile(const String& path, bool readable, bool writeable);
  // Takes over an open file: the position is the file's current one, the
  // size its length.
  static Ref<TCStream> CreateWithCStream(std::FILE* cstream, int32_t mode);

  ~TCStream() override;

  int32_t Pos() override { return _pos; }
  int32_t Size() override { return _size; }
  // No clamping: a seek the platform refuses leaves the position unchanged.
  int32_t Seek(int32_t pos) override;
  int32_t Flush() override;
  // Flushes and closes; a closed stream has position and size 0.
  int32_t Close() override;
  int32_t Read(void* buf, int32_t count) override;
  int32_t Write(const void* buf, int32_t count) override;

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
  Direction _last = Direction::kNone;
};

}  // namespace tazmix
