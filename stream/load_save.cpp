#include "stream/load_save.h"

#include <algorithm>

#include "runtime/exception.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"

namespace tazmix {

namespace {

Ref<TStream> OpenForLoad(const Ref<Object>& url) {
  Ref<TStream> s = ReadStream(url);
  if (!s) ThrowStreamRead();
  return s;
}

Ref<TStream> OpenForSave(const Ref<Object>& url) {
  Ref<TStream> s = WriteStream(url);
  if (!s) ThrowStreamWrite();
  return s;
}

Ref<Object> AsUrl(const String& url) { return url.AsObject(); }

}  // namespace

std::vector<uint8_t> ReadAllBytes(TStream& stream) {
  std::vector<uint8_t> buffer(1024);
  size_t n = 0;
  while (!stream.Eof()) {
    if (n == buffer.size()) buffer.resize(n * 3 / 2);
    const size_t room = std::min<size_t>(buffer.size() - n, INT32_MAX);
    const int32_t got = stream.Read(buffer.data() + n, static_cast<int32_t>(room));
    // A stream that never reaches Eof (no position, or a read error) would
    // otherwise spin here for ever.
    if (got <= 0) break;
    n += static_cast<size_t>(got);
  }
  buffer.resize(n);
  return buffer;
}

std::vector<uint8_t> LoadByteArray(const Ref<Object>& url) {
  Ref<TStream> s = OpenForLoad(url);
  std::vector<uint8_t> bytes = ReadAllBytes(*s);
  s->Close();
  return bytes;
}
std::vector<uint8_t> LoadByteArray(const String& url) { return LoadByteArray(AsUrl(url)); }

void SaveByteArray(const std::vector<uint8_t>& bytes, const Ref<Object>& url) {
  Ref<TStream> s = OpenForSave(url);
  s->WriteBytes(bytes.data(), static_cast<int32_t>(std::min<size_t>(bytes.size(), INT32_MAX)));
  s->Close();
}
void SaveByteArray(const std::vector<uint8_t>& bytes, const String& url) { SaveByteArray(bytes, AsUrl(url)); }

String LoadString(const Ref<Object>& url) {
  const std::vector<uint8_t> bytes = LoadByteArray(url);
  return String::FromBytes(bytes.data(), static_cast<int32_t>(std::min<size_t>(bytes.size(), INT32_MAX)));
}
String LoadString(const String& url) { return LoadString(AsUrl(url)); }

void SaveString(const String& text, const Ref<Object>& url) {
  Ref<TStream> s = OpenForSave(url);
  const std::string bytes = text.ToCString();
  s->WriteBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
  s->Close();
}
void SaveString(const String& text, const String& url) { SaveString(text, AsUrl(url)); }

Ref<Object> LoadObject(const Ref<Object>& url) {
  Ref<TStream> s = OpenForLoad(url);
  Ref<Object> obj = s->ReadObject();
  s->Close();
  return obj;
}

Ref<Object> LoadObject(const String& url) { return LoadObject(AsUrl(url)); }

void SaveObject(const Ref<Object>& obj, const Ref<Object>& url) {
  Ref<TStream> s = OpenForSave(url);
  s->WriteObject(obj);
  s->Close();
}
void SaveObject(const Ref<Object>& obj, const String& url) { SaveObject(obj, AsUrl(url)); }

// The copy buffer: the size asked for, within 1 byte and 1 MiB. Beyond that
// a bigger buffer only costs memory, so a huge figure never becomes a huge
// allocation.
std::vector<uint8_t> CopyBuffer(int32_t bufferSize) {
  return std::vector<uint8_t>(static_cast<size_t>(std::clamp(bufferSize, 1, 1 << 20)));
}

void CopyStream(const Ref<TStream>& from, const Ref<TStream>& to, int32_t bufferSize) {
  TStream& source = NotNull(from);
  TStream& target = NotNull(to);
  std::vector<uint8_t> buffer = CopyBuffer(bufferSize);
  const auto size = static_cast<int32_t>(buffer.size());
  while (!source.Eof()) {
    const int32_t n = source.Read(buffer.data(), size);
    if (n <= 0) break;  // the end of a stream that cannot report it
    target.WriteBytes(buffer.data(), n);
  }
}

void CopyBytes(const Ref<TStream>& from, const Ref<TStream>& to, int32_t count, int32_t bufferSize) {
  TStream& source = NotNull(from);
  TStream& target = NotNull(to);
  if (count <= 0) return;
  std::vector<uint8_t> buffer = CopyBuffer(std::min(bufferSize, count));
  const auto size = static_cast<int32_t>(buffer.size());
  while (count > 0) {
    const int32_t c = std::min(count, size);
    source.ReadBytes(buffer.data(), c);
    target.WriteBytes(buffer.data(), c);
    count -= c;
  }
}

}  // namespace tazmix
