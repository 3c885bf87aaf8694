/// \file
/// TStream: typed little-endian reads and writes, lines and texts, all built
/// on the primitive Read and Write of TIO.
///
/// Numbers are stored least significant byte first; floats and doubles are
/// IEEE-754. Text is one byte per character: reading maps byte b to the
/// character b (ISO 8859-1), writing keeps the low 8 bits of each code unit.
/// Short transfers raise TStreamReadException / TStreamWriteException.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TStream> out = tazmix::WriteStream("save.dat");
/// if (!out) return;  // the line says why
/// tazmix::WriteInt(out, 2);
/// tazmix::WriteLine(out, "Anna");
/// tazmix::CloseStream(out);
///
/// tazmix::Ref<tazmix::TStream> in = tazmix::ReadStream("save.dat");
/// int32_t version = tazmix::ReadInt(in);
/// tazmix::String name = tazmix::ReadLine(in);
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/exception.h"
#include "../runtime/string.h"
#include "io.h"

namespace tazmix {

/// A byte stream with typed reads and writes. Derive from it (overriding the
/// TIO operations) to make a new kind of stream.
/// \since 1.0
class TStream : public TIO {
 public:
  /// Reads exactly `count` bytes, looping over Read.
  /// \param buf where the bytes go.
  /// \param count how many; 0 or less returns at once.
  /// \return `count`.
  /// \throws Thrown carrying a TStreamReadException when a Read moves nothing.
  /// \since 1.0
  virtual int32_t ReadBytes(void* buf, int32_t count);
  /// Writes exactly `count` bytes, looping over Write.
  /// \param buf the bytes.
  /// \param count how many; 0 or less returns at once.
  /// \return `count`.
  /// \throws Thrown carrying a TStreamWriteException when a Write moves nothing.
  /// \since 1.0
  virtual int32_t WriteBytes(const void* buf, int32_t count);
  /// Reads and drops exactly `count` bytes.
  /// \param count how many; 0 or less returns at once.
  /// \return `count`.
  /// \throws Thrown carrying a TStreamReadException when the data ends first.
  /// \since 1.0
  virtual int32_t SkipBytes(int32_t count);
  /// \return one byte, 0..255. \throws Thrown carrying a TStreamReadException
  ///   at the end of data. \since 1.0
  virtual int32_t ReadByte();
  /// \param n the value; its low 8 bits are written. \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the byte can't go out.
  /// \since 1.0
  virtual int32_t WriteByte(int32_t n);
  /// \return two bytes as an unsigned number, 0..65535.
  /// \throws Thrown carrying a TStreamReadException at the end of data. \since 1.0
  virtual int32_t ReadShort();
  /// \param n the value; its low 16 bits are written. \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the bytes can't go out.
  /// \since 1.0
  virtual int32_t WriteShort(int32_t n);
  /// \return four bytes as a signed Int.
  /// \throws Thrown carrying a TStreamReadException at the end of data. \since 1.0
  virtual int32_t ReadInt();
  /// \param n the value, as four bytes. \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the bytes can't go out.
  /// \since 1.0
  virtual int32_t WriteInt(int32_t n);
  /// \return eight bytes as a signed Long.
  /// \throws Thrown carrying a TStreamReadException at the end of data. \since 1.0
  virtual int64_t ReadLong();
  /// \param n the value, as eight bytes. \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the bytes can't go out.
  /// \since 1.0
  virtual int32_t WriteLong(int64_t n);
  /// \return four bytes as an IEEE-754 Float.
  /// \throws Thrown carrying a TStreamReadException at the end of data. \since 1.0
  virtual float ReadFloat();
  /// \param n the value, as four bytes. \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the bytes can't go out.
  /// \since 1.0
  virtual int32_t WriteFloat(float n);
  /// \return eight bytes as an IEEE-754 Double.
  /// \throws Thrown carrying a TStreamReadException at the end of data. \since 1.0
  virtual double ReadDouble();
  /// \param n the value, as eight bytes. \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the bytes can't go out.
  /// \since 1.0
  virtual int32_t WriteDouble(double n);
  /// Reads a line: up to LF or a NUL byte (consumed, not returned); every CR is
  /// dropped. The end of data ends the line and never raises.
  /// \return the line; "" at the end of data.
  /// \since 1.0
  virtual String ReadLine();
  /// Writes the text then CR LF, one Write each.
  /// \param text the line; each character's low 8 bits are written.
  /// \return true only if every byte went out.
  /// \since 1.0
  virtual bool WriteLine(const String& text);
  /// Reads a text of a known length, one character per byte. A bogus length
  /// in a short file costs no memory: the buffer grows as bytes arrive.
  /// \param length exactly this many bytes; nothing for 0 or less.
  /// \return the text.
  /// \throws Thrown carrying a TStreamReadException when the data ends first.
  /// \since 1.0
  virtual String ReadString(int32_t length);
  /// Writes a text without a line end or length, one byte per character.
  /// \param text the text; each character's low 8 bits are written.
  /// \return 0.
  /// \throws Thrown carrying a TStreamWriteException when the bytes can't go out.
  /// \since 1.0
  virtual int32_t WriteString(const String& text);
  /// For streams that carry objects; a plain byte stream cannot.
  /// \return the object read.
  /// \throws Thrown carrying the String "Unable to read object" by default.
  /// \since 1.0
  virtual Ref<Object> ReadObject();
  /// For streams that carry objects; a plain byte stream cannot.
  /// \param obj the object.
  /// \return 0.
  /// \throws Thrown carrying the String "Unable to write object" by default.
  /// \since 1.0
  virtual int32_t WriteObject(const Ref<Object>& obj);
};

// Module-level forms of the stream methods. They raise TNullObjectException
// for a Null stream, as a method of Null does; closing Null does nothing.

/// TIO::Eof. \param s the stream. \return true at the end. \since 1.0
inline bool Eof(const Ref<TStream>& s) { return NotNull(s).Eof(); }
/// TIO::Pos. \param s the stream. \return the position, or -1. \since 1.0
inline int32_t StreamPos(const Ref<TStream>& s) { return NotNull(s).Pos(); }
/// TIO::Size. \param s the stream. \return the size in bytes. \since 1.0
inline int32_t StreamSize(const Ref<TStream>& s) { return NotNull(s).Size(); }
/// TIO::Seek. \param s the stream. \param pos the position.
/// \return the new position, or -1. \since 1.0
inline int32_t SeekStream(const Ref<TStream>& s, int32_t pos) { return NotNull(s).Seek(pos); }
/// TIO::Flush. \param s the stream. \return 0. \since 1.0
inline int32_t FlushStream(const Ref<TStream>& s) { return NotNull(s).Flush(); }
/// TIO::Close; closing Null does nothing. \param s the stream, or Null.
/// \return the stream's answer; 0 for Null. \since 1.0
inline int32_t CloseStream(const Ref<TStream>& s) { return s ? s->Close() : 0; }

/// TStream::ReadByte. \param s the stream. \return 0..255. \since 1.0
inline int32_t ReadByte(const Ref<TStream>& s) { return NotNull(s).ReadByte(); }
/// TStream::ReadShort. \param s the stream. \return 0..65535. \since 1.0
inline int32_t ReadShort(const Ref<TStream>& s) { return NotNull(s).ReadShort(); }
/// TStream::ReadInt. \param s the stream. \return the Int. \since 1.0
inline int32_t ReadInt(const Ref<TStream>& s) { return NotNull(s).ReadInt(); }
/// TStream::ReadLong. \param s the stream. \return the Long. \since 1.0
inline int64_t ReadLong(const Ref<TStream>& s) { return NotNull(s).ReadLong(); }
/// TStream::ReadFloat. \param s the stream. \return the Float. \since 1.0
inline float ReadFloat(const Ref<TStream>& s) { return NotNull(s).ReadFloat(); }
/// TStream::ReadDouble. \param s the stream. \return the Double. \since 1.0
inline double ReadDouble(const Ref<TStream>& s) { return NotNull(s).ReadDouble(); }
/// TStream::ReadLine. \param s the stream. \return the line; "" at the end. \since 1.0
inline String ReadLine(const Ref<TStream>& s) { return NotNull(s).ReadLine(); }
/// TStream::ReadString. \param s the stream. \param length the number of bytes.
/// \return the text. \since 1.0
inline String ReadString(const Ref<TStream>& s, int32_t length) { return NotNull(s).ReadString(length); }

/// TStream::WriteByte. \param s the stream. \param n the value. \return 0. \since 1.0
inline int32_t WriteByte(const Ref<TStream>& s, int32_t n) { return NotNull(s).WriteByte(n); }
/// TStream::WriteShort. \param s the stream. \param n the value. \return 0. \since 1.0
inline int32_t WriteShort(const Ref<TStream>& s, int32_t n) { return NotNull(s).WriteShort(n); }
/// TStream::WriteInt. \param s the stream. \param n the value. \return 0. \since 1.0
inline int32_t WriteInt(const Ref<TStream>& s, int32_t n) { return NotNull(s).WriteInt(n); }
/// TStream::WriteLong. \param s the stream. \param n the value. \return 0. \since 1.0
inline int32_t WriteLong(const Ref<TStream>& s, int64_t n) { return NotNull(s).WriteLong(n); }
/// TStream::WriteFloat. \param s the stream. \param n the value. \return 0. \since 1.0
inline int32_t WriteFloat(const Ref<TStream>& s, float n) { return NotNull(s).WriteFloat(n); }
/// TStream::WriteDouble. \param s the stream. \param n the value. \return 0. \since 1.0
inline int32_t WriteDouble(const Ref<TStream>& s, double n) { return NotNull(s).WriteDouble(n); }
/// TStream::WriteLine. \param s the stream. \param text the line.
/// \return true only if every byte went out. \since 1.0
inline bool WriteLine(const Ref<TStream>& s, const String& text) { return NotNull(s).WriteLine(text); }
/// TStream::WriteString. \param s the stream. \param text the text. \return 0. \since 1.0
inline int32_t WriteString(const Ref<TStream>& s, const String& text) { return NotNull(s).WriteString(text); }

}  // namespace tazmix
