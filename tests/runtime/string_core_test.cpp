#include <gtest/gtest.h>

#include "runtime/exception.h"
#include "runtime/string.h"

using namespace tazmix;

TEST(StringCore, ComparesUnitByUnitThenByLength) {
  EXPECT_LT(String("abc"), String("abd"));
  EXPECT_LT(String("abc"), String("abcd"));
  EXPECT_LT(String("B"), String("a"));
  EXPECT_EQ(String("abc").Compare(String("abd")), -1);
  EXPECT_EQ(String("abcd").Compare(String("abc")), 1);
  EXPECT_EQ(String(u"\xffff").Compare(String("a")), 0xffff - 'a');  // unsigned units
}

TEST(StringCore, SlicingPadsWithSpaces) {
  const String abc("abc");
  EXPECT_EQ(abc.Slice(-2, 2), String("  ab"));
  EXPECT_EQ(abc.Slice(1, 6), String("bc   "));
  EXPECT_EQ(abc.Slice(2, 2), String());
  EXPECT_EQ(abc.Slice(3, 1), String());
  EXPECT_EQ(String().Slice(0, 3), String("   "));
}

TEST(StringCore, ConcatenationAndEmptyIsShared) {
  EXPECT_EQ(String("ab") + String(u"ö"), String(u"abö"));
  EXPECT_EQ(String().AsObject(), String("").AsObject());
  EXPECT_EQ((String() + String()).Length(), 0);
}

TEST(StringCore, StoredAsObjectComparesByContent) {
  Ref<Object> a = String("word").AsObject();
  Ref<Object> b = String(std::u16string(u"word")).AsObject();
  EXPECT_NE(a, b);
  EXPECT_EQ(a->Compare(b.get()), 0);
  String back;
  ASSERT_TRUE(String::FromObject(a.get(), &back));
  EXPECT_EQ(back, String("word"));
  EXPECT_EQ(a->ToString(), String("word"));
}

TEST(Exceptions, TextsOfTheRuntimeClasses) {
  EXPECT_EQ(TNullObjectException().ToString(), String("Attempt to access field or method of Null object"));
  EXPECT_EQ(TNullMethodException().ToString(), String("Attempt to call abstract method"));
  EXPECT_EQ(TNullFunctionException().ToString(), String("Attempt to call uninitialized function pointer"));
  EXPECT_EQ(TArrayBoundsException().ToString(), String("Attempt to index array element beyond array length"));
  EXPECT_EQ(TOutOfDataException().ToString(), String("Attempt to read beyond end of data"));
  EXPECT_EQ(TRuntimeException::Create("boom")->ToString(), String("boom"));
}

TEST(Exceptions, AnythingCanBeThrownAndRecognised) {
  try {
    ThrowRuntimeError("List index out of range");
    FAIL();
  } catch (const Thrown& t) {
    ASSERT_NE(t.As<TRuntimeException>(), nullptr);
    EXPECT_EQ(t.Text(), String("List index out of range"));
    EXPECT_FALSE(t.IsString());
  }
  try {
    Throw(String("PNG ERROR"));
    FAIL();
  } catch (const Thrown& t) {
    String s;
    ASSERT_TRUE(t.IsString(&s));
    EXPECT_EQ(s, String("PNG ERROR"));
    EXPECT_EQ(t.As<TTazmoException>(), nullptr);
  }
}

TEST(Ref, CountsAndReleases) {
  static int alive = 0;
  struct Probe : Object {
    Probe() { ++alive; }
    ~Probe() override { --alive; }
  };
  {
    Ref<Probe> a = New<Probe>();
    Ref<Object> b = a;
    EXPECT_EQ(a->RefCount(), 2);
    a = nullptr;
    EXPECT_EQ(alive, 1);
    b = b;  // self-assignment keeps the object
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}
