#include <gtest/gtest.h>

#include <string>

#include "stream/cstream.h"
#include "stream/stream.h"
#include "tests/stream/stream_test_util.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;
using namespace std::string_literals;

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

}  // namespace

TEST(Stream, WritesNumbersLeastSignificantByteFirst) {
  TempDir dir;
  {
    auto s = TCStream::OpenFile(String((dir / "n.bin").c_str()), false, true);
    ASSERT_TRUE(s);
    s->WriteByte(0x1FF);
    s->WriteShort(0x12345);
    s->WriteInt(0x01020304);
    s->WriteLong(0x0102030405060708LL);
    s->WriteFloat(1.0f);
    s->WriteDouble(-2.0);
    EXPECT_EQ(s->Size(), 1 + 2 + 4 + 8 + 4 + 8);
  }
  EXPECT_EQ(dir.Read("n.bin"), Bytes({0xFF, 0x45, 0x23, 4, 3, 2, 1, 8, 7, 6, 5, 4, 3, 2, 1,  //
                                      0, 0, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0xC0}));

  auto s = TCStream::OpenFile(String((dir / "n.bin").c_str()), true, false);
  EXPECT_EQ(s->ReadByte(), 255);
  EXPECT_EQ(s->ReadShort(), 0x2345);
  EXPECT_EQ(s->ReadInt(), 0x01020304);
  EXPECT_EQ(s->ReadLong(), 0x0102030405060708LL);
  EXPECT_EQ(s->ReadFloat(), 1.0f);
  EXPECT_EQ(s->ReadDouble(), -2.0);
  EXPECT_TRUE(s->Eof());
}

TEST(Stream, ShortAndIntAreUnsignedAndSignedRespectively) {
  PipeStream s(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(s.ReadShort(), 65535);
  EXPECT_EQ(s.ReadInt(), -1);
}

TEST(Stream, LengthPrefixedText) {
  PipeStream s(Bytes({3, 0, 0, 0, 'A', 'B', 'C', 0xC4, 0xDF}));
  EXPECT_EQ(s.ReadString(s.ReadInt()), String("ABC"));
  EXPECT_EQ(s.ReadString(2), String(u"Äß"));  // one byte per character, ISO 8859-1
  EXPECT_EQ(s.ReadString(0), String());
  EXPECT_EQ(s.ReadString(-4), String());
}

TEST(Stream, ShortReadsRaiseAfterTakingWhatWasThere) {
  PipeStream three(Bytes({1, 2, 3}));
  EXPECT_TRUE(Raises<TStreamReadException>([&] { three.ReadInt(); }));
  EXPECT_EQ(three.Consumed(), 3u);

  // A huge announced length in a short stream fails once the bytes run out;
  // nothing is sized by the claim.
  PipeStream ten(std::string(10, 'x'), 3);
  EXPECT_TRUE(Raises<TStreamReadException>([&] { ten.ReadString(2147483647); }));
  EXPECT_EQ(ten.Consumed(), 10u);

  PipeStream skip(std::string(1500, 'x'));
  EXPECT_EQ(skip.SkipBytes(1400), 1400);
  EXPECT_TRUE(Raises<TStreamReadException>([&] { skip.SkipBytes(101); }));

  PipeStream empty("");
  EXPECT_TRUE(Raises<TStreamReadException>([&] { empty.ReadByte(); }));
  EXPECT_EQ(RaisedText([&] { empty.ReadDouble(); }), "Error reading from stream");
}

TEST(Stream, ReadBytesGathersPiecemealReads) {
  PipeStream s("abcdefghij", 3);
  char buf[10];
  EXPECT_EQ(s.ReadBytes(buf, 10), 10);
  EXPECT_EQ(std::string(buf, 10), "abcdefghij");
}

TEST(Stream, LinesEndAtLfOrNulAndDropEveryCr) {
  PipeStream s("a\r\nb\nx\ry\nfirst\0second\nlast"s);
  EXPECT_EQ(s.ReadLine(), String("a"));
  EXPECT_EQ(s.ReadLine(), String("b"));
  EXPECT_EQ(s.ReadLine(), String("xy"));
  EXPECT_EQ(s.ReadLine(), String("first"));
  EXPECT_EQ(s.ReadLine(), String("second"));
  EXPECT_EQ(s.ReadLine(), String("last"));
  EXPECT_EQ(s.ReadLine(), String());  // exhausted: no exception

  const std::string long_line(5000, 'q');
  PipeStream big(long_line + "\n");
  EXPECT_EQ(big.ReadLine().Length(), 5000);
}

TEST(Stream, LinesInAFileAndEof) {
  TempDir dir;
  auto s = TCStream::OpenFile(String(dir.Write("l.txt", "a\r\nb\nc").c_str()), true, false);
  EXPECT_EQ(s->ReadLine(), String("a"));
  EXPECT_EQ(s->ReadLine(), String("b"));
  EXPECT_EQ(s->ReadLine(), String("c"));
  EXPECT_TRUE(s->Eof());
  EXPECT_EQ(s->ReadLine(), String());
}

TEST(Stream, WritesTextAsLowBytesAndLinesWithCrLf) {
  PipeStream s("");
  EXPECT_TRUE(s.WriteLine(String(u"Grüße")));
  s.WriteString(String(u"\u0141x"));  // Ł keeps only its low byte
  EXPECT_EQ(s.Written(), "Gr\xFC\xDF" "e\r\n" "\x41x");
}

TEST(Stream, DefaultsOfTheBaseInterface) {
  TStream bare;
  EXPECT_EQ(bare.Pos(), -1);
  EXPECT_EQ(bare.Size(), 0);
  EXPECT_FALSE(bare.Eof());
  EXPECT_EQ(bare.Seek(5), -1);
  char b = 0;
  EXPECT_EQ(RaisedText([&] { bare.Read(&b, 1); }), "Stream is not readable");
  EXPECT_EQ(RaisedText([&] { bare.Write(&b, 1); }), "Stream is not writeable");
  EXPECT_EQ(RaisedText([&] { bare.ReadObject(); }), "Unable to read object");
  EXPECT_EQ(RaisedText([&] { bare.WriteObject(nullptr); }), "Unable to write object");
  try {
    bare.ReadObject();
  } catch (const Thrown& t) {
    EXPECT_TRUE(t.IsString());  // the value thrown is the text itself
  }
  EXPECT_EQ(RaisedText([&] { PipeStream("").WriteBytes(&b, 1); }), "");
}
