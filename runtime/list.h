// The linked list: a circular, doubly linked ring of object references around
// a sentinel link.
//
// The sentinel's value is the sentinel itself; that is how every walk knows
// it has come round. A removed link keeps its pointers to its former
// neighbours, so an enumerator standing on it (or on a link after it) walks
// on undisturbed.
//
// In C++ a list is walked with for-each over its enumerator:
//   for (auto& value : list) { ... }      // list is a Ref<TList> or a TList&
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "object.h"

namespace tazmix {

class TList;

class TLink final : public Object {
 public:
  TLink() = default;
  ~TLink() override;

  // Slot order: Value, NextLink, PrevLink, Remove.
  virtual Ref<Object> Value() const { return _value; }
  // Null at either end of the list.
  virtual Ref<TLink> NextLink() const;
  virtual Ref<TLink> PrevLink() const;
  // Takes the link out of its list. The link keeps its pointers to its former
  // neighbours. Removing a link that is no longer in a list does nothing.
  virtual void Remove();

  Ref<Object> _value;
  Ref<TLink> _succ;
  Ref<TLink> _pred;
};

class TListEnum final : public Object {
 public:
  explicit TListEnum(Ref<TLink> link) : _link(std::move(link)) {}

  virtual int32_t HasNext() const;
  virtual Ref<Object> NextObject();

  Ref<TLink> _link;
};

// Adapts a list enumerator to a C++ input iterator, so that range-for calls
// HasNext and NextObject in the same order a for-each loop of the system does:
// the enumerator moves past an element before the loop body sees it.
class ObjectIterator {
 public:
  using value_type = Ref<Object>;
  using difference_type = std::ptrdiff_t;

  ObjectIterator() = default;  // the end
  explicit ObjectIterator(Ref<TListEnum> enumerator);

  Ref<Object>& operator*() noexcept { return current_; }
  Ref<Object>* operator->() noexcept { return &current_; }
  ObjectIterator& operator++();
  bool operator==(const ObjectIterator& other) const noexcept { return done_ == other.done_; }

 private:
  void Advance();

  Ref<TListEnum> enumerator_;
  Ref<Object> current_;
  bool done_ = true;
};

// compare(left, right) > 0 means left belongs after right when sorting ascending.
using ListCompare = std::function<int32_t(const Ref<Object>&, const Ref<Object>&)>;

// The default ordering: the element's own Compare (Null before everything).
int32_t CompareObjects(const Ref<Object>& left, const Ref<Object>& right);

class TList : public Object {
 public:
  TList();
  ~TList() override;

  // Slot order as the class record lists it.
  virtual int32_t _pad() const { return 0; }
  virtual void Clear();
  virtual int32_t IsEmpty() const;
  virtual int32_t Contains(const Ref<Object>& value) const;
  virtual Ref<TLink> AddFirst(const Ref<Object>& value);
  virtual Ref<TLink> AddLast(const Ref<Object>& value);
  virtual Ref<Object> First() const;
  virtual Ref<Object> Last() const;
  virtual Ref<Object> RemoveFirst();
  virtual Ref<Object> RemoveLast();
  virtual Ref<TLink> FirstLink() const;
  virtual Ref<TLink> LastLink() const;
  // Raise TNullObjectException for a Null link or one that was never in a list.
  virtual Ref<TLink> InsertBeforeLink(const Ref<Object>& value, const Ref<TLink>& link);
  virtual Ref<TLink> InsertAfterLink(const Ref<Object>& value, const Ref<TLink>& link);
  virtual Ref<TLink> FindLink(const Ref<Object>& value) const;
  // Raises "List index out of range" when index is negative or not below Count().
  virtual Ref<Object> ValueAtIndex(int32_t index) const;
  virtual int32_t Count() const;
  virtual int32_t Remove(const Ref<Object>& value);
  virtual void Swap(TList& other);
  virtual Ref<TList> Copy() const;
  virtual void Reverse();
  virtual Ref<TList> Reversed() const;
  // Stable bottom-up merge sort that relinks in place and allocates nothing.
  // An empty compare function raises TNullFunctionException.
  virtual void Sort(int32_t ascending = 1, const ListCompare& compare = CompareObjects);
  virtual Ref<TListEnum> ObjectEnumerator() const;
  virtual std::vector<Ref<Object>> ToArray() const;
  static Ref<TList> FromArray(const std::vector<Ref<Object>>& array);

  ObjectIterator begin() const { return ObjectIterator(ObjectEnumerator()); }
  ObjectIterator end() const { return ObjectIterator(); }

  Ref<TLink> _head;
};

inline ObjectIterator begin(const Ref<TList>& list) { return list->begin(); }
inline ObjectIterator end(const Ref<TList>& list) { return list->end(); }

// The module functions; a Null list (or link) raises TNullObjectException, as
// a method of Null.
Ref<TList> CreateList();
void ClearList(const Ref<TList>& list);
int32_t CountList(const Ref<TList>& list);
int32_t ListIsEmpty(const Ref<TList>& list);
int32_t ListContains(const Ref<TList>& list, const Ref<Object>& value);
void SortList(const Ref<TList>& list, int32_t ascending = 1, const ListCompare& compare = CompareObjects);
Ref<TList> ListFromArray(const std::vector<Ref<Object>>& array);
std::vector<Ref<Object>> ListToArray(const Ref<TList>& list);
void SwapLists(const Ref<TList>& list, const Ref<TList>& other);
void ReverseList(const Ref<TList>& list);
Ref<TLink> ListFindLink(const Ref<TList>& list, const Ref<Object>& value);
Ref<TLink> ListAddLast(const Ref<TList>& list, const Ref<Object>& value);
Ref<TLink> ListAddFirst(const Ref<TList>& list, const Ref<Object>& value);
void ListRemove(const Ref<TList>& list, const Ref<Object>& value);
void RemoveLink(const Ref<TLink>& link);

}  // namespace tazmix
