#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "runtime/exception.h"
#include "runtime/list.h"
#include "runtime/string.h"

using namespace tazmix;

namespace {

int alive_items = 0;

// An element with a sort key and an identity; equal keys compare equal.
struct Item : Object {
  Item(int key, int id) : key(key), id(id) { ++alive_items; }
  ~Item() override { --alive_items; }
  int32_t Compare(const Object* other) const override {
    auto* o = dynamic_cast<const Item*>(other);
    return o ? key - o->key : Object::Compare(other);
  }
  int key, id;
};

Ref<Object> It(int key, int id = 0) { return New<Item>(key, id); }
const Item& AsItem(const Ref<Object>& o) { return dynamic_cast<const Item&>(*o); }

int32_t ByKey(const Ref<Object>& a, const Ref<Object>& b) { return AsItem(a).key - AsItem(b).key; }

std::vector<int> Keys(const TList& list) {
  std::vector<int> keys;
  for (auto& v : list) keys.push_back(v ? AsItem(v).key : -1);
  return keys;
}

std::vector<int> Ids(const TList& list) {
  std::vector<int> ids;
  for (auto& v : list) ids.push_back(AsItem(v).id);
  return ids;
}

Ref<TList> ListOf(std::initializer_list<int> keys) {
  auto list = CreateList();
  int id = 0;
  for (int k : keys) list->AddLast(It(k, id++));
  return list;
}

// The ring must hold together in both directions.
void ExpectWholeRing(const TList& list) {
  int forward = 0, backward = 0;
  for (Ref<TLink> l = list.FirstLink(); l; l = l->NextLink()) {
    if (auto next = l->NextLink()) {
      EXPECT_EQ(next->PrevLink(), l);
    }
    ++forward;
  }
  for (Ref<TLink> l = list.LastLink(); l; l = l->PrevLink()) ++backward;
  EXPECT_EQ(forward, backward);
  EXPECT_EQ(forward, list.Count());
}

}  // namespace

