// Misuse of streams, banks, paths and the file system. The kept file is the
// target wherever a call could write: it must come out untouched.
#include <cstring>

#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/filesystem.h"
#include "stream/load_save.h"
#include "stream/path.h"
#include "stream/path_case.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

// A bank of 8 bytes 1..8, and a stream reading "abc".
Ref<TBank> Bank8() {
  Ref<TBank> bank = CreateBank(8);
  for (int i = 0; i < 8; ++i) PokeByte(bank, i, i + 1);
  return bank;
}
Ref<TStream> Abc() {
  Ref<TBank> bank = CreateBank(3);
  std::memcpy(BankBuf(bank), "abc", 3);
  return CreateBankStream(bank);
}
// The sum of the bank's bytes: any stray poke inside it shows.
int Sum(const Ref<TBank>& bank) {
  int sum = 0;
  for (int i = 0; i < BankSize(bank); ++i) sum += PeekByte(bank, i);
  return sum;
}

template <class F>
void ExpectReadFails(F call) {
  ExpectRaises<TStreamReadException>(call, "Error reading from stream");
}
template <class F>
void ExpectWriteFails(F call) {
  ExpectRaises<TStreamWriteException>(call, "Error writing to stream");
}

const Row kRows[] = {
    {"OpenStreamNull", [] { EXPECT_FALSE(OpenStream(Ref<Object>(), true, true)); }},
    {"OpenStreamEmptyPath", [] { EXPECT_FALSE(ReadStream(String())); }},
    {"OpenStreamBareProtocol", [] { EXPECT_FALSE(ReadStream("::")); }},
    {"OpenStreamUnknownProtocol", [] { EXPECT_FALSE(WriteStream("nope::keep.dat")); }},
    {"OpenStreamFolder", [] { EXPECT_FALSE(ReadStream(".")); }},
    {"OpenStreamLongPath", [] { EXPECT_FALSE(WriteStream(LongText())); }},
    {"OpenStreamNulInPath", [] { EXPECT_FALSE(WriteStream(String(std::u16string(u"keep.dat\0x", 10)))); }},
    {"OpenStreamAngleBracket", [] { EXPECT_FALSE(WriteStream("keep.dat<")); }},
    {"EofNull", [] { ExpectNullObject([] { Eof(nullptr); }); }},
    {"StreamPosNull", [] { ExpectNullObject([] { StreamPos(nullptr); }); }},
    {"SeekStreamNull", [] { ExpectNullObject([] { SeekStream(nullptr, 0); }); }},
    {"ReadIntNull", [] { ExpectNullObject([] { ReadInt(nullptr); }); }},
    {"ReadLineNull", [] { ExpectNullObject([] { ReadLine(nullptr); }); }},
    {"WriteStringNull", [] { ExpectNullObject([] { WriteString(nullptr, "x"); }); }},
    {"CloseStreamNull", [] { EXPECT_EQ(CloseStream(nullptr), 0); }},
    {"ReadStringNegative", [] { EXPECT_EQ(ReadString(Abc(), -5), String()); }},
    {"ReadStringLargestInt", [] { ExpectReadFails([] { ReadString(Abc(), INT32_MAX); }); }},
    {"SkipBytesPastEnd", [] { ExpectReadFails([] { Abc()->SkipBytes(INT32_MAX); }); }},
    {"ReadLongPastEnd", [] { ExpectReadFails([] { ReadLong(Abc()); }); }},
    {"SeekNegative", [] { Ref<TStream> s = Abc(); EXPECT_EQ(SeekStream(s, INT32_MIN), 0); EXPECT_EQ(ReadByte(s), 'a'); }},
    {"ReadClosedFile", [] { Ref<TStream> s = ReadStream(kKeepFile); CloseStream(s); ExpectReadFails([&] { ReadInt(s); }); }},
    {"WriteReadOnlyFile", [] { ExpectWriteFails([] { WriteInt(ReadStream(kKeepFile), 1); }); }},
    {"LoadByteArrayNull", [] { ExpectReadFails([] { LoadByteArray(Ref<Object>()); }); }},
    {"LoadStringMissing", [] { ExpectReadFails([] { LoadString("missing.txt"); }); }},
    {"SaveStringNowhere", [] { ExpectWriteFails([] { SaveString("x", "missing/x.txt"); }); }},
    {"CopyStreamNull", [] { ExpectNullObject([] { CopyStream(Abc(), nullptr); }); }},
    {"CopyStreamHugeBuffer", [] { Ref<TStream> to = CreateBankStream(nullptr); CopyStream(Abc(), to, INT32_MAX); EXPECT_EQ(StreamSize(to), 3); }},
    {"CopyBytesNegative", [] { Ref<TStream> to = CreateBankStream(nullptr); CopyBytes(Abc(), to, -5, -5); EXPECT_EQ(StreamSize(to), 0); }},
    {"CopyBytesPastEnd", [] { ExpectReadFails([] { CopyBytes(Abc(), CreateBankStream(nullptr), INT32_MAX, INT32_MAX); }); }},
    {"CreateBankNegative", [] { EXPECT_EQ(BankSize(CreateBank(-1)), 0); }},
    {"CreateStaticBankNoMemory", [] { EXPECT_FALSE(CreateStaticBank(nullptr, 10)); }},
    {"CreateStaticBankNegative", [] { static uint8_t b[4]; EXPECT_FALSE(CreateStaticBank(b, -1)); }},
    {"PeekByteNegative", [] { EXPECT_EQ(PeekByte(Bank8(), -1), 0); }},
    {"PeekIntAcrossEnd", [] { EXPECT_EQ(PeekInt(Bank8(), 5), 0); }},
    {"PeekDoubleLargestInt", [] { EXPECT_EQ(PeekDouble(Bank8(), INT32_MAX), 0.0); }},
    {"PokeLongAcrossEnd", [] { Ref<TBank> b = Bank8(); PokeLong(b, 1, -1); EXPECT_EQ(Sum(b), 36); }},
    {"PokeShortSmallestInt", [] { Ref<TBank> b = Bank8(); PokeShort(b, INT32_MIN, -1); EXPECT_EQ(Sum(b), 36); }},
    {"PeekIntNull", [] { ExpectNullObject([] { PeekInt(nullptr, 0); }); }},
    {"ResizeBankNegative", [] { Ref<TBank> b = Bank8(); ResizeBank(b, -5); EXPECT_EQ(BankSize(b), 0); }},
    {"ResizeBankNull", [] { ExpectNullObject([] { ResizeBank(nullptr, 5); }); }},
    {"ReadBankPastEnd", [] { Ref<TBank> b = Bank8(); EXPECT_EQ(ReadBank(b, Abc(), 6, 3), 2); EXPECT_EQ(Sum(b), 36 - 7 - 8 + 'a' + 'b'); }},
    {"ReadBankOffsetPastEnd", [] { Ref<TBank> b = Bank8(); EXPECT_EQ(ReadBank(b, Abc(), 9, 1), 0); EXPECT_EQ(Sum(b), 36); }},
    {"ReadBankNegativeOffset", [] { Ref<TBank> b = Bank8(); EXPECT_EQ(ReadBank(b, Abc(), -1, 2), 0); EXPECT_EQ(Sum(b), 36); }},
    {"WriteBankPastEnd", [] { EXPECT_EQ(WriteBank(Bank8(), CreateBankStream(nullptr), 4, INT32_MAX), 4); }},
    {"ReadBankNullStream", [] { ExpectNullObject([] { ReadBank(Bank8(), nullptr, 0, 1); }); }},
    {"CopyBankPastEnd", [] { Ref<TBank> b = Bank8(); CopyBank(Bank8(), 0, b, 4, 8); EXPECT_EQ(Sum(b), 36); }},
    {"CopyBankNegativeOffset", [] { Ref<TBank> b = Bank8(); CopyBank(Bank8(), -4, b, 0, 4); EXPECT_EQ(Sum(b), 36); }},
    {"CopyBankNull", [] { ExpectNullObject([] { CopyBank(nullptr, 0, Bank8(), 0, 1); }); }},
    {"SaveBankNull", [] { EXPECT_EQ(SaveBank(nullptr, kKeepFile), 0); }},
    {"LoadBankNull", [] { EXPECT_FALSE(LoadBank(Ref<Object>())); }},
    {"FileTypeEmpty", [] { EXPECT_EQ(FileType(""), 0); }},
    {"FileSizeLongPath", [] { EXPECT_EQ(FileSize(LongText()), -1); }},
    {"FileModeMissing", [] { EXPECT_EQ(FileMode("missing"), -1); }},
    {"CreateFileEmptyPath", [] { EXPECT_FALSE(CreateFile("")); }},
    {"CreateFileAngleBracket", [] { EXPECT_FALSE(CreateFile("a<b")); }},
    {"CreateDirLongPath", [] { EXPECT_FALSE(CreateDir(LongText(), true)); }},
    {"RenameFileToNowhere", [] { EXPECT_FALSE(RenameFile(kKeepFile, "missing/keep.dat")); }},
    {"CopyFileFromMissing", [] { EXPECT_FALSE(CopyFile("missing", kKeepFile)); }},
    {"CopyFileOntoItself", [] { EXPECT_FALSE(CopyFile(kKeepFile, String("./") + kKeepFile)); }},
    {"CopyDirFromFile", [] { EXPECT_FALSE(CopyDir(kKeepFile, "copy")); }},
    {"DeleteDirOfFile", [] { EXPECT_FALSE(DeleteDir(kKeepFile, true)); }},
    {"ChangeDirEmpty", [] { EXPECT_FALSE(ChangeDir("")); }},
    {"ReadDirMissing", [] { EXPECT_FALSE(ReadDir("missing")); }},
    {"NextFileNull", [] { EXPECT_EQ(NextFile(nullptr), String()); }},
    {"CloseDirNull", [] { CloseDir(nullptr); }},
    {"LoadDirLongPath", [] { EXPECT_TRUE(LoadDir(LongText()).empty()); }},
    {"OpenFileNull", [] { EXPECT_FALSE(OpenFile(Ref<Object>())); }},
    {"CloseFileNull", [] { EXPECT_EQ(CloseFile(nullptr), 0); }},
    {"ResolvePathCaseEmpty", [] { EXPECT_EQ(ResolvePathCase(""), String()); }},
    {"ResolvePathCaseLong", [] { EXPECT_EQ(ResolvePathCase(LongText() + "/x"), String()); }},
    {"RealPathAboveTheRoot", [] { EXPECT_EQ(RealPath("/../../x/.."), String("/")); }},
    {"FixPathLong", [] { EXPECT_EQ(FixPath(LongText()).Length(), 1 << 20); }},
};

class StreamMisuse : public Table {
 protected:
  void SetUp() override {
    InitFileSystem();
    Table::SetUp();
  }
};

}  // namespace

MISUSE_TABLE(StreamMisuse, kRows);
