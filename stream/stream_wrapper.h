// Streams that forward to another stream.
#pragma once

#include "stream.h"

namespace tazmix {

// Forwards every operation to `_stream`, except ReadBytes, WriteBytes,
// SkipBytes, ReadLong and WriteLong, whose inherited versions reach the inner
// stream through the forwarded Read, Write, ReadBytes and WriteBytes.
// Destroying a wrapper drops its reference and does not close the inner
// stream.
class TStreamWrapper : public TStream {
 public:
  bool Eof() override;
  int32_t Pos() override;
  int32_t Size() override;
  int32_t Seek(int32_t pos) override;
  int32_t Flush() override;
  int32_t Close() override;
  int32_t Read(void* buf, int32_t count) override;
  int32_t Write(const void* buf, int32_t count) override;

  int32_t ReadByte() override;
  int32_t WriteByte(int32_t n) override;
  int32_t ReadShort() override;
  int32_t WriteShort(int32_t n) override;
  int32_t ReadInt() override;
  int32_t WriteInt(int32_t n) override;
  float ReadFloat() override;
  int32_t WriteFloat(float n) override;
  double ReadDouble() override;
  int32_t WriteDouble(double n) override;
  String ReadLine() override;
  bool WriteLine(const String& text) override;
  String ReadString(int32_t length) override;
  int32_t WriteString(const String& text) override;
  Ref<Object> ReadObject() override;
  int32_t WriteObject(const Ref<Object>& obj) override;

  virtual void SetStream(Ref<TStream> stream);

 protected:
  // The inner stream; a detached wrapper raises the null-object exception.
  TStream& Inner();

 private:
  Ref<TStream> _stream;
};

// The wrapper OpenStream hands out for a stream given as URL: closing it only
// detaches, so the caller's stream stays open.
class TStreamStream : public TStreamWrapper {
 public:
  static Ref<TStreamStream> Create(Ref<TStream> stream);
  int32_t Close() override;
};

}  // namespace tazmix
