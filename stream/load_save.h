/// \file
/// Whole-content transfers by URL, and copying between streams.
///
/// Unlike the loaders of images and sounds, these raise when the URL cannot be
/// opened (after OpenStream has recorded its line), so a missing file cannot
/// pass for an empty one.
///
/// \code{.cpp}
/// tazmix::SaveString("highscore 1200", "score.txt");
/// tazmix::String text = tazmix::LoadString("score.txt");
/// std::vector<uint8_t> bytes = tazmix::LoadByteArray("ball.png");
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../runtime/object.h"
#include "../runtime/string.h"
#include "stream.h"

namespace tazmix {

/// Everything `stream` still holds, read with Read until its end (or until a
/// Read moves nothing). The buffer starts at 1024 bytes and grows by half as
/// the bytes arrive, so its size never depends on what the data claims.
/// \param stream the stream; it stays open.
/// \return the bytes.
/// \since 1.0
std::vector<uint8_t> ReadAllBytes(TStream& stream);

/// The whole content of a URL; the stream opened here is closed afterwards.
/// \param url the URL (see OpenStream).
/// \return the bytes.
/// \throws Thrown carrying a TStreamReadException when the URL cannot be opened.
/// \since 1.0
std::vector<uint8_t> LoadByteArray(const Ref<Object>& url);
/// LoadByteArray for a URL given as text. \param url a file path or "protocol::path".
/// \return the bytes.
/// \throws Thrown carrying a TStreamReadException when the URL cannot be opened.
/// \since 1.0
std::vector<uint8_t> LoadByteArray(const String& url);
/// Writes bytes as the whole content of a URL; the stream is closed afterwards.
/// \param bytes the bytes.
/// \param url the URL (see OpenStream).
/// \throws Thrown carrying a TStreamWriteException when the URL cannot be opened
///   or a write fails.
/// \since 1.0
void SaveByteArray(const std::vector<uint8_t>& bytes, const Ref<Object>& url);
/// SaveByteArray for a URL given as text. \param bytes the bytes.
/// \param url a file path or "protocol::path".
/// \throws Thrown carrying a TStreamWriteException when the URL cannot be opened
///   or a write fails.
/// \since 1.0
void SaveByteArray(const std::vector<uint8_t>& bytes, const String& url);
/// The whole content of a URL as text, ISO 8859-1 in (one character per byte).
/// \param url the URL (see OpenStream).
/// \return the text.
/// \throws Thrown carrying a TStreamReadException when the URL cannot be opened.
/// \since 1.0
String LoadString(const Ref<Object>& url);
/// LoadString for a URL given as text. \param url a file path or "protocol::path".
/// \return the text.
/// \throws Thrown carrying a TStreamReadException when the URL cannot be opened.
/// \since 1.0
String LoadString(const String& url);
/// Writes a text as the whole content of a URL, the low 8 bits of each
/// character out.
/// \param text the text.
/// \param url the URL (see OpenStream).
/// \throws Thrown carrying a TStreamWriteException when the URL cannot be opened
///   or a write fails.
/// \since 1.0
void SaveString(const String& text, const Ref<Object>& url);
/// SaveString for a URL given as text. \param text the text.
/// \param url a file path or "protocol::path".
/// \throws Thrown carrying a TStreamWriteException when the URL cannot be opened
///   or a write fails.
/// \since 1.0
void SaveString(const String& text, const String& url);
/// An object read with TStream::ReadObject (for streams that carry objects).
/// \param url the URL.
/// \return the object.
/// \throws Thrown carrying a TStreamReadException when the URL cannot be opened,
///   or the String "Unable to read object" from a plain byte stream.
/// \since 1.0
Ref<Object> LoadObject(const Ref<Object>& url);
/// LoadObject for a URL given as text. \param url a file path or "protocol::path".
/// \return the object.
/// \throws Thrown as LoadObject(const Ref<Object>&).
/// \since 1.0
Ref<Object> LoadObject(const String& url);
/// Writes an object with TStream::WriteObject (for streams that carry objects).
/// \param obj the object.
/// \param url the URL.
/// \throws Thrown carrying a TStreamWriteException when the URL cannot be
///   opened, or the String "Unable to write object" from a plain byte stream.
/// \since 1.0
void SaveObject(const Ref<Object>& obj, const Ref<Object>& url);
/// SaveObject for a URL given as text. \param obj the object.
/// \param url a file path or "protocol::path".
/// \throws Thrown as SaveObject(const Ref<Object>&, const Ref<Object>&).
/// \since 1.0
void SaveObject(const Ref<Object>& obj, const String& url);

/// Copies until `from` is at its end; neither stream is closed.
/// \param from the source.
/// \param to the target.
/// \param bufferSize the buffer in bytes, kept within 1 byte and 1 MiB.
/// \throws Thrown carrying a TNullObjectException for a Null stream, or a
///   TStreamWriteException when a write fails.
/// \since 1.0
void CopyStream(const Ref<TStream>& from, const Ref<TStream>& to, int32_t bufferSize = 4096);
/// Copies exactly `count` bytes; neither stream is closed.
/// \param from the source.
/// \param to the target.
/// \param count the number of bytes; 0 or less copies nothing.
/// \param bufferSize the buffer in bytes, kept within 1 byte and 1 MiB.
/// \throws Thrown carrying a TStreamReadException for a short source, a
///   TStreamWriteException when a write fails, or a TNullObjectException for a
///   Null stream.
/// \since 1.0
void CopyBytes(const Ref<TStream>& from, const Ref<TStream>& to, int32_t count, int32_t bufferSize = 4096);

}  // namespace tazmix