TEST(List, KeepsInsertionOrderAndReportsEnds) {
  auto list = CreateList();
  EXPECT_TRUE(ListIsEmpty(list));
  EXPECT_EQ(list->First(), nullptr);
  EXPECT_EQ(list->Last(), nullptr);
  EXPECT_EQ(list->FirstLink(), nullptr);
  EXPECT_EQ(list->LastLink(), nullptr);
  EXPECT_EQ(list->RemoveFirst(), nullptr);
  EXPECT_EQ(list->RemoveLast(), nullptr);
  EXPECT_EQ(CountList(list), 0);
  EXPECT_TRUE(ListToArray(list).empty());

  auto two = ListAddLast(list, It(2));
  ListAddFirst(list, It(1));
  list->AddLast(It(4));
  list->InsertAfterLink(It(3), two);
  list->InsertBeforeLink(It(0), list->FirstLink());
  EXPECT_EQ(Keys(*list), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(CountList(list), 5);
  EXPECT_EQ(AsItem(list->First()).key, 0);
  EXPECT_EQ(AsItem(list->Last()).key, 4);
  EXPECT_EQ(list->FirstLink()->PrevLink(), nullptr);
  EXPECT_EQ(list->LastLink()->NextLink(), nullptr);
  ExpectWholeRing(*list);

  EXPECT_EQ(AsItem(list->RemoveFirst()).key, 0);
  EXPECT_EQ(AsItem(list->RemoveLast()).key, 4);
  EXPECT_EQ(Keys(*list), (std::vector<int>{1, 2, 3}));

  auto array = list->ToArray();
  ASSERT_EQ(array.size(), 3u);
  EXPECT_EQ(AsItem(array[2]).key, 3);
  auto again = ListFromArray(array);
  EXPECT_EQ(Keys(*again), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(again->First(), list->First());  // the same objects, not copies

  ClearList(list);
  EXPECT_TRUE(list->IsEmpty());
  ExpectWholeRing(*list);
}

TEST(List, ForEachSurvivesRemovingTheElementJustReturned) {
  auto list = ListOf({1, 2, 3, 4, 5});
  std::vector<int> seen;
  for (auto& v : list) {
    seen.push_back(AsItem(v).key);
    if (AsItem(v).key % 2 == 0) ListRemove(list, v);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Keys(*list), (std::vector<int>{1, 3, 5}));

  for (auto& v : *list) list->Remove(v);  // emptying it from inside the loop
  EXPECT_TRUE(list->IsEmpty());
  ExpectWholeRing(*list);
}

TEST(List, RemovingTheNextLinkAheadOfTheWalkGivesNullThenGoesOn) {
  auto list = CreateList();
  list->AddLast(It(1));
  auto second = list->AddLast(It(2));
  list->AddLast(It(3));
  auto e = list->ObjectEnumerator();
  ASSERT_TRUE(e->HasNext());
  EXPECT_EQ(AsItem(e->NextObject()).key, 1);  // the enumerator now stands on 2
  RemoveLink(second);
  ASSERT_TRUE(e->HasNext());
  EXPECT_EQ(e->NextObject(), nullptr);
  ASSERT_TRUE(e->HasNext());
  EXPECT_EQ(AsItem(e->NextObject()).key, 3);
  EXPECT_FALSE(e->HasNext());

  // The same through range-for: the removed element shows up as Null.
  auto other = ListOf({1, 2, 3});
  auto link2 = other->FirstLink()->NextLink();
  std::vector<int> seen;
  for (auto& v : other) {
    seen.push_back(v ? AsItem(v).key : -1);
    if (seen.size() == 1) link2->Remove();
  }
  EXPECT_EQ(seen, (std::vector<int>{1, -1, 3}));
}

TEST(List, RemovingALinkTwiceIsHarmless) {
  auto list = ListOf({1, 2, 3, 4});
  auto link = list->FirstLink()->NextLink();
  link->Remove();
  EXPECT_EQ(link->Value(), nullptr);
  // The former neighbours get new neighbours before the second removal.
  list->FirstLink()->Remove();
  list->AddFirst(It(0));
  list->InsertAfterLink(It(9), list->FirstLink());
  link->Remove();
  RemoveLink(link);
  EXPECT_EQ(Keys(*list), (std::vector<int>{0, 9, 3, 4}));
  ExpectWholeRing(*list);

  // A link that never was in a list, too.
  New<TLink>()->Remove();
}

TEST(List, ValueAtIndexRaisesOutOfRange) {
  auto list = ListOf({7});
  EXPECT_EQ(AsItem(list->ValueAtIndex(0)).key, 7);
  for (int index : {1, -1, 1000}) {
    try {
      list->ValueAtIndex(index);
      ADD_FAILURE() << "index " << index;
    } catch (const Thrown& t) {
      ASSERT_NE(t.As<TRuntimeException>(), nullptr);
      EXPECT_EQ(t.Text(), String("List index out of range"));
    }
  }
  EXPECT_THROW(CreateList()->ValueAtIndex(0), Thrown);
  auto longer = ListOf({5, 6, 7, 8});
  EXPECT_EQ(AsItem(longer->ValueAtIndex(3)).key, 8);
}

TEST(ListSort, SmallCasesBothWays) {
  auto list = ListOf({3, 1, 2});
  SortList(list, 1, ByKey);
  EXPECT_EQ(Keys(*list), (std::vector<int>{1, 2, 3}));
  SortList(list, 0, ByKey);
  EXPECT_EQ(Keys(*list), (std::vector<int>{3, 2, 1}));
  ExpectWholeRing(*list);

  for (auto keys : {std::initializer_list<int>{}, {5}}) {
    auto small = ListOf(keys);
    int calls = 0;
    small->Sort(1, [&](const Ref<Object>& a, const Ref<Object>& b) { return ++calls, ByKey(a, b); });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(small->Count(), static_cast<int32_t>(keys.size()));
    ExpectWholeRing(*small);
  }
}

TEST(ListSort, EqualKeysKeepTheirOrderEitherWay) {
  auto list = ListOf({2, 1, 2, 1, 2});  // ids 0..4
  list->Sort(1, ByKey);
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 3, 0, 2, 4}));
  list = ListOf({2, 1, 2, 1, 2});
  list->Sort(0, ByKey);
  EXPECT_EQ(Ids(*list), (std::vector<int>{0, 2, 4, 1, 3}));
}

TEST(ListSort, MatchesAStableSortOnLongInputs) {
  std::mt19937 rng(1234);
  for (int n : {2, 3, 7, 64, 65, 1000}) {
    for (int ascending : {1, 0}) {
      std::vector<std::pair<int, int>> expected;
      auto list = CreateList();
      for (int i = 0; i < n; ++i) {
        const int key = static_cast<int>(rng() % 10);
        expected.emplace_back(key, i);
        list->AddLast(It(key, i));
      }
      std::stable_sort(expected.begin(), expected.end(), [&](auto& a, auto& b) {
        return ascending ? a.first < b.first : a.first > b.first;
      });
      list->Sort(ascending, ByKey);
      std::vector<std::pair<int, int>> got;
      for (auto& v : list) got.emplace_back(AsItem(v).key, AsItem(v).id);
      EXPECT_EQ(got, expected) << "n=" << n << " ascending=" << ascending;
      ExpectWholeRing(*list);
    }
  }
}

TEST(ListSort, DefaultOrderIsTheElementsCompareAndExtremeResultsWork) {
  auto list = CreateList();
  for (const char* w : {"Zebra", "Apfel", "Mond", "apfel"}) list->AddLast(String(w).AsObject());
  list->Sort();
  std::vector<String> words;
  for (auto& v : list) words.push_back(v->ToString());
  EXPECT_EQ(words, (std::vector<String>{"Apfel", "Mond", "Zebra", "apfel"}));

  // A comparison answering with the most negative Int still sorts descending
  // the right way round.
  auto keys = ListOf({1, 3, 2});
  keys->Sort(0, [](const Ref<Object>& a, const Ref<Object>& b) {
    return AsItem(a).key < AsItem(b).key ? INT32_MIN : AsItem(a).key > AsItem(b).key ? INT32_MAX : 0;
  });
  EXPECT_EQ(Keys(*keys), (std::vector<int>{3, 2, 1}));
}

