// Whole-content transfers by URL, and copying between streams.
#pragma once

#include <cstdint>
#include <vector>

#include "../runtime/object.h"
#include "../runtime/string.h"
#include "stream.h"

namespace tazmix {

// Everything `stream` still holds, read with Read until its end (or until a
// Read moves nothing). The buffer starts at 1024 bytes and grows by half as
// the bytes arrive, so its size never depends on what the data claims.
std::vector<uint8_t> ReadAllBytes(TStream& stream);

// Loading raises TStreamReadException and saving TStreamWriteException when
// the URL cannot be opened; the stream opened here is closed afterwards.
std::vector<uint8_t> LoadByteArray(const Ref<Object>& url);
std::vector<uint8_t> LoadByteArray(const String& url);
void SaveByteArray(const std::vector<uint8_t>& bytes, const Ref<Object>& url);
void SaveByteArray(const std::vector<uint8_t>& bytes, const String& url);
// ISO 8859-1 in, low 8 bits of each character out.
String LoadString(const Ref<Object>& url);
String LoadString(const String& url);
void SaveString(const String& text, const Ref<Object>& url);
void SaveString(const String& text, const String& url);
Ref<Object> LoadObject(const Ref<Object>& url);
Ref<Object> LoadObject(const String& url);
void SaveObject(const Ref<Object>& obj, const Ref<Object>& url);
void SaveObject(const Ref<Object>& obj, const String& url);

// Copies until `from` is at its end; neither stream is closed. The buffer is
// `bufferSize` bytes, kept within 1 byte and 1 MiB.
void CopyStream(const Ref<TStream>& from, const Ref<TStream>& to, int32_t bufferSize = 4096);
// Copies exactly `count` bytes; a short source raises TStreamReadException.
void CopyBytes(const Ref<TStream>& from, const Ref<TStream>& to, int32_t count, int32_t bufferSize = 4096);

}  // namespace tazmix
