/// \file
/// Path texts: "/" inside the system, "\\" accepted on input. Three kinds of
/// root are known by their text alone: a drive root such as c:/, a network
/// root //server/, and "/". These functions work on the text alone, except
/// CurrentDir and RealPath, which ask for the current folder.
///
/// \code{.cpp}
/// tazmix::String p = "levels/forest.lvl";
/// tazmix::StripDir(p);    // "forest.lvl"
/// tazmix::StripAll(p);    // "forest"
/// tazmix::ExtractDir(p);  // "levels"
/// tazmix::ExtractExt(p);  // "lvl"
/// tazmix::RealPath("../a/./b");  // "/home/anna/a/b" in /home/anna/game
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "../runtime/string.h"

namespace tazmix {

/// Normalises a path: backslashes to "/"; a drive letter gets its "/" (c: ->
/// c:/, c:a -> c:/a, a "::" protocol separator is left alone); //server gets
/// its trailing "/".
/// \param path the path.
/// \param stripSlash true to drop one trailing "/" unless the path is a root.
/// \return the normalised path.
/// \since 1.0
String FixPath(const String& path, bool stripSlash = false);
/// \param path the path. \return the root part ("//server/", "c:/", "/"), or "". \since 1.0
String RootPath(const String& path);
/// \param path the path. \return true when the path is a root and nothing more. \since 1.0
bool IsRootPath(const String& path);
/// \param path the path. \return true when the path has a root part. \since 1.0
bool IsRealPath(const String& path);

// These normalise their argument with FixPath first.

/// \param path the path. \return the last component: "a/b.png" -> "b.png". \since 1.0
String StripDir(const String& path);
/// \param path the path. \return the path without the last component's
///   extension: "a/b.png" -> "a/b". \since 1.0
String StripExt(const String& path);
/// \param path the path. \return the last component without its extension:
///   "a/b.png" -> "b". \since 1.0
String StripAll(const String& path);
/// \param path the path. \return the path without one trailing "/", unless it
///   is a root. \since 1.0
String StripSlash(const String& path);
/// \param path the path. \return the folder part: "a/b.png" -> "a"; "" for a
///   bare name; a root, "." and ".." stay as they are. \since 1.0
String ExtractDir(const String& path);
/// \param path the path. \return the last component's extension without the
///   dot: "a/b.png" -> "png"; "" when there is none. \since 1.0
String ExtractExt(const String& path);

/// \return the platform's current folder, normalised; "" when it cannot be
///   told. \since 1.0
String CurrentDir();
/// Absolute and normalised, with "." and ".." resolved as text (symbolic links
/// are not followed).
/// \param path the path; a relative one is taken from CurrentDir.
/// \return the absolute path.
/// \since 1.0
String RealPath(const String& path);

}  // namespace tazmix
