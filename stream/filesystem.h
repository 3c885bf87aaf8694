// Files and folders. Every function normalises its paths with FixPath and
// reports failure only through its result (false, 0, -1, "", Null or an
// empty array); none raises. Names holding "<" or ">" never exist.
#pragma once

#include <cstdint>
#include <vector>

#include "../runtime/object.h"
#include "../runtime/string.h"
#include "dir_listing.h"
#include "stream.h"

namespace tazmix {

// 0 nothing there, 1 a file, 2 a folder.
int32_t FileType(const String& path);
// Modification time in seconds since 1970, or 0.
int64_t FileTime(const String& path);
// Size in bytes, or -1.
int64_t FileSize(const String& path);
// Permission bits (0..0777), or -1.
int32_t FileMode(const String& path);
void SetFileMode(const String& path, int32_t mode);

// Replaces whatever file is there with an empty one.
bool CreateFile(const String& path);
// With `recurse`, every missing folder along the way is made too.
bool CreateDir(const String& path, bool recurse = false);
// Read-only files go too. True when nothing is there afterwards.
bool DeleteFile(const String& path);
bool RenameFile(const String& from, const String& to);
// Through the stream layer, so both may be URLs. A file is never copied
// onto itself.
bool CopyFile(const String& src, const String& dst);
// The whole tree; false if `src` is no folder or `dst` lies inside it.
bool CopyDir(const String& src, const String& dst);
// With `recurse`, the content goes first; symbolic links inside are removed,
// never followed.
bool DeleteDir(const String& path, bool recurse = false);
bool ChangeDir(const String& path);

// A listing handle (Null if the folder cannot be read), its entries one by
// one ("" at the end, and for Null; "." and ".." included), and closing it
// (closing Null does nothing).
Ref<TDirListing> ReadDir(const String& path);
String NextFile(const Ref<TDirListing>& handle);
void CloseDir(const Ref<TDirListing>& handle);
// Every entry name, without "." and ".." when `skipDots`; empty if the folder
// cannot be read.
std::vector<String> LoadDir(const String& path, bool skipDots = true);

// OpenStream, but always seekable: a stream that cannot tell its position is
// read whole into a bank and a bank stream over it comes back instead.
Ref<TStream> OpenFile(const Ref<Object>& url, bool readable = true, bool writeable = true);
Ref<TStream> OpenFile(const String& url, bool readable = true, bool writeable = true);
inline Ref<TStream> ReadFile(const Ref<Object>& url) { return OpenFile(url, true, false); }
inline Ref<TStream> ReadFile(const String& url) { return OpenFile(url, true, false); }
inline Ref<TStream> WriteFile(const Ref<Object>& url) { return OpenFile(url, false, true); }
inline Ref<TStream> WriteFile(const String& url) { return OpenFile(url, false, true); }
inline int32_t CloseFile(const Ref<TStream>& stream) { return stream ? stream->Close() : 0; }

// The file-system module's start (part of InitStream; it relies on bank
// streams).
void InitFileSystem();

}  // namespace tazmix
