// make-wordlist: turns a UTF-8 word list (one word per line) into the game's
// word file of length-prefixed records.
//
//   make-wordlist [--max N] [--quiet] <words.txt> <Language.txt>
//
// Each record is a 4-byte little-endian length and then the word, one byte
// per character (ISO 8859-1). Lines are trimmed; empty lines are ignored.
// Words with a character above 255, or that the game would not accept, are
// skipped and reported with their line numbers on standard error (--quiet
// reports only their number). --max N keeps N words spread evenly over the
// list. Standard output gets how many words suit each difficulty.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_word.h"
#include "runtime/exception.h"
#include "runtime/string.h"
#include "stream/cstream.h"
#include "stream/load_save.h"
#include "stream/stream_exception.h"

using namespace tazmix;

namespace {

struct Options {
  std::string input, output;
  long max = -1;
  bool quiet = false;
};

bool ParseArgs(int argc, char** argv, Options* o) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--quiet") {
      o->quiet = true;
    } else if (arg == "--max" && i + 1 < argc) {
      char* end = nullptr;
      o->max = std::strtol(argv[++i], &end, 10);
      if (*end || o->max < 1) return false;
    } else if (!arg.empty() && arg[0] == '-') {
      return false;
    } else {
      files.emplace_back(arg);
    }
  }
  if (files.size() != 2) return false;
  o->input = files[0];
  o->output = files[1];
  return true;
}

// The line as text; false when it is no UTF-8 of 16-bit characters.
bool DecodeLine(std::string_view bytes, String* out) {
  try {
    *out = String::FromUTF8String(bytes).Trim();
  } catch (const Thrown&) {
    return false;
  }
  return true;
}

bool FitsLatin1(const String& text) {
  for (char16_t c : text.Units()) {
    if (c > 255) return false;
  }
  return true;
}

void Report(const Options& o, long line, std::string_view text, const char* why) {
  if (!o.quiet) std::fprintf(stderr, "line %ld: \"%.*s\" skipped: %s\n", line, int(text.size()), text.data(), why);
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseArgs(argc, argv, &o)) {
    std::fprintf(stderr, "usage: make-wordlist [--max N] [--quiet] <words.txt> <Language.txt>\n");
    return 2;
  }

  std::vector<uint8_t> bytes;
  try {
    bytes = LoadByteArray(String::FromUTF8String(o.input));
  } catch (const Thrown&) {
    std::fprintf(stderr, "make-wordlist: cannot read %s\n", o.input.c_str());
    return 1;
  }

  std::vector<String> words;
  long skipped = 0, line = 0;
  const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  for (size_t at = 0; at < all.size();) {
    size_t end = all.find('\n', at);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view raw = all.substr(at, end - at);
    at = end + 1;
    ++line;
    String text;
    if (!DecodeLine(raw, &text) || !FitsLatin1(text)) {
      Report(o, line, raw, "character above 255");
      ++skipped;
      continue;
    }
    if (text.IsEmpty()) continue;
    if (!vindra::TGameWord::Create(text)) {
      Report(o, line, raw, "not a playable word");
      ++skipped;
      continue;
    }
    words.push_back(text);
  }

  if (o.max > 0 && words.size() > static_cast<size_t>(o.max)) {
    std::vector<String> picked;
    picked.reserve(static_cast<size_t>(o.max));
    for (long i = 0; i < o.max; ++i) picked.push_back(words[static_cast<size_t>(i) * words.size() / o.max]);
    words.swap(picked);
  }

  Ref<TCStream> out = TCStream::OpenFile(String::FromUTF8String(o.output), false, true);
  if (!out) {
    std::fprintf(stderr, "make-wordlist: cannot write %s\n", o.output.c_str());
    return 1;
  }
  long easy = 0, medium = 0, hard = 0;
  try {
    for (const String& w : words) {
      out->WriteInt(w.Length());
      out->WriteString(w);
      const int32_t n = w.Length();
      easy += vindra::InRange(n, 0, 5);
      medium += vindra::InRange(n, 3, 7);
      hard += n >= 5;
    }
    out->Close();
  } catch (const Thrown& t) {
    std::fprintf(stderr, "make-wordlist: %s: %s\n", o.output.c_str(), t.Text().ToCString().c_str());
    return 1;
  }

  std::printf("%s: %zu words written, %ld skipped\n", o.output.c_str(), words.size(), skipped);
  std::printf("  0 to 5 characters:    %ld\n", easy);
  std::printf("  3 to 7 characters:    %ld\n", medium);
  std::printf("  5 or more characters: %ld\n", hard);
  return 0;
}