TEST(ListSort, AThrowingComparisonLeavesEveryElementInTheList) {
  auto list = CreateList();
  for (int i = 0; i < 50; ++i) list->AddLast(It((i * 37) % 50, i));
  int calls = 0;
  EXPECT_THROW(list->Sort(1,
                          [&](const Ref<Object>& a, const Ref<Object>& b) {
                            if (++calls == 60) ThrowRuntimeError("stop");
                            return ByKey(a, b);
                          }),
               Thrown);
  ExpectWholeRing(*list);
  auto keys = Keys(*list);
  std::sort(keys.begin(), keys.end());
  std::vector<int> all(50);
  for (int i = 0; i < 50; ++i) all[static_cast<size_t>(i)] = i;
  EXPECT_EQ(keys, all);
  list->Sort(1, ByKey);  // and the list is still usable
  EXPECT_EQ(Keys(*list), all);
}

TEST(List, SwapCopyReverseAndReversed) {
  auto a = ListOf({1, 2});
  auto b = ListOf({7, 8, 9});
  SwapLists(a, b);
  EXPECT_EQ(Keys(*a), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(Keys(*b), (std::vector<int>{1, 2}));

  auto copy = a->Copy();
  copy->AddLast(It(10));
  EXPECT_EQ(Keys(*a), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(copy->First(), a->First());

  auto reversed = a->Reversed();
  EXPECT_EQ(Keys(*reversed), (std::vector<int>{9, 8, 7}));
  EXPECT_EQ(Keys(*a), (std::vector<int>{7, 8, 9}));

  ReverseList(a);
  EXPECT_EQ(Keys(*a), (std::vector<int>{9, 8, 7}));
  ExpectWholeRing(*a);
  auto empty = CreateList();
  empty->Reverse();
  EXPECT_TRUE(empty->IsEmpty());
  ExpectWholeRing(*empty);
}

TEST(List, StringsAreFoundByContentPlainObjectsByIdentity) {
  auto list = CreateList();
  list->AddLast(String("Haus").AsObject());
  list->AddLast(String(u"Bär").AsObject());
  list->AddLast(String("Haus").AsObject());
  const Ref<Object> other_haus = String(std::u16string(u"Haus")).AsObject();
  EXPECT_TRUE(ListContains(list, String(u"Bär").AsObject()));
  EXPECT_FALSE(list->Contains(String("haus").AsObject()));
  EXPECT_EQ(ListFindLink(list, other_haus), list->FirstLink());
  EXPECT_EQ(list->Remove(other_haus), 1);  // only the first match goes
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Last()->ToString(), String("Haus"));

  struct Plain : Object {};
  Ref<Object> p = New<Plain>();
  list->AddLast(p);
  EXPECT_EQ(list->Remove(New<Plain>()), 0);
  EXPECT_FALSE(list->Contains(New<Plain>()));
  EXPECT_EQ(list->Remove(p), 1);

  // Null is an element like any other.
  list->AddFirst(nullptr);
  EXPECT_TRUE(list->Contains(nullptr));
  EXPECT_EQ(list->Remove(nullptr), 1);
  EXPECT_EQ(list->Count(), 2);
}

TEST(ListLifetime, DroppingAListFreesElementsAndLinks) {
  alive_items = 0;
  Ref<TLink> held;
  {
    auto list = ListOf({1, 2, 3});
    held = list->FirstLink()->NextLink();
    EXPECT_EQ(alive_items, 3);
  }
  EXPECT_EQ(alive_items, 0);  // clearing released every value, held link included
  EXPECT_EQ(held->Value(), nullptr);
  held->Remove();  // harmless on a link of a list that is gone
  held = nullptr;

  // A list that holds itself is a cycle its owner must clear.
  auto self = CreateList();
  self->AddLast(self);
  self->Clear();
}

TEST(ListLifetime, LongChainsOfRemovedLinksAreFreedWithoutDeepRecursion) {
  alive_items = 0;
  auto list = CreateList();
  for (int i = 0; i < 300000; ++i) list->AddLast(It(i));
  Ref<TLink> first = list->FirstLink();
  Ref<TLink> last = list->LastLink();
  list->Clear();  // every removed link now keeps the next one alive
  EXPECT_EQ(alive_items, 0);
  first = nullptr;
  last = nullptr;
}

TEST(ListLifetime, ListDroppedDuringItsOwnWalkEndsTheWalk) {
  auto list = ListOf({1, 2, 3});
  int steps = 0;
  for (auto it = list->begin(), stop = list->end(); it != stop; ++it) {
    ++steps;
    list = nullptr;  // the enumerator's link outlives the list
  }
  EXPECT_LE(steps, 4);
}
