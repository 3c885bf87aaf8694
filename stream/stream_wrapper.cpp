#include "stream/stream_wrapper.h"

#include "runtime/exception.h"

namespace tazmix {

TStream& TStreamWrapper::Inner() {
  if (!_stream) ThrowNullObject();
  return *_stream;
}

void TStreamWrapper::SetStream(Ref<TStream> stream) { _stream = std::move(stream); }

bool TStreamWrapper::Eof() { return Inner().Eof(); }
int32_t TStreamWrapper::Pos() { return Inner().Pos(); }
int32_t TStreamWrapper::Size() { return Inner().Size(); }
int32_t TStreamWrapper::Seek(int32_t pos) { return Inner().Seek(pos); }
int32_t TStreamWrapper::Flush() { return Inner().Flush(); }
int32_t TStreamWrapper::Close() { return Inner().Close(); }
int32_t TStreamWrapper::Read(void* buf, int32_t count) { return Inner().Read(buf, count); }
int32_t TStreamWrapper::Write(const void* buf, int32_t count) { return Inner().Write(buf, count); }

int32_t TStreamWrapper::ReadByte() { return Inner().ReadByte(); }
int32_t TStreamWrapper::WriteByte(int32_t n) { return Inner().WriteByte(n); }
int32_t TStreamWrapper::ReadShort() { return Inner().ReadShort(); }
int32_t TStreamWrapper::WriteShort(int32_t n) { return Inner().WriteShort(n); }
int32_t TStreamWrapper::ReadInt() { return Inner().ReadInt(); }
int32_t TStreamWrapper::WriteInt(int32_t n) { return Inner().WriteInt(n); }
float TStreamWrapper::ReadFloat() { return Inner().ReadFloat(); }
int32_t TStreamWrapper::WriteFloat(float n) { return Inner().WriteFloat(n); }
double TStreamWrapper::ReadDouble() { return Inner().ReadDouble(); }
int32_t TStreamWrapper::WriteDouble(double n) { return Inner().WriteDouble(n); }
String TStreamWrapper::ReadLine() { return Inner().ReadLine(); }
bool TStreamWrapper::WriteLine(const String& text) { return Inner().WriteLine(text); }
String TStreamWrapper::ReadString(int32_t length) { return Inner().ReadString(length); }
int32_t TStreamWrapper::WriteString(const String& text) { return Inner().WriteString(text); }
Ref<Object> TStreamWrapper::ReadObject() { return Inner().ReadObject(); }
int32_t TStreamWrapper::WriteObject(const Ref<Object>& obj) { return Inner().WriteObject(obj); }

Ref<TStreamStream> TStreamStream::Create(Ref<TStream> stream) {
  auto wrapper = New<TStreamStream>();
  wrapper->SetStream(std::move(stream));
  return wrapper;
}

int32_t TStreamStream::Close() {
  SetStream(nullptr);
  return 0;
}

}  // namespace tazmix
