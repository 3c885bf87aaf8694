// Path texts: "/" inside the system, "\" accepted on input. Three kinds of
// root are known by their text alone: a drive root such as c:/, a network
// root //server/, and "/".
#pragma once

#include "../runtime/string.h"

namespace tazmix {

// "\" to "/"; a drive letter gets its "/" (c: -> c:/, c:a -> c:/a, a "::"
// protocol separator is left alone); //server gets its trailing "/"; with
// `stripSlash`, one trailing "/" goes unless the path is a root.
String FixPath(const String& path, bool stripSlash = false);
// The root part ("//server/", "c:/", "/"), or "".
String RootPath(const String& path);
bool IsRootPath(const String& path);
// True when the path has a root part.
bool IsRealPath(const String& path);

// These normalise their argument with FixPath first.
String StripDir(const String& path);
String StripExt(const String& path);
String StripAll(const String& path);
String StripSlash(const String& path);
String ExtractDir(const String& path);
String ExtractExt(const String& path);

// The platform's current folder, normalised.
String CurrentDir();
// Absolute and normalised, with "." and ".." resolved as text.
String RealPath(const String& path);

}  // namespace tazmix
