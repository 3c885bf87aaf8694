/// \file
/// Streams that forward to another stream: the base for a stream that adds
/// something (counting, decoding) on top of another.
///
/// \code{.cpp}
/// class TCountingStream : public tazmix::TStreamWrapper {
///  public:
///   int32_t read = 0;
///   int32_t Read(void* buf, int32_t count) override {
///     const int32_t n = TStreamWrapper::Read(buf, count);
///     read += n;
///     return n;
///   }
/// };
/// auto counting = tazmix::New<TCountingStream>();
/// counting->SetStream(tazmix::ReadStream("level.dat"));
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "stream.h"

namespace tazmix {

/// Forwards every operation to the inner stream, except ReadBytes, WriteBytes,
/// SkipBytes, ReadLong and WriteLong, whose inherited versions reach the inner
/// stream through the forwarded Read, Write, ReadBytes and WriteBytes.
/// Destroying a wrapper drops its reference and does not close the inner
/// stream. Every operation of a wrapper without an inner stream raises
/// TNullObjectException.
/// \since 1.0
class TStreamWrapper : public TStream {
 public:
  bool Eof() override;
  int32_t Pos() override;
  int32_t Size() override;
  int32_t Seek(int32_t pos) override;
  int32_t Flush() override;
  /// Closes the inner stream. \return its answer. \since 1.0
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

  /// Sets the stream to forward to.
  /// \param stream the inner stream; Null detaches.
  /// \since 1.0
  virtual void SetStream(Ref<TStream> stream);

 protected:
  /// The inner stream.
  /// \return it.
  /// \throws Thrown carrying a TNullObjectException for a detached wrapper.
  /// \since 1.0
  TStream& Inner();

 private:
  Ref<TStream> _stream;
};

/// The wrapper OpenStream hands out for a stream given as URL: closing it only
/// detaches, so the caller's stream stays open.
/// \since 1.0
class TStreamStream : public TStreamWrapper {
 public:
  /// A wrapper around `stream`.
  /// \param stream the caller's stream.
  /// \return the new wrapper.
  /// \since 1.0
  static Ref<TStreamStream> Create(Ref<TStream> stream);
  /// Detaches from the inner stream without closing it. \return 0. \since 1.0
  int32_t Close() override;
};

}  // namespace tazmix
