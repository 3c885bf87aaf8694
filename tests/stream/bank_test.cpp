#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "stream/bank.h"
#include "stream/bank_stream.h"
#include "stream/load_save.h"
#include "stream/stream_module.h"
#include "tests/stream/stream_test_util.h"
#include "tests/support/temp_dir.h"

using namespace tazmix;
using namespace tazmix::testing;

namespace {
String S(const std::string& path) { return String::FromUTF8String(path); }
}  // namespace

TEST(Bank, GrowsByHalfOrToTheSizeAskedAndNeverShrinksItsMemory) {
  auto bank = CreateBank(10);
  EXPECT_EQ(bank->Size(), 10);
  EXPECT_EQ(bank->Capacity(), 10);
  for (int i = 0; i < 10; ++i) bank->PokeByte(i, i);
  bank->Resize(11);
  EXPECT_EQ(bank->Capacity(), 15);
  EXPECT_EQ(bank->PeekByte(9), 9);  // content survives the move
  bank->Resize(40);
  EXPECT_EQ(bank->Capacity(), 40);
  uint8_t* memory = bank->Buf();
  bank->Resize(5);
  EXPECT_EQ(bank->Size(), 5);
  EXPECT_EQ(bank->Capacity(), 40);
  EXPECT_EQ(bank->Buf(), memory);
  EXPECT_EQ(CreateBank(-3)->Size(), 0);
}

TEST(Bank, StaticBanksLeaveTheirMemoryAlone) {
  uint8_t memory[4] = {1, 2, 3, 4};
  {
    auto bank = CreateStaticBank(memory, 4);
    EXPECT_EQ(bank->Capacity(), -1);
    EXPECT_EQ(bank->Buf(), memory);
    bank->PokeByte(0, 9);
    bank->Resize(6);  // moves into memory of its own
    EXPECT_NE(bank->Buf(), memory);
    EXPECT_EQ(bank->Capacity(), 6);
    EXPECT_EQ(bank->PeekByte(0), 9);
    bank->PokeByte(1, 7);
  }
  EXPECT_EQ(memory[0], 9);
  EXPECT_EQ(memory[1], 2);  // written after the move: not here
}

TEST(Bank, PeekAndPokeEveryWidth) {
  auto bank = CreateBank(16);
  bank->PokeInt(0, -1);
  EXPECT_EQ(bank->PeekShort(0), 65535);
  EXPECT_EQ(bank->PeekInt(0), -1);
  EXPECT_EQ(bank->PeekByte(3), 255);
  bank->PokeShort(0, 0x12345);
  EXPECT_EQ(bank->PeekShort(0), 0x2345);
  EXPECT_EQ(bank->PeekByte(0), 0x45);  // least significant byte first
  bank->PokeByte(2, 0x1AB);
  EXPECT_EQ(bank->PeekByte(2), 0xAB);
  bank->PokeLong(8, -2);
  EXPECT_EQ(bank->PeekLong(8), -2);
  bank->PokeFloat(4, 0.5f);
  EXPECT_EQ(bank->PeekFloat(4), 0.5f);
  bank->PokeDouble(8, 1e300);
  EXPECT_EQ(bank->PeekDouble(8), 1e300);
  EXPECT_EQ(bank->Lock(), bank->Buf());
  EXPECT_EQ(bank->Unlock(), 0);

  auto other = CreateBank(4);
  CopyBank(bank, 4, other, 0, 4);
  EXPECT_EQ(other->PeekFloat(0), 0.5f);
}

TEST(Bank, SaveAndLoadWholeFiles) {
  TempDir dir;
  auto bank = CreateBank(3);
  bank->PokeByte(0, 'a');
  bank->PokeByte(1, 'b');
  bank->PokeByte(2, 'c');
  EXPECT_EQ(bank->Save(S(dir / "bank.bin")), 1);
  EXPECT_EQ(dir.Read("bank.bin"), "abc");
  EXPECT_EQ(bank->Save(S(dir / "no/folder")), 0);

  std::string big(5000, 'z');
  auto loaded = LoadBank(S(dir.Write("big", big)));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->Size(), 5000);
  EXPECT_EQ(loaded->Capacity(), 5000);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(loaded->Buf()), 5000), big);

  EXPECT_FALSE(LoadBank(S(dir / "missing")));
  EXPECT_FALSE(LoadBank(S(dir.Path())));
  EXPECT_FALSE(LoadBank(S(dir / "x<y")));
  auto empty = LoadBank(S(dir.Write("empty", "")));
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Size(), 0);
}

