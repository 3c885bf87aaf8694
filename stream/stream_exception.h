/// \file
/// The exceptions of broken transfers: a read or write that could not move all
/// of its bytes (TStream's typed reads and writes raise them).
///
/// \code{.cpp}
/// try {
///   int32_t version = tazmix::ReadInt(stream);
/// } catch (const tazmix::Thrown& thrown) {
///   if (thrown.As<tazmix::TStreamReadException>()) { /* the file is cut off */ }
/// }
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// The base class of the transfer exceptions. \since 1.0
class TStreamException : public Object {};

/// A read that could not get all of its bytes (the data ended). \since 1.0
class TStreamReadException : public TStreamException {
 public:
  /// \return "Error reading from stream". \since 1.0
  String ToString() const override;
};

/// A write that could not put all of its bytes (the disk is full, the
/// stream is closed). \since 1.0
class TStreamWriteException : public TStreamException {
 public:
  /// \return "Error writing to stream". \since 1.0
  String ToString() const override;
};

/// Throws a TStreamReadException. \throws Thrown always. \since 1.0
[[noreturn]] void ThrowStreamRead();
/// Throws a TStreamWriteException. \throws Thrown always. \since 1.0
[[noreturn]] void ThrowStreamWrite();

}  // namespace tazmix
