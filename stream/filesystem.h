/// \file
/// Files and folders. Every function normalises its paths with FixPath and
/// reports failure only through its result (false, 0, -1, "", Null or an
/// empty array); none raises. Names holding "\<" or "\>" never exist.
///
/// \code{.cpp}
/// if (tazmix::FileType("saves") == 0) tazmix::CreateDir("saves", true);
/// for (const tazmix::String& name : tazmix::LoadDir("saves")) {
///   if (tazmix::ExtractExt(name) == "sav") Offer(name, tazmix::FileTime("saves/" + name));
/// }
/// tazmix::CopyFile("saves/a.sav", "saves/a.bak");
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "../runtime/object.h"
#include "../runtime/string.h"
#include "dir_listing.h"
#include "stream.h"

namespace tazmix {

/// What is at a path.
/// \param path the path.
/// \return 0 nothing there, 1 a file, 2 a folder.
/// \since 1.0
int32_t FileType(const String& path);
/// \param path the path.
/// \return the modification time in seconds since 1970, or 0 when nothing is
///   there. \since 1.0
int64_t FileTime(const String& path);
/// \param path the path.
/// \return the size in bytes, or -1 when nothing is there. \since 1.0
int64_t FileSize(const String& path);
/// \param path the path.
/// \return the permission bits (0..0777), or -1 when nothing is there. \since 1.0
int32_t FileMode(const String& path);
/// Sets the permission bits; a failure goes unreported.
/// \param path the path.
/// \param mode the bits (0..07777).
/// \since 1.0
void SetFileMode(const String& path, int32_t mode);

/// Replaces whatever file is there with an empty one.
/// \param path the file.
/// \return true when an empty file is there afterwards.
/// \since 1.0
bool CreateFile(const String& path);
/// Makes a folder.
/// \param path the folder.
/// \param recurse true to make every missing folder along the way too.
/// \return true when the folder is there afterwards; false when a file stands
///   in the way or the platform refuses.
/// \since 1.0
bool CreateDir(const String& path, bool recurse = false);
/// Deletes a file; read-only files go too. A folder is left alone; a symbolic
/// link goes itself, not its target.
/// \param path the file.
/// \return true when nothing is there afterwards.
/// \since 1.0
bool DeleteFile(const String& path);
/// Renames or moves a file or folder.
/// \param from the present path.
/// \param to the new path.
/// \return true when it moved.
/// \since 1.0
bool RenameFile(const String& from, const String& to);
/// Copies a file through the stream layer, so both may be URLs. A file is
/// never copied onto itself.
/// \param src the file or URL to copy.
/// \param dst the destination, created or replaced.
/// \return true when every byte was copied; false when either cannot be opened
///   (with OpenStream's line), they are the same file, or a write failed.
/// \since 1.0
bool CopyFile(const String& src, const String& dst);
/// Copies a whole folder tree.
/// \param src the folder.
/// \param dst the destination folder, made when missing.
/// \return true when everything was copied; false if `src` is no folder, `dst`
///   lies inside it, or a copy failed (what was copied stays).
/// \since 1.0
bool CopyDir(const String& src, const String& dst);
/// Deletes a folder.
/// \param path the folder.
/// \param recurse true to delete the content first; symbolic links inside are
///   removed, never followed.
/// \return true when nothing is there afterwards.
/// \since 1.0
bool DeleteDir(const String& path, bool recurse = false);
/// Changes the current folder.
/// \param path the folder.
/// \return true when it changed.
/// \since 1.0
bool ChangeDir(const String& path);

/// Opens a folder listing.
/// \param path the folder.
/// \return the listing handle, or Null if the folder cannot be read.
/// \since 1.0
Ref<TDirListing> ReadDir(const String& path);
/// The next entry of a listing ("." and ".." included).
/// \param handle the listing, or Null.
/// \return the entry name; "" at the end and for Null.
/// \since 1.0
String NextFile(const Ref<TDirListing>& handle);
/// Closes a listing. \param handle the listing; closing Null does nothing. \since 1.0
void CloseDir(const Ref<TDirListing>& handle);
/// Every entry name of a folder.
/// \param path the folder.
/// \param skipDots true to leave out "." and "..".
/// \return the names in the platform's order; empty if the folder cannot be read.
/// \since 1.0
std::vector<String> LoadDir(const String& path, bool skipDots = true);

/// OpenStream, but always seekable: a stream that cannot tell its position is
/// read whole into a bank and a bank stream over it comes back instead.
/// \param url the URL (see OpenStream).
/// \param readable, writeable how to open it.
/// \return the stream, or Null with a line such as
///   `OpenFile("a.txt"): can't open the file: No such file or directory` or
///   `OpenFile(...): it can't be read whole`.
/// \since 1.0
Ref<TStream> OpenFile(const Ref<Object>& url, bool readable = true, bool writeable = true);
/// OpenFile for a URL given as text.
/// \param url a file path or "protocol::path".
/// \param readable, writeable how to open it.
/// \return the stream, or Null with a line as above.
/// \since 1.0
Ref<TStream> OpenFile(const String& url, bool readable = true, bool writeable = true);
/// OpenFile for reading. \param url the URL. \return the stream, or Null with a line. \since 1.0
inline Ref<TStream> ReadFile(const Ref<Object>& url) { return OpenFile(url, true, false); }
/// OpenFile for reading. \param url a file path or "protocol::path".
/// \return the stream, or Null with a line. \since 1.0
inline Ref<TStream> ReadFile(const String& url) { return OpenFile(url, true, false); }
/// OpenFile for writing. \param url the URL. \return the stream, or Null with a line. \since 1.0
inline Ref<TStream> WriteFile(const Ref<Object>& url) { return OpenFile(url, false, true); }
/// OpenFile for writing. \param url a file path or "protocol::path".
/// \return the stream, or Null with a line. \since 1.0
inline Ref<TStream> WriteFile(const String& url) { return OpenFile(url, false, true); }
/// Closes a stream. \param stream the stream; closing Null does nothing.
/// \return the stream's answer; 0 for Null. \since 1.0
inline int32_t CloseFile(const Ref<TStream>& stream) { return stream ? stream->Close() : 0; }

/// The file-system module's start (part of InitStream; it relies on bank
/// streams). Does its work once. \since 1.0
void InitFileSystem();

}  // namespace tazmix
