/// \file
/// The linked list: a circular, doubly linked ring of object references around
/// a sentinel link.
///
/// The sentinel's value is the sentinel itself; that is how every walk knows
/// it has come round. A removed link keeps its pointers to its former
/// neighbours, so an enumerator standing on it (or on a link after it) walks
/// on undisturbed: removing elements while walking the list is safe.
///
/// In C++ a list is walked with for-each over its enumerator (list is a
/// Ref<TList> or a TList&):
/// \code{.cpp}
/// tazmix::Ref<tazmix::TList> shots = tazmix::CreateList();
/// shots->AddLast(tazmix::New<TShot>(x, y));
/// for (auto& value : shots) {
///   auto shot = tazmix::Cast<TShot>(value);
///   if (shot->Gone()) shots->Remove(shot);  // safe during the walk
/// }
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "object.h"

namespace tazmix {

class TList;

/// One link of a list: an element and its two neighbours. AddLast and friends
/// return the link, so a program can later remove exactly that element in
/// constant time.
/// \since 1.0
class TLink final : public Object {
 public:
  /// A link in no list. \since 1.0
  TLink() = default;
  /// Releases the neighbours; a long chain of removed links is freed in a
  /// loop, not by recursion. \since 1.0
  ~TLink() override;

  // Slot order: Value, NextLink, PrevLink, Remove.
  /// \return the element; Null once the link was removed. \since 1.0
  virtual Ref<Object> Value() const { return _value; }
  /// \return the next link, or Null at the end of the list. \since 1.0
  virtual Ref<TLink> NextLink() const;
  /// \return the previous link, or Null at the start of the list. \since 1.0
  virtual Ref<TLink> PrevLink() const;
  /// Takes the link out of its list and drops its element. The link keeps its
  /// pointers to its former neighbours. Removing a link that is no longer in a
  /// list does nothing.
  /// \since 1.0
  virtual void Remove();

  /// The element; for the sentinel, the sentinel itself. \since 1.0
  Ref<Object> _value;
  /// The next link in the ring. \since 1.0
  Ref<TLink> _succ;
  /// The previous link in the ring. \since 1.0
  Ref<TLink> _pred;
};

/// A walk over a list's elements, one at a time (TList::ObjectEnumerator).
/// \since 1.0
class TListEnum final : public Object {
 public:
  /// A walk that starts at `link`.
  /// \param link the first link to visit; the list's sentinel ends the walk.
  /// \since 1.0
  explicit TListEnum(Ref<TLink> link) : _link(std::move(link)) {}

  /// \return 1 while an element is left, else 0. \since 1.0
  virtual int32_t HasNext() const;
  /// Moves on by one element. Call only after HasNext answered 1.
  /// \return the element moved past.
  /// \since 1.0
  virtual Ref<Object> NextObject();

  /// The link the walk stands on. \since 1.0
  Ref<TLink> _link;
};

/// Adapts a list enumerator to a C++ input iterator, so that range-for calls
/// HasNext and NextObject in the same order a for-each loop of the system does:
/// the enumerator moves past an element before the loop body sees it.
/// \since 1.0
class ObjectIterator {
 public:
  /// The element type. \since 1.0
  using value_type = Ref<Object>;
  /// The distance type. \since 1.0
  using difference_type = std::ptrdiff_t;

  /// The end. \since 1.0
  ObjectIterator() = default;
  /// An iterator standing on the enumerator's first element.
  /// \param enumerator the walk.
  /// \since 1.0
  explicit ObjectIterator(Ref<TListEnum> enumerator);

  /// \return the current element. \since 1.0
  Ref<Object>& operator*() noexcept { return current_; }
  /// \return the current element's address. \since 1.0
  Ref<Object>* operator->() noexcept { return &current_; }
  /// Moves to the next element. \return this iterator. \since 1.0
  ObjectIterator& operator++();
  /// \param other another iterator. \return true when both are at the end or
  ///   both are not. \since 1.0
  bool operator==(const ObjectIterator& other) const noexcept { return done_ == other.done_; }

 private:
  void Advance();