TEST(Bank, ReadAndWriteThroughStreamsMayBeShort) {
  auto bank = CreateBank(8);
  auto pipe = New<PipeStream>("xyz");
  EXPECT_EQ(ReadBank(bank, pipe, 2, 8), 3);
  EXPECT_EQ(bank->PeekByte(4), 'z');
  EXPECT_EQ(WriteBank(bank, pipe, 2, 2), 2);
  EXPECT_EQ(pipe->Written(), "xy");
}

TEST(BankStream, ReadsClampsAndGrows) {
  auto bank = CreateBank(0);
  auto s = CreateBankStream(bank);
  s->WriteInt(0x04030201);
  EXPECT_EQ(bank->Size(), 4);
  EXPECT_EQ(s->Seek(100), 4);
  EXPECT_EQ(s->Seek(-3), 0);
  EXPECT_EQ(s->ReadInt(), 0x04030201);
  EXPECT_TRUE(s->Eof());

  auto eight = CreateBank(8);
  auto r = CreateBankStream(eight);
  r->Seek(6);
  char buf[10];
  EXPECT_EQ(r->Read(buf, 10), 2);
  EXPECT_EQ(r->Read(buf, 10), 0);
  EXPECT_TRUE(r->Eof());
  EXPECT_TRUE(Raises<TStreamReadException>([&] { r->ReadByte(); }));

  // Overwriting inside and then past the end.
  r->Seek(6);
  r->WriteString("abcd");
  EXPECT_EQ(eight->Size(), 10);
  EXPECT_EQ(eight->PeekByte(9), 'd');
  EXPECT_EQ(r->Write(buf, 0), 0);

  auto fresh = CreateBankStream(nullptr);
  EXPECT_EQ(fresh->Size(), 0);
  fresh->WriteLine("hi");
  EXPECT_EQ(fresh->Size(), 4);
}

// Found by fuzzing: a bank cut shorter under its stream left the position
// past the end, where Eof stayed false and a read-until-Eof loop never ended.
TEST(BankStream, ABankCutUnderTheStreamEndsItsData) {
  auto bank = CreateBank(5);
  std::memcpy(bank->Buf(), "ab\ncd", 5);
  auto s = CreateBankStream(bank);
  EXPECT_EQ(s->ReadLine(), String("ab"));
  bank->Resize(1);
  EXPECT_TRUE(s->Eof());
  int lines = 0;
  while (!s->Eof() && lines < 10) s->ReadLine(), ++lines;
  EXPECT_EQ(lines, 0);
  EXPECT_TRUE(Raises<TStreamReadException>([&] { s->ReadByte(); }));
}

TEST(BankStream, TheFactoryOpensBanksGivenAsUrls) {
  InitStream();
  InitStream();
  InitBankStream();  // one factory however often the modules start
  auto bank = CreateBank(5);
  std::memcpy(bank->Buf(), "hello", 5);
  Ref<TStream> s = ReadStream(Ref<Object>(bank));
  ASSERT_TRUE(Cast<TBankStream>(s));
  EXPECT_EQ(s->Pos(), 0);
  EXPECT_EQ(s->ReadString(5), String("hello"));
  EXPECT_EQ(LoadString(Ref<Object>(bank)), String("hello"));

  SaveString("bye", Ref<Object>(bank));
  EXPECT_EQ(bank->Size(), 5);  // writes over the start, the rest stays
  EXPECT_EQ(LoadString(Ref<Object>(bank)), String("byelo"));

  // Banks copy banks through the stream functions.
  int factories = 0;
  for (TStreamFactory* f = TStreamFactory::First(); f; f = f->Next()) factories += !!dynamic_cast<TBankStreamFactory*>(f);
  EXPECT_EQ(factories, 1);

  auto copy = LoadBank(Ref<Object>(bank));
  ASSERT_TRUE(copy);
  EXPECT_NE(copy, bank);
  EXPECT_EQ(copy->Size(), 5);
}
