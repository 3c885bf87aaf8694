// TStream: typed little-endian reads and writes, lines and texts, all built
// on the primitive Read and Write of TIO.
//
// Numbers are stored least significant byte first; floats and doubles are
// IEEE-754. Text is one byte per character: reading maps byte b to the
// character b (ISO 8859-1), writing keeps the low 8 bits of each code unit.
// Short transfers raise TStreamReadException / TStreamWriteException.
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/exception.h"
#include "../runtime/string.h"
#include "io.h"

namespace tazmix {

class TStream : public TIO {
 public:
  // Loop over Read/Write until all `count` bytes moved; a Read or Write that
  // moves nothing raises. A count of 0 or less returns at once.
  virtual int32_t ReadBytes(void* buf, int32_t count);
  virtual int32_t WriteBytes(const void* buf, int32_t count);
  virtual int32_t SkipBytes(int32_t count);
  virtual int32_t ReadByte();                // 0..255
  virtual int32_t WriteByte(int32_t n);
  virtual int32_t ReadShort();               // 0..65535
  virtual int32_t WriteShort(int32_t n);
  virtual int32_t ReadInt();
  virtual int32_t WriteInt(int32_t n);
  virtual int64_t ReadLong();
  virtual int32_t WriteLong(int64_t n);
  virtual float ReadFloat();
  virtual int32_t WriteFloat(float n);
  virtual double ReadDouble();
  virtual int32_t WriteDouble(double n);
  // Up to LF or a NUL byte (consumed, not returned); every CR is dropped. The
  // end of data ends the line and never raises.
  virtual String ReadLine();
  // The text then CR LF, one Write each; true only if every byte went out.
  virtual bool WriteLine(const String& text);
  // Exactly `length` bytes; nothing for a length of 0 or less.
  virtual String ReadString(int32_t length);
  virtual int32_t WriteString(const String& text);
  virtual Ref<Object> ReadObject();
  virtual int32_t WriteObject(const Ref<Object>& obj);
};

// Module-level forms of the stream methods.

// The module forms of the methods raise TNullObjectException for a Null
// stream, as a method of Null does; closing Null does nothing.
inline bool Eof(const Ref<TStream>& s) { return NotNull(s).Eof(); }
inline int32_t StreamPos(const Ref<TStream>& s) { return NotNull(s).Pos(); }
inline int32_t StreamSize(const Ref<TStream>& s) { return NotNull(s).Size(); }
inline int32_t SeekStream(const Ref<TStream>& s, int32_t pos) { return NotNull(s).Seek(pos); }
inline int32_t FlushStream(const Ref<TStream>& s) { return NotNull(s).Flush(); }
inline int32_t CloseStream(const Ref<TStream>& s) { return s ? s->Close() : 0; }

inline int32_t ReadByte(const Ref<TStream>& s) { return NotNull(s).ReadByte(); }
inline int32_t ReadShort(const Ref<TStream>& s) { return NotNull(s).ReadShort(); }
inline int32_t ReadInt(const Ref<TStream>& s) { return NotNull(s).ReadInt(); }
inline int64_t ReadLong(const Ref<TStream>& s) { return NotNull(s).ReadLong(); }
inline float ReadFloat(const Ref<TStream>& s) { return NotNull(s).ReadFloat(); }
inline double ReadDouble(const Ref<TStream>& s) { return NotNull(s).ReadDouble(); }
inline String ReadLine(const Ref<TStream>& s) { return NotNull(s).ReadLine(); }
inline String ReadString(const Ref<TStream>& s, int32_t length) { return NotNull(s).ReadString(length); }

inline int32_t WriteByte(const Ref<TStream>& s, int32_t n) { return NotNull(s).WriteByte(n); }
inline int32_t WriteShort(const Ref<TStream>& s, int32_t n) { return NotNull(s).WriteShort(n); }
inline int32_t WriteInt(const Ref<TStream>& s, int32_t n) { return NotNull(s).WriteInt(n); }
inline int32_t WriteLong(const Ref<TStream>& s, int64_t n) { return NotNull(s).WriteLong(n); }
inline int32_t WriteFloat(const Ref<TStream>& s, float n) { return NotNull(s).WriteFloat(n); }
inline int32_t WriteDouble(const Ref<TStream>& s, double n) { return NotNull(s).WriteDouble(n); }
inline bool WriteLine(const Ref<TStream>& s, const String& text) { return NotNull(s).WriteLine(text); }
inline int32_t WriteString(const Ref<TStream>& s, const String& text) { return NotNull(s).WriteString(text); }

}  // namespace tazmix
