#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "stream/cstream.h"
#include "stream/load_save.h"
#include "stream/stream_factory.h"
#include "stream/stream_wrapper.h"
#include "tests/stream/stream_test_util.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;
using namespace std::string_literals;

namespace {

String S(const std::string& path) { return String::FromUTF8String(path); }

using Log = std::shared_ptr<std::vector<std::string>>;

// Answers for one protocol and writes down every question it is asked.
// Factories stay in the chain for good, so each shares its log.
class RecordingFactory : public TStreamFactory {
 public:
  RecordingFactory(std::string answers, Log log) : answers_(std::move(answers)), log_(std::move(log)) {}
  Ref<TStream> CreateStream(const Ref<Object>& url, const String& proto, const String& path, bool readable,
                            bool writeable) override {
    String text;
    const bool is_text = String::FromObject(url.get(), &text);
    log_->push_back(answers_ + ":" + proto.ToCString() + "|" + path.ToCString() + "|" + (is_text ? "text" : "object") +
                    (readable ? "r" : "") + (writeable ? "w" : ""));
    if (proto.ToCString() != answers_) return nullptr;
    return New<PipeStream>(answers_ + " data");
  }

 private:
  std::string answers_;
  Log log_;
};

class Marker : public Object {};

}  // namespace

TEST(OpenStream, FactoriesAreAskedNewestFirstWithTheLowerCaseProtocol) {
  auto log = std::make_shared<std::vector<std::string>>();
  New<RecordingFactory>("older", log);
  New<RecordingFactory>("newer", log);

  Ref<TStream> s = OpenStream(String("OLDER::Some/Path"), true, false);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->ReadLine(), String("older data"));
  ASSERT_GE(log->size(), 2u);
  EXPECT_EQ((*log)[0], "newer:older|Some/Path|textr");
  EXPECT_EQ((*log)[1], "older:older|Some/Path|textr");

  log->clear();
  EXPECT_TRUE(OpenStream(String("newer::x::y"), false, true));
  ASSERT_EQ(log->size(), 1u);  // the first answer ends the search
  EXPECT_EQ((*log)[0], "newer:newer|x::y|textw");
}

TEST(OpenStream, UnknownProtocolsAndObjectsGiveNullNeverAFile) {
  auto log = std::make_shared<std::vector<std::string>>();
  New<RecordingFactory>("known", log);
  TempDir dir;
  dir.Write("abc::x", "a file with colons");
  EXPECT_FALSE(OpenStream(S(dir / "abc::x"), true, false));
  EXPECT_FALSE(OpenStream(String("abc::x"), true, false));

  log->clear();
  EXPECT_FALSE(OpenStream(Ref<Object>(New<Marker>()), true, false));
  ASSERT_FALSE(log->empty());
  EXPECT_EQ((*log)[0], "known:||objectr");  // other objects: no protocol, no path

  EXPECT_FALSE(OpenStream(Ref<Object>(), true, false));
}

TEST(OpenStream, PlainPathsGoStraightToFiles) {
  auto log = std::make_shared<std::vector<std::string>>();
  New<RecordingFactory>("file", log);
  TempDir dir;
  const std::string file = dir.Write("plain.txt", "plain");
  Ref<TStream> s = ReadStream(S(file));
  ASSERT_TRUE(s);
  EXPECT_TRUE(Cast<TCStream>(s));
  EXPECT_TRUE(log->empty());
  EXPECT_FALSE(ReadStream(S(dir / "missing.txt")));
  EXPECT_TRUE(log->empty());
  EXPECT_TRUE(WriteStream(S(dir / "new.txt")));
  EXPECT_EQ(dir.Read("new.txt"), "");
}

TEST(OpenStream, AStreamComesBackWrappedAndClosingTheWrapperOnlyDetaches) {
  TempDir dir;
  Ref<TStream> file = TCStream::OpenFile(S(dir.Write("f.txt", "one\ntwo\n")), true, false);
  Ref<TStream> wrapper = ReadStream(Ref<Object>(file));
  ASSERT_TRUE(wrapper);
  EXPECT_NE(wrapper, file);
  EXPECT_TRUE(Cast<TStreamStream>(wrapper));
  EXPECT_EQ(wrapper->ReadLine(), String("one"));
  EXPECT_EQ(wrapper->Pos(), 4);
  wrapper->Close();
  EXPECT_EQ(file->ReadLine(), String("two"));  // still open, same position
  EXPECT_TRUE(Raises<TNullObjectException>([&] { wrapper->Pos(); }));
}