  Ref<TListEnum> enumerator_;
  Ref<Object> current_;
  bool done_ = true;
};

/// A sort order: compare(left, right) > 0 means left belongs after right when
/// sorting ascending. \since 1.0
using ListCompare = std::function<int32_t(const Ref<Object>&, const Ref<Object>&)>;

/// The default ordering: the element's own Compare (Null before everything).
/// \param left, right the two elements.
/// \return below 0, 0 or above 0 as left comes before, with or after right.
/// \since 1.0
int32_t CompareObjects(const Ref<Object>& left, const Ref<Object>& right);

/// A list of object references. Elements are found by their Compare (a
/// String by its text, other objects by identity). A list method called on a
/// Null list raises TNullObjectException, as any method of Null.
/// \since 1.0
class TList : public Object {
 public:
  /// An empty list. \since 1.0
  TList();
  /// Clears the list; links others still hold stay valid. \since 1.0
  ~TList() override;

  // Slot order as the class record lists it.
  /// Keeps the slot order of the class record. \return 0. \since 1.0
  virtual int32_t _pad() const { return 0; }
  /// Removes every element. \since 1.0
  virtual void Clear();
  /// \return 1 when the list has no element, else 0. \since 1.0
  virtual int32_t IsEmpty() const;
  /// \param value the element to look for (compared with its Compare).
  /// \return 1 when the list holds it, else 0. \since 1.0
  virtual int32_t Contains(const Ref<Object>& value) const;
  /// Adds an element at the start.
  /// \param value the element; Null is allowed.
  /// \return its new link.
  /// \since 1.0
  virtual Ref<TLink> AddFirst(const Ref<Object>& value);
  /// Adds an element at the end.
  /// \param value the element; Null is allowed.
  /// \return its new link.
  /// \since 1.0
  virtual Ref<TLink> AddLast(const Ref<Object>& value);
  /// \return the first element, or Null when the list is empty. \since 1.0
  virtual Ref<Object> First() const;
  /// \return the last element, or Null when the list is empty. \since 1.0
  virtual Ref<Object> Last() const;
  /// Removes the first element.
  /// \return it, or Null when the list is empty.
  /// \since 1.0
  virtual Ref<Object> RemoveFirst();
  /// Removes the last element.
  /// \return it, or Null when the list is empty.
  /// \since 1.0
  virtual Ref<Object> RemoveLast();
  /// \return the first link, or Null when the list is empty. \since 1.0
  virtual Ref<TLink> FirstLink() const;
  /// \return the last link, or Null when the list is empty. \since 1.0
  virtual Ref<TLink> LastLink() const;
  /// Inserts an element before a link of this list.
  /// \param value the element.
  /// \param link the link to insert before.
  /// \return the new link.
  /// \throws Thrown carrying a TNullObjectException for a Null link or one that
  ///   was never in a list.
  /// \since 1.0
  virtual Ref<TLink> InsertBeforeLink(const Ref<Object>& value, const Ref<TLink>& link);
  /// Inserts an element after a link of this list.
  /// \param value the element.
  /// \param link the link to insert after.
  /// \return the new link.
  /// \throws Thrown carrying a TNullObjectException for a Null link or one that
  ///   was never in a list.
  /// \since 1.0
  virtual Ref<TLink> InsertAfterLink(const Ref<Object>& value, const Ref<TLink>& link);
  /// \param value the element to look for (compared with its Compare).
  /// \return the first link holding it, or Null. \since 1.0
  virtual Ref<TLink> FindLink(const Ref<Object>& value) const;
  /// The element at a position, counted from the start; a walk, so linear time.
  /// \param index 0 for the first element.
  /// \return the element.
  /// \throws Thrown carrying the runtime error "List index out of range" when
  ///   index is negative or not below Count().
  /// \since 1.0
  virtual Ref<Object> ValueAtIndex(int32_t index) const;
  /// \return the number of elements; a walk, so linear time. \since 1.0
  virtual int32_t Count() const;
  /// Removes the first link holding an element.
  /// \param value the element (compared with its Compare).
  /// \return 1 when one was removed, 0 when the list does not hold it.
  /// \since 1.0
  virtual int32_t Remove(const Ref<Object>& value);
  /// Exchanges the contents of two lists in constant time.
  /// \param other the other list.
  /// \since 1.0
  virtual void Swap(TList& other);
  /// \return a new list with the same elements (the elements are shared, not
  ///   copied). \since 1.0
  virtual Ref<TList> Copy() const;
  /// Reverses the order of the elements in place. \since 1.0
  virtual void Reverse();
  /// \return a new list with the elements in reverse order. \since 1.0
  virtual Ref<TList> Reversed() const;
  /// Sorts the list: a stable bottom-up merge sort that relinks in place and
  /// allocates nothing. When `compare` throws, the list keeps all its
  /// elements (in some order) and the exception goes on.
  /// \param ascending 1 for ascending order, 0 for descending.
  /// \param compare the order (see ListCompare).
  /// \throws Thrown carrying a TNullFunctionException for an empty compare
  ///   function.
  /// \since 1.0
  virtual void Sort(int32_t ascending = 1, const ListCompare& compare = CompareObjects);
  /// \return a walk over the elements from the first. \since 1.0
  virtual Ref<TListEnum> ObjectEnumerator() const;
  /// \return the elements in order. \since 1.0
  virtual std::vector<Ref<Object>> ToArray() const;
  /// A list of the elements of an array.
  /// \param array the elements, in order.
  /// \return the new list.
  /// \since 1.0
  static Ref<TList> FromArray(const std::vector<Ref<Object>>& array);

