#include "stream/cstream.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "runtime/error_report.h"
#include "stream/internal/native_path.h"

namespace tazmix {

namespace {

// Positions are 32-bit Ints; -1 (no position) passes through.
int32_t ToInt(long value) {
  if (value > INT32_MAX) return INT32_MAX;
  return static_cast<int32_t>(value);
}

}  // namespace

Ref<TCStream> TCStream::OpenFile(const String& path, bool readable, bool writeable) {
  const char* how = "rb";
  int32_t mode = MODE_READ;
  if (readable && writeable) {
    how = "r+b";
    mode = MODE_READ | MODE_WRITE;
  } else if (writeable) {
    how = "wb";
    mode = MODE_WRITE;
  }
  FailureScope scope("TCStream::OpenFile", QuoteText(path));
  std::string native;
  if (!ToNativePath(path.Replace("\\", "/"), &native)) {
    scope.Fail("no file can have this name");
    return nullptr;
  }
  std::FILE* file = std::fopen(native.c_str(), how);
  if (!file) {
    scope.Fail("can't open the file: " + String::FromUTF8String(std::strerror(errno)));
    return nullptr;
  }
  // A folder opens on POSIX but is no file stream: it could not be read.
  struct stat st;
  if (fstat(fileno(file), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(file);
    scope.Fail("it is a folder");
    return nullptr;
  }
  return CreateWithCStream(file, mode);
}

Ref<TCStream> TCStream::CreateWithCStream(std::FILE* cstream, int32_t mode) {
  auto s = New<TCStream>();
  s->_cstream = cstream;
  s->_pos = ToInt(std::ftell(cstream));
  if (std::fseek(cstream, 0, SEEK_END) == 0) s->_size = ToInt(std::ftell(cstream));
  if (s->_pos >= 0) std::fseek(cstream, s->_pos, SEEK_SET);
  s->_mode = mode;
  return s;
}

TCStream::~TCStream() { Close(); }

void TCStream::Turn(Direction to) {
  if (last_ != Direction::kNone && last_ != to) std::fseek(_cstream, 0, SEEK_CUR);
  last_ = to;
}

int32_t TCStream::Seek(int32_t pos) {
  if (!_cstream) return _pos;
  if (std::fseek(_cstream, pos, SEEK_SET) == 0) last_ = Direction::kNone;
  const long at = std::ftell(_cstream);
  if (at >= 0) _pos = ToInt(at);
  return _pos;
}

int32_t TCStream::Flush() {
  if (_cstream) std::fflush(_cstream);
  return 0;
}

int32_t TCStream::Close() {
  if (!_cstream) return 0;
  Flush();
  std::fclose(_cstream);
  _cstream = nullptr;
  _pos = 0;
  _size = 0;
  last_ = Direction::kNone;
  return 0;
}

int32_t TCStream::Read(void* buf, int32_t count) {
  if (!_cstream || count <= 0) return 0;
  Turn(Direction::kReading);
  const auto n = static_cast<int32_t>(std::fread(buf, 1, static_cast<size_t>(count), _cstream));
  if (_pos >= 0) _pos += n;  // a pipe has no position to advance
  return n;
}

int32_t TCStream::Write(const void* buf, int32_t count) {
  if (!_cstream || count <= 0) return 0;
  Turn(Direction::kWriting);
  const auto n = static_cast<int32_t>(std::fwrite(buf, 1, static_cast<size_t>(count), _cstream));
  if (_pos >= 0) _pos += n;
  if (_pos > _size) _size = _pos;
  return n;
}

}  // namespace tazmix