TEST(OpenStream, WrapperReachesTheInnerStreamForEveryOperation) {
  auto pipe = New<PipeStream>("\x01\0\0\0\0\0\0\0" "abc\x02\0\0\0"s, 2);
  auto wrapper = TStreamStream::Create(pipe);
  EXPECT_EQ(wrapper->ReadLong(), 1);
  EXPECT_EQ(wrapper->ReadString(3), String("abc"));
  EXPECT_EQ(wrapper->ReadInt(), 2);
  wrapper->WriteLong(-1);
  wrapper->WriteLine("z");
  EXPECT_EQ(pipe->Written(), std::string(8, '\xFF') + "z\r\n");
  EXPECT_EQ(wrapper->Pos(), -1);
}

TEST(LoadSave, WholeFilesAsBytesAndText) {
  TempDir dir;
  EXPECT_TRUE(LoadByteArray(S(dir.Write("empty", ""))).empty());

  std::string big(1500, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  const std::vector<uint8_t> bytes = LoadByteArray(S(dir.Write("big", big)));
  ASSERT_EQ(bytes.size(), 1500u);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), big.begin(), [](uint8_t a, char b) { return a == uint8_t(b); }));

  SaveString(String(u"Maße\u0141"), S(dir / "t.txt"));
  EXPECT_EQ(dir.Read("t.txt"), "Ma\xDF" "e\x41");
  EXPECT_EQ(LoadString(S(dir / "t.txt")), String(u"Maße" "A"));

  SaveByteArray({1, 2, 3}, S(dir / "b.bin"));
  EXPECT_EQ(dir.Read("b.bin"), "\x01\x02\x03");
}

TEST(LoadSave, UnopenableUrlsRaiseTheTransferExceptions) {
  TempDir dir;
  EXPECT_TRUE(Raises<TStreamReadException>([&] { LoadByteArray(S(dir / "missing")); }));
  EXPECT_TRUE(Raises<TStreamReadException>([&] { LoadString(S(dir.Path())); }));
  EXPECT_TRUE(Raises<TStreamReadException>([&] { LoadString(S(dir / "a<b")); }));
  EXPECT_TRUE(Raises<TStreamWriteException>([&] { SaveString("x", S(dir / "no/such/folder")); }));
  EXPECT_TRUE(Raises<TStreamReadException>([&] { LoadObject(S(dir / "missing")); }));
  EXPECT_EQ(RaisedText([&] { LoadObject(S(dir.Write("o", "x"))); }), "Unable to read object");
}

TEST(LoadSave, AStreamWithoutEndOrPositionStillFinishes) {
  // Eof never becomes true when Pos() is -1; the first empty Read ends it.
  auto pipe = New<PipeStream>(std::string(3000, 'p'), 700);
  EXPECT_EQ(LoadByteArray(Ref<Object>(pipe)).size(), 3000u);
  auto out = New<PipeStream>("");
  CopyStream(New<PipeStream>("copied", 4), out, 4096);
  EXPECT_EQ(out->Written(), "copied");
}

TEST(LoadSave, CopyBytesMovesExactlyCountAndRaisesOnAShortSource) {
  auto src = New<PipeStream>("0123456789", 3);
  auto dst = New<PipeStream>("");
  CopyBytes(src, dst, 7, 2);
  EXPECT_EQ(dst->Written(), "0123456");
  EXPECT_TRUE(Raises<TStreamReadException>([&] { CopyBytes(src, dst, 4, 2); }));
  EXPECT_EQ(dst->Written(), "012345678");  // what arrived went through
  CopyBytes(src, dst, 0, 2);
  CopyBytes(src, dst, -5, 2);
}

TEST(LoadSave, CopyStreamCopiesAFileUntilItsEnd) {
  TempDir dir;
  std::string content(10000, 'c');
  auto from = TCStream::OpenFile(S(dir.Write("from", content)), true, false);
  auto to = TCStream::OpenFile(S(dir / "to"), false, true);
  CopyStream(from, to, 4096);
  to->Close();
  EXPECT_EQ(dir.Read("to"), content);
}
