#include "stream/filesystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "runtime/application.h"
#include "runtime/error_report.h"
#include "runtime/exception.h"
#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/internal/file_status.h"
#include "stream/load_save.h"
#include "stream/internal/native_path.h"
#include "stream/internal/url_subject.h"
#include "stream/path.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"
#include "stream/stream_module.h"

namespace tazmix {

namespace {

// Runs a kernel call on the native form of an already normalised path.
template <class Call>
bool OnNative(const String& path, Call call) {
  std::string native;
  return ToNativePath(path, &native) && call(native.c_str());
}

int32_t TypeOf(const String& fixed) {
  FileStatus st;
  return GetFileStatus(fixed, &st) ? st.type : 0;
}

bool MakeDir(const String& fixed) {
  OnNative(fixed, [](const char* p) { return mkdir(p, 0777) == 0; });
  return TypeOf(fixed) == 2;
}

bool DeleteFixedFile(const String& fixed) {
  // A folder is no file: leave it, and its permissions, alone. A link goes
  // itself; its target keeps its permissions.
  if (!IsSymbolicLink(fixed) && TypeOf(fixed) == 2) return false;
  if (!IsSymbolicLink(fixed)) OnNative(fixed, [](const char* p) { return chmod(p, 0666) == 0; });
  OnNative(fixed, [](const char* p) { return unlink(p) == 0; });
  return TypeOf(fixed) == 0 && !IsSymbolicLink(fixed);
}

bool DeleteFixedDir(const String& fixed, bool recurse) {
  if (recurse && !IsSymbolicLink(fixed)) {
    Ref<TDirListing> listing = TDirListing::Open(fixed);
    if (!listing) return false;
    for (String name = listing->Next(); !name.IsEmpty(); name = listing->Next()) {
      if (name == String(".") || name == String("..")) continue;
      const String entry = fixed + "/" + name;
      if (!IsSymbolicLink(entry) && TypeOf(entry) == 2) {
        DeleteFixedDir(entry, true);
      } else {
        DeleteFixedFile(entry);
      }
    }
  }
  OnNative(fixed, [](const char* p) { return rmdir(p) == 0; });
  return TypeOf(fixed) == 0;
}

bool CopyDirStep(const String& src, const String& dst) {
  if (TypeOf(dst) == 0) MakeDir(dst);
  if (TypeOf(dst) != 2) return false;
  for (const String& name : LoadDir(src, true)) {
    const String from = src + "/" + name, to = dst + "/" + name;
    const bool ok = TypeOf(from) == 2 ? CopyDirStep(from, to) : CopyFile(from, to);
    if (!ok) return false;
  }
  return true;
}

}  // namespace

int32_t FileType(const String& path) { return TypeOf(FixPath(path)); }

int64_t FileTime(const String& path) {
  FileStatus st;
  return GetFileStatus(FixPath(path), &st) ? st.time : 0;
}

int64_t FileSize(const String& path) {
  FileStatus st;
  return GetFileStatus(FixPath(path), &st) ? st.size : -1;
}

int32_t FileMode(const String& path) {
  FileStatus st;
  return GetFileStatus(FixPath(path), &st) ? st.mode : -1;
}

void SetFileMode(const String& path, int32_t mode) {
  OnNative(FixPath(path), [mode](const char* p) { return chmod(p, static_cast<mode_t>(mode & 07777)) == 0; });
}

bool CreateFile(const String& path) {
  const String p = FixPath(path);
  DeleteFixedFile(p);
  OnNative(p, [](const char* n) {
    std::FILE* f = std::fopen(n, "wb");
    if (f) std::fclose(f);
    return f != nullptr;
  });
  return TypeOf(p) == 1;
}

bool CreateDir(const String& path, bool recurse) {
  const String p = FixPath(path, true);
  if (!recurse) return MakeDir(p);
  const String full = RealPath(p) + "/";
  // The root is taken as there; each level below it is checked or made.
  for (int32_t at = full.Find("/", RootPath(full).Length()); at >= 0; at = full.Find("/", at + 1)) {
    const String level = full.Left(at);
    if (level.IsEmpty() || IsRootPath(level + "/")) continue;
    const int32_t type = TypeOf(level);
    if (type == 2) continue;
    if (type == 1 || !MakeDir(level)) return false;
  }
  return true;
}

bool DeleteFile(const String& path) { return DeleteFixedFile(FixPath(path)); }

bool RenameFile(const String& from, const String& to) {
  std::string a, b;
  if (!ToNativePath(FixPath(from), &a) || !ToNativePath(FixPath(to), &b)) return false;
  return std::rename(a.c_str(), b.c_str()) == 0;
}

bool CopyFile(const String& src, const String& dst) {
  Ref<TStream> in = ReadStream(src);
  if (!in) return false;
  // Opening the destination would empty the source first.
  if (IsSameFile(FixPath(src), FixPath(dst))) {
    in->Close();
    return false;
  }
  Ref<TStream> out = WriteStream(dst);
  if (!out) {
    in->Close();
    return false;
  }
  bool copied = true;
  try {
    CopyStream(in, out, 4096);
  } catch (const Thrown& t) {
    if (!t.As<TStreamWriteException>()) throw;
    copied = false;
  }
  out->Close();
  in->Close();
  return copied;
}

bool CopyDir(const String& src, const String& dst) {
  const String from = FixPath(src, true), to = FixPath(dst, true);
  if (TypeOf(from) != 2) return false;
  // Copying a folder into itself would copy the copy, level after level.
  const String real_from = RealPath(from), real_to = RealPath(to);
  if (real_to == real_from || real_to.StartsWith(real_from + (real_from.EndsWith("/") ? "" : "/"))) return false;
  return CopyDirStep(from, to);
}

bool DeleteDir(const String& path, bool recurse) { return DeleteFixedDir(FixPath(path, true), recurse); }

bool ChangeDir(const String& path) {
  return OnNative(FixPath(path, true), [](const char* p) { return chdir(p) == 0; });
}

Ref<TDirListing> ReadDir(const String& path) { return TDirListing::Open(FixPath(path, true)); }

String NextFile(const Ref<TDirListing>& handle) { return handle ? handle->Next() : String(); }

void CloseDir(const Ref<TDirListing>& handle) {
  if (handle) handle->Close();
}

std::vector<String> LoadDir(const String& path, bool skipDots) {
  std::vector<String> names;
  Ref<TDirListing> listing = ReadDir(path);
  if (!listing) return names;
  for (String name = listing->Next(); !name.IsEmpty(); name = listing->Next()) {
    if (skipDots && (name == String(".") || name == String(".."))) continue;
    names.push_back(name);
  }
  return names;
}

Ref<TStream> OpenFile(const Ref<Object>& url, bool readable, bool writeable) {
  FailureScope scope("OpenFile", UrlSubject(url));
  Ref<TStream> stream = OpenStream(url, readable, writeable);
  if (!stream || stream->Pos() != -1) return scope.Check(stream, "can't open it");
  // A stream that cannot be read whole (write-only, say) cannot be a file.
  Ref<TBank> bank;
  try {
    bank = TBank::Load(Ref<Object>(stream));
  } catch (const Thrown&) {
    bank = nullptr;
  }
  stream->Close();
  return scope.Check(bank ? Ref<TStream>(TBankStream::Create(bank)) : nullptr, "it can't be read whole");
}

Ref<TStream> OpenFile(const String& url, bool readable, bool writeable) {
  return OpenFile(Ref<Object>(url.AsObject()), readable, writeable);
}

void InitFileSystem() {
  static bool done = false;
  if (!BeginModuleInit(done)) return;
  InitStream();
  InitBankStream();
}

}  // namespace tazmix
