// Misuse of the runtime: strings, number text, lists, random numbers,
// embedded files.
#include <cmath>
#include <limits>

#include "runtime/application.h"
#include "runtime/list.h"
#include "runtime/random.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Ref<TList> ListOf3() {
  Ref<TList> list = CreateList();
  for (int i = 0; i < 3; ++i) ListAddLast(list, New<Object>());
  return list;
}

const Row kRows[] = {
    {"SliceWiderThanAnyString", [] { EXPECT_EQ(String("abc").Slice(INT32_MIN, INT32_MAX), String()); }},
    {"SliceReversed", [] { EXPECT_EQ(String("abc").Slice(5, -5), String()); }},
    {"LeftNegative", [] { EXPECT_EQ(String("abc").Left(-1), String()); }},
    {"RightSmallestInt", [] { EXPECT_EQ(String("abc").Right(INT32_MIN), String()); }},
    {"FindFromLargestInt", [] { EXPECT_EQ(String("abc").Find("c", INT32_MAX), -1); }},
    {"FindLastFromSmallestInt", [] { EXPECT_EQ(String("abc").FindLast("a", INT32_MIN), 0); }},
    {"FindInLongText", [] { EXPECT_EQ(LongText().Find(LongText() + "y"), -1); }},
    {"ReplaceInLongText", [] { EXPECT_EQ(LongText().Replace("xx", "").Length(), 0); }},
    {"SplitLongTextAtEmpty", [] { EXPECT_EQ(LongText().Split("").size(), 1u); }},
    {"FromBytesNoMemory", [] { EXPECT_EQ(String::FromBytes(nullptr, 5), String()); }},
    {"FromBytesNegativeCount", [] { EXPECT_EQ(String::FromBytes(reinterpret_cast<const uint8_t*>("ab"), -1), String()); }},
    {"FromShortsNoMemory", [] { EXPECT_EQ(String::FromShorts(nullptr, 5), String()); }},
    {"FromCStringNull", [] { EXPECT_EQ(String::FromCString(nullptr), String()); }},
    {"NarrowTextNull", [] { EXPECT_EQ(String(static_cast<const char*>(nullptr)), String()); }},
    {"FromUTF8StringBeyondSixteenBits",
     [] { ExpectRaises<TRuntimeException>([] { String::FromUTF8String("\xF0\x9F\x98\x80"); }, "Unicode character out of UCS-2 range"); }},
    {"ToDoubleHex", [] { EXPECT_EQ(String("0x10").ToDouble(), 0.0); }},
    {"ToDoubleNaN", [] { EXPECT_EQ(String("nan").ToDouble(), 0.0); }},
    {"ToFloatInfinity", [] { EXPECT_EQ(String("-Infinity").ToFloat(), 0.0f); }},
    {"ToDoubleLongDigits", [] { EXPECT_EQ((String("1") + String(std::u16string(100000, u'0'))).ToDouble(), kInf); }},
    {"ToIntLongDigits", [] { EXPECT_NO_THROW(String(std::u16string(100000, u'9')).ToInt()); }},
    {"FloatToIntNaN", [] { EXPECT_EQ(FloatToInt(kNaN), INT32_MIN); }},
    {"FloatToIntInfinity", [] { EXPECT_EQ(FloatToInt(-kInf), INT32_MIN); }},
    {"RandomIntWidestRange", [] { for (int i = 0; i < 100; ++i) RandomInt(INT32_MAX, INT32_MIN); }},
    {"CountListNull", [] { ExpectNullObject([] { CountList(nullptr); }); }},
    {"ClearListNull", [] { ExpectNullObject([] { ClearList(nullptr); }); }},
    {"ListAddLastNull", [] { ExpectNullObject([] { ListAddLast(nullptr, New<Object>()); }); }},
    {"SwapListsWithNull", [] { ExpectNullObject([] { SwapLists(ListOf3(), nullptr); }); }},
    {"RemoveLinkNull", [] { ExpectNullObject([] { RemoveLink(nullptr); }); }},
    {"RemoveLinkTwice", [] { Ref<TList> l = ListOf3(); Ref<TLink> k = l->FirstLink(); RemoveLink(k); RemoveLink(k); EXPECT_EQ(CountList(l), 2); }},
    {"InsertBeforeNullLink", [] { ExpectNullObject([] { ListOf3()->InsertBeforeLink(New<Object>(), nullptr); }); }},
    {"InsertAfterLonelyLink", [] { ExpectNullObject([] { ListOf3()->InsertAfterLink(New<Object>(), New<TLink>()); }); }},
    {"ValueAtIndexNegative", [] { ExpectRaises<TRuntimeException>([] { ListOf3()->ValueAtIndex(-1); }, "List index out of range"); }},
    {"ValueAtIndexLargestInt", [] { ExpectRaises<TRuntimeException>([] { ListOf3()->ValueAtIndex(INT32_MAX); }, "List index out of range"); }},
    {"SortListWithoutCompare",
     [] { ExpectRaises<TNullFunctionException>([] { SortList(ListOf3(), 1, nullptr); }, "Attempt to call uninitialized function pointer"); }},
    {"EmbeddedFileNegativeLength", [] { EXPECT_EQ(RegisterEmbeddedFile("misuse.bin", "x", -1), 0); EXPECT_EQ(EmbeddedFileLength("misuse.bin"), 0); }},
    {"EmbeddedFileNoData", [] { EXPECT_EQ(RegisterEmbeddedFile("misuse.bin", nullptr, 10), 0); EXPECT_EQ(EmbeddedFileData("misuse.bin"), nullptr); }},
    {"DelayNegative", [] { Delay(INT32_MIN); }},
};

class RuntimeMisuse : public Table {};

}  // namespace

MISUSE_TABLE(RuntimeMisuse, kRows);