  /// \return the range-for start. \since 1.0
  ObjectIterator begin() const { return ObjectIterator(ObjectEnumerator()); }
  /// \return the range-for end. \since 1.0
  ObjectIterator end() const { return ObjectIterator(); }

  /// The sentinel link: its value is itself. \since 1.0
  Ref<TLink> _head;
};

/// Range-for over a Ref<TList>. \param list the list. \return the start. \since 1.0
inline ObjectIterator begin(const Ref<TList>& list) { return list->begin(); }
/// Range-for over a Ref<TList>. \param list the list. \return the end. \since 1.0
inline ObjectIterator end(const Ref<TList>& list) { return list->end(); }

// The module functions: each calls the TList method of the same meaning. A Null
// list (or link) raises TNullObjectException, as a method of Null.

/// \return a new empty list. \since 1.0
Ref<TList> CreateList();
/// TList::Clear. \param list the list. \since 1.0
void ClearList(const Ref<TList>& list);
/// TList::Count. \param list the list. \return the number of elements. \since 1.0
int32_t CountList(const Ref<TList>& list);
/// TList::IsEmpty. \param list the list. \return 1 when it is empty, else 0. \since 1.0
int32_t ListIsEmpty(const Ref<TList>& list);
/// TList::Contains. \param list the list. \param value the element.
/// \return 1 when the list holds it, else 0. \since 1.0
int32_t ListContains(const Ref<TList>& list, const Ref<Object>& value);
/// TList::Sort. \param list the list. \param ascending 1 ascending, 0 descending.
/// \param compare the order. \since 1.0
void SortList(const Ref<TList>& list, int32_t ascending = 1, const ListCompare& compare = CompareObjects);
/// TList::FromArray. \param array the elements. \return the new list. \since 1.0
Ref<TList> ListFromArray(const std::vector<Ref<Object>>& array);
/// TList::ToArray. \param list the list. \return its elements in order. \since 1.0
std::vector<Ref<Object>> ListToArray(const Ref<TList>& list);
/// TList::Swap. \param list, other the two lists; neither may be Null. \since 1.0
void SwapLists(const Ref<TList>& list, const Ref<TList>& other);
/// TList::Reverse. \param list the list. \since 1.0
void ReverseList(const Ref<TList>& list);
/// TList::FindLink. \param list the list. \param value the element.
/// \return its first link, or Null. \since 1.0
Ref<TLink> ListFindLink(const Ref<TList>& list, const Ref<Object>& value);
/// TList::AddLast. \param list the list. \param value the element.
/// \return its new link. \since 1.0
Ref<TLink> ListAddLast(const Ref<TList>& list, const Ref<Object>& value);
/// TList::AddFirst. \param list the list. \param value the element.
/// \return its new link. \since 1.0
Ref<TLink> ListAddFirst(const Ref<TList>& list, const Ref<Object>& value);
/// TList::Remove. \param list the list. \param value the element to remove. \since 1.0
void ListRemove(const Ref<TList>& list, const Ref<Object>& value);
/// TLink::Remove. \param link the link. \since 1.0
void RemoveLink(const Ref<TLink>& link);

}  // namespace tazmix
