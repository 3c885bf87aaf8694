// The path functions on texts made of the characters they care about
// ("/", "\", ":", ".", letters), with the properties that hold for any path:
// FixPath and RealPath are stable when applied again, their results hold no
// "\", RealPath leaves no "." or ".." part and keeps a root, and the strip
// and extract functions give parts of the fixed path.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "runtime/string.h"
#include "stream/path.h"
#include "stream/stream_module.h"

using namespace tazmix;
using tazmix::fuzz::FuzzInput;

namespace {

void Expect(bool holds) {
  if (!holds) std::abort();
}

String PathText(FuzzInput& in) {
  static const char16_t kAlphabet[] = u"/\\:.ac. /..\\:b/";
  std::u16string units;
  for (const char c : in.Chunk(48)) {
    const auto b = static_cast<uint8_t>(c);
    units += b < 0xF0 ? kAlphabet[b % (sizeof kAlphabet / sizeof kAlphabet[0] - 1)] : static_cast<char16_t>(b);
  }
  return String(std::move(units));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitStream();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const String path = PathText(in);
  const String fixed = FixPath(path);
  Expect(!fixed.Contains("\\"));
  Expect(FixPath(fixed) == fixed);
  // Only one trailing "/" goes, so this is not stable when repeated.
  const String stripped = FixPath(path, true);
  Expect(StripSlash(path) == stripped && fixed.StartsWith(stripped));

  Expect(IsRootPath(path) == (!path.IsEmpty() && RootPath(path) == path));
  Expect(IsRealPath(fixed) == !RootPath(fixed).IsEmpty());

  const String dir = StripDir(path);
  Expect(!dir.Contains("/") && fixed.EndsWith(dir));
  Expect(fixed.StartsWith(ExtractDir(path)));
  Expect(fixed.StartsWith(StripExt(path)));
  const String ext = ExtractExt(path);
  Expect(!ext.Contains("/") && fixed.EndsWith(ext));
  Expect(!StripAll(path).Contains("/"));

  const String real = RealPath(path);
  Expect(RealPath(real) == real);
  Expect(IsRealPath(real));
  Expect(!real.Contains("\\"));
  const String rest = real.Slice(RootPath(real).Length(), real.Length());
  for (const String& part : rest.Split("/")) Expect(part != String(".") && part != String(".."));
  return 0;
}
