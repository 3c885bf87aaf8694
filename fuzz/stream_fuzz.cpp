// A program of stream operations, read from the input, run on a bank stream,
// on a TStreamWrapper around one and on the TStreamStream that OpenStream
// hands out, each over its own copy of the same bank. Every answer, raised
// exception and position is checked against a plain model of a byte string
// with a position; any difference stops the run.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "runtime/exception.h"
#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/stream_exception.h"
#include "stream/stream_module.h"
#include "stream/stream_wrapper.h"

using namespace tazmix;
using tazmix::fuzz::FuzzInput;

namespace {

constexpr int32_t kMaxSize = 1 << 16;  // writes stop growing the bank here

[[noreturn]] void Differ() { std::abort(); }
void Expect(bool same) {
  if (!same) Differ();
}

// What a stream over a bank should do.
struct Model {
  std::string data;
  int32_t pos = 0;

  int32_t Size() const { return static_cast<int32_t>(data.size()); }
  // Exactly `n` bytes, or the read exception with the position at the end.
  bool Take(int64_t n, std::string* out) {
    if (pos > Size() || pos + n > Size()) {
      pos = std::max(pos, Size());
      return false;
    }
    if (out) *out = data.substr(static_cast<size_t>(pos), static_cast<size_t>(n));
    pos += static_cast<int32_t>(n);
    return true;
  }
  std::string Line() {
    std::string line;
    while (pos < Size()) {
      const char c = data[static_cast<size_t>(pos++)];
      if (c == 0 || c == 10) break;
      if (c != 13) line += c;
    }
    return line;
  }
  // Writes only ever start inside the data (Seek clamps, Resize below
  // keeps the position checked).
  bool Put(const std::string& bytes) {
    if (pos > Size()) return bytes.empty();
    if (data.size() < static_cast<size_t>(pos) + bytes.size()) data.resize(static_cast<size_t>(pos) + bytes.size());
    data.replace(static_cast<size_t>(pos), bytes.size(), bytes);
    pos += static_cast<int32_t>(bytes.size());
    return true;
  }
};

std::string Latin1(const String& s) { return s.ToCString(); }

// Runs `op` and tells whether it raised the read (1) or write (2) exception.
template <class Op>
int Raised(Op op) {
  try {
    op();
  } catch (const Thrown& e) {
    if (e.As<TStreamReadException>()) return 1;
    if (e.As<TStreamWriteException>()) return 2;
    throw;
  }
  return 0;
}

uint64_t Little(const std::string& bytes) {
  uint64_t v = 0;
  for (size_t i = 0; i < bytes.size(); ++i) v |= uint64_t(static_cast<uint8_t>(bytes[i])) << (8 * i);
  return v;
}

std::string LittleBytes(uint64_t v, size_t n) {
  std::string out(n, '\0');
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>(v >> (8 * i));
  return out;
}

// One operation, chosen and parameterised by `in`, on the model and on
// every stream; `bank[k]` is the bank under stream k.
void Step(FuzzInput& in, Model& model, Ref<TStream> (&streams)[3], Ref<TBank> (&banks)[3]) {
  const int op = in.Range(0, 14);
  switch (op) {
    case 0: {  // ReadLine
      const std::string want = model.Line();
      for (auto& s : streams) Expect(Latin1(s->ReadLine()) == want);
      break;
    }
    case 1: case 2: case 3: case 4: {  // ReadByte, ReadShort, ReadInt, ReadLong
      const size_t width = size_t{1} << (op - 1);
      std::string bytes;
      const bool ok = model.Take(static_cast<int64_t>(width), &bytes);
      for (auto& s : streams) {
        int64_t got = 0;
        const int raised = Raised([&] {
          got = op == 1 ? s->ReadByte() : op == 2 ? s->ReadShort() : op == 3 ? s->ReadInt() : s->ReadLong();
        });
        Expect(raised == (ok ? 0 : 1));
        if (ok) {
          const uint64_t want = Little(bytes);
          Expect(op == 3 ? got == static_cast<int32_t>(want) : static_cast<uint64_t>(got) == want);
        }
      }
      break;
    }
    case 5: {  // ReadDouble, compared bit for bit
      std::string bytes;
      const bool ok = model.Take(8, &bytes);
      for (auto& s : streams) {
        double got = 0;
        Expect(Raised([&] { got = s->ReadDouble(); }) == (ok ? 0 : 1));
        if (ok) {
          uint64_t bits;
          std::memcpy(&bits, &got, 8);
          Expect(bits == Little(bytes));
        }
      }
      break;
    }
    case 6: {  // ReadString, lengths from negative to far past the end
      const auto length = static_cast<int32_t>(in.Range(0, 1) ? in.Range(-4, 300) : static_cast<int32_t>(in.Int()));
      std::string want;
      const bool ok = length <= 0 || model.Take(length, &want);
      for (auto& s : streams) {
        String got;
        Expect(Raised([&] { got = s->ReadString(length); }) == (ok ? 0 : 1));
        if (ok) Expect(Latin1(got) == want);
      }
      break;
    }
    case 7: {  // SkipBytes
      const auto count = static_cast<int32_t>(in.Range(0, 1) ? in.Range(-4, 3000) : static_cast<int32_t>(in.Int()));
      const bool ok = count <= 0 || model.Take(count, nullptr);
      for (auto& s : streams) Expect(Raised([&] { s->SkipBytes(count); }) == (ok ? 0 : 1));
      break;
    }
    case 8: {  // Seek anywhere, clamped into the data
      const auto to = static_cast<int32_t>(in.Range(0, 1) ? in.Range(-3, model.Size() + 3) : static_cast<int32_t>(in.Int()));
      model.pos = std::clamp(to, 0, model.Size());
      for (auto& s : streams) Expect(s->Seek(to) == model.pos);
      break;
    }
    case 9: case 10: case 11: {  // WriteBytes, WriteLine, WriteString
      std::string text = in.Chunk(64);
      if (model.Size() + static_cast<int32_t>(text.size()) + 2 > kMaxSize) break;
      const std::string bytes = op == 10 ? text + "\r\n" : text;
      const bool ok = model.Put(bytes);
      const String as_text = String::FromBytes(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size()));
      for (auto& s : streams) {
        if (op == 10) {
          // The line's answer is its own: false when not every byte went out.
          bool written = false;
          Expect(Raised([&] { written = s->WriteLine(as_text); }) == 0);
          Expect(written == ok);
        } else {
          Expect(Raised([&] {
                   if (op == 9) s->WriteBytes(text.data(), static_cast<int32_t>(text.size()));
                   else s->WriteString(as_text);
                 }) == (ok ? 0 : 2));
        }
      }
      break;
    }
    case 12: {  // WriteInt then WriteDouble
      const uint32_t i = in.Int();
      const uint64_t d = in.Long();
      if (model.Size() + 12 > kMaxSize) break;
      const bool ok = model.Put(LittleBytes(i, 4) + LittleBytes(d, 8));
      double value;
      std::memcpy(&value, &d, 8);
      for (auto& s : streams) {
        Expect(Raised([&] {
                 s->WriteInt(static_cast<int32_t>(i));
                 s->WriteDouble(value);
               }) == (ok ? 0 : 2));
      }
      break;
    }
    case 13: {  // the bank shrinks under the streams
      const auto size = static_cast<int32_t>(in.Range(0, model.Size()));
      model.data.resize(static_cast<size_t>(size));
      for (auto& b : banks) b->Resize(size);
      break;
    }
    case 14: {  // a byte poked into the bank shows through the streams
      if (model.Size() == 0) break;
      const auto at = static_cast<int32_t>(in.Range(0, model.Size() - 1));
      const uint8_t value = in.Byte();
      model.data[static_cast<size_t>(at)] = static_cast<char>(value);
      for (auto& b : banks) b->PokeByte(at, value);
      break;
    }
  }
  for (int k = 0; k < 3; ++k) {
    Expect(streams[k]->Pos() == model.pos);
    Expect(streams[k]->Size() == model.Size());
    Expect(streams[k]->Eof() == (model.pos >= model.Size()));
    Expect(banks[k]->Size() == model.Size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitStream();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  Model model;
  model.data = in.Chunk(255);
  Ref<TBank> banks[3];
  Ref<TStream> streams[3];
  for (int k = 0; k < 3; ++k) {
    banks[k] = TBank::Create(model.Size());
    if (model.Size() > 0) std::memcpy(banks[k]->Buf(), model.data.data(), model.data.size());
  }
  streams[0] = CreateBankStream(banks[0]);
  Ref<TStreamWrapper> wrapper = New<TStreamWrapper>();
  wrapper->SetStream(CreateBankStream(banks[1]));
  streams[1] = wrapper;
  streams[2] = TStreamStream::Create(CreateBankStream(banks[2]));
  for (int steps = 0; steps < 64 && !in.Empty(); ++steps) Step(in, model, streams, banks);
  return 0;
}
