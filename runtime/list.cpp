#include "runtime/list.h"

#include "runtime/exception.h"

namespace tazmix {

namespace {

// A removed link keeps its former neighbours alive, so a list cleared while
// someone still holds one of its links leaves a chain of removed links behind.
// Freeing such a chain by plain recursion would go as deep as the chain is
// long; instead the links that die with a link are queued and freed in a loop.
// Lists live on the main thread, so one queue serves.
struct LinkFreeing {
  std::vector<TLink*> dying;
  bool running = false;
};

LinkFreeing& Freeing() {
  static auto* freeing = new LinkFreeing();  // never freed: links may die during exit
  return *freeing;
}

void LetGo(Ref<TLink>& neighbour) {
  if (neighbour && neighbour->RefCount() == 1) {
    Freeing().dying.push_back(neighbour.release());
  } else {
    neighbour = nullptr;
  }
}

bool SameElement(const Ref<Object>& element, const Ref<Object>& value) {
  if (!element) return !value;
  return element->Compare(value.get()) == 0;
}

void Append(TLink*& tail, TLink* link) {
  link->_pred = tail;
  tail->_succ = link;
  tail = link;
}

}  // namespace

// --- TLink -----------------------------------------------------------------

TLink::~TLink() {
  LetGo(_succ);
  LetGo(_pred);
  LinkFreeing& freeing = Freeing();
  if (freeing.running) return;
  freeing.running = true;
  while (!freeing.dying.empty()) {
    TLink* link = freeing.dying.back();
    freeing.dying.pop_back();
    delete link;  // its own neighbours join the queue
  }
  freeing.running = false;
}

Ref<TLink> TLink::NextLink() const {
  if (!_succ || _succ->_value == _succ) return nullptr;
  return _succ;
}

Ref<TLink> TLink::PrevLink() const {
  if (!_pred || _pred->_value == _pred) return nullptr;
  return _pred;
}

void TLink::Remove() {
  _value = nullptr;
  // A link is in a ring exactly while both neighbours point back at it. Once
  // removed they never do again, so a second removal must not rewrite them:
  // by then they may have other neighbours.
  if (!_succ || !_pred || _succ->_pred.get() != this || _pred->_succ.get() != this) return;
  Ref<TLink> keep(this);  // the neighbours may hold the last references to this link
  _succ->_pred = _pred;
  _pred->_succ = _succ;
}

// --- TListEnum -------------------------------------------------------------

int32_t TListEnum::HasNext() const {
  // A sentinel whose list has been deleted has no successor: the walk ends there too.
  return _link && _link->_succ && _link->_value != _link;
}

Ref<Object> TListEnum::NextObject() {
  Ref<Object> value = _link->_value;
  _link = _link->_succ;
  return value;
}

ObjectIterator::ObjectIterator(Ref<TListEnum> enumerator) : enumerator_(std::move(enumerator)), done_(false) {
  Advance();
}

ObjectIterator& ObjectIterator::operator++() {
  Advance();
  return *this;
}

void ObjectIterator::Advance() {
  if (enumerator_ && enumerator_->HasNext()) {
    current_ = enumerator_->NextObject();
  } else {
    current_ = nullptr;
    enumerator_ = nullptr;
    done_ = true;
  }
}

int32_t CompareObjects(const Ref<Object>& left, const Ref<Object>& right) {
  if (!left) return right ? -1 : 0;
  if (!right) return 1;
  return left->Compare(right.get());
}

// --- TList -----------------------------------------------------------------

TList::TList() : _head(New<TLink>()) {
  _head->_succ = _head;
  _head->_pred = _head;
  _head->_value = _head;
}

TList::~TList() {
  Clear();
  // Dissolve the sentinel's references to itself so it can go.
  _head->_value = nullptr;
  _head->_succ = nullptr;
  _head->_pred = nullptr;
}

void TList::Clear() {
  while (_head->_succ != _head) {
    Ref<TLink> first = _head->_succ;
    first->Remove();
  }
}

int32_t TList::IsEmpty() const { return _head->_succ == _head; }

int32_t TList::Contains(const Ref<Object>& value) const { return FindLink(value) != nullptr; }

Ref<TLink> TList::AddFirst(const Ref<Object>& value) { return InsertAfterLink(value, _head); }

Ref<TLink> TList::AddLast(const Ref<Object>& value) { return InsertBeforeLink(value, _head); }

Ref<Object> TList::First() const { return IsEmpty() ? nullptr : _head->_succ->_value; }

Ref<Object> TList::Last() const { return IsEmpty() ? nullptr : _head->_pred->_value; }

Ref<Object> TList::RemoveFirst() {
  if (IsEmpty()) return nullptr;
  Ref<TLink> link = _head->_succ;
  Ref<Object> value = link->_value;
  link->Remove();
  return value;
}

Ref<Object> TList::RemoveLast() {
  if (IsEmpty()) return nullptr;
  Ref<TLink> link = _head->_pred;
  Ref<Object> value = link->_value;
  link->Remove();
  return value;
}

Ref<TLink> TList::FirstLink() const { return IsEmpty() ? nullptr : _head->_succ; }

Ref<TLink> TList::LastLink() const { return IsEmpty() ? nullptr : _head->_pred; }

Ref<TLink> TList::InsertBeforeLink(const Ref<Object>& value, const Ref<TLink>& link) {
  // A link that never was in a list has no neighbour to link the new one to.
  TLink& pred = NotNull(NotNull(link)._pred);
  auto n = New<TLink>();
  n->_value = value;
  n->_succ = link;
  n->_pred = Ref<TLink>(&pred);
  n->_pred->_succ = n;
  link->_pred = n;
  return n;
}

// After a link is before its successor: one piece of relinking for both.
Ref<TLink> TList::InsertAfterLink(const Ref<Object>& value, const Ref<TLink>& link) {
  const Ref<TLink> next = NotNull(link)._succ;  // a copy: the insertion rewrites link->_succ
  return InsertBeforeLink(value, next);
}

Ref<TLink> TList::FindLink(const Ref<Object>& value) const {
  for (TLink* link = _head->_succ.get(); link != _head.get(); link = link->_succ.get()) {
    if (SameElement(link->_value, value)) return link;
  }
  return nullptr;
}

Ref<Object> TList::ValueAtIndex(int32_t index) const {
  if (index >= 0) {
    for (TLink* link = _head->_succ.get(); link != _head.get(); link = link->_succ.get()) {
      if (index-- == 0) return link->_value;
    }
  }
  ThrowRuntimeError("List index out of range");
}

int32_t TList::Count() const {
  int32_t count = 0;
  for (TLink* link = _head->_succ.get(); link != _head.get(); link = link->_succ.get()) ++count;
  return count;
}

int32_t TList::Remove(const Ref<Object>& value) {
  Ref<TLink> link = FindLink(value);
  if (!link) return 0;
  link->Remove();
  return 1;
}

void TList::Swap(TList& other) { _head.swap(other._head); }

Ref<TList> TList::Copy() const {
  auto list = New<TList>();
  for (TLink* link = _head->_succ.get(); link != _head.get(); link = link->_succ.get()) list->AddLast(link->_value);
  return list;
}

void TList::Reverse() {
  TLink* link = _head.get();
  do {
    link->_succ.swap(link->_pred);
    link = link->_pred.get();  // the former successor
  } while (link != _head.get());
}

Ref<TList> TList::Reversed() const {
  auto list = New<TList>();
  for (TLink* link = _head->_succ.get(); link != _head.get(); link = link->_succ.get()) list->AddFirst(link->_value);
  return list;
}

void TList::Sort(int32_t ascending, const ListCompare& compare) {
  if (!compare) ThrowNullFunction();
  TLink* const head = _head.get();
  // Relinking drops and retakes references one at a time, and a link waiting
  // in a run can briefly have none from the ring: an extra count on every
  // link keeps each alive until the ring is whole again.
  for (TLink* link = head->_succ.get(); link != head; link = link->_succ.get()) link->Retain();
  auto unpin = [head] {
    for (TLink* link = head->_succ.get(); link != head;) {
      TLink* next = link->_succ.get();
      link->Release();
      link = next;
    }
  };

  for (int32_t k = 1;; k *= 2) {
    TLink* tail = head;
    TLink* p = head->_succ.get();
    int32_t merges = 0;
    while (p != head) {
      ++merges;
      TLink* q = p;
      int32_t psize = 0;
      while (psize < k && q != head) {
        ++psize;
        q = q->_succ.get();
      }
      int32_t qsize = k;
      for (;;) {
        TLink* e;
        if (psize > 0 && qsize > 0 && q != head) {
          bool right_first;
          try {
            const int32_t c = compare(p->_value, q->_value);
            right_first = ascending ? c > 0 : c < 0;  // ties keep the left run's element first
          } catch (...) {
            // Leave a whole ring behind: the merged part, then the rest of
            // the left run, then everything from q on, all still chained.
            for (; psize > 0; --psize) {
              TLink* next = p->_succ.get();
              Append(tail, p);
              p = next;
            }
            while (q != head) {
              TLink* next = q->_succ.get();
              Append(tail, q);
              q = next;
            }
            tail->_succ = head;
            head->_pred = tail;
            unpin();
            throw;
          }
          if (right_first) {
            e = q;
            q = q->_succ.get();
            --qsize;
          } else {
            e = p;
            p = p->_succ.get();
            --psize;
          }
        } else if (psize > 0) {
          e = p;
          p = p->_succ.get();
          --psize;
        } else if (qsize > 0 && q != head) {
          e = q;
          q = q->_succ.get();
          --qsize;
        } else {
          break;
        }
        Append(tail, e);
      }
      p = q;
    }
    tail->_succ = head;
    head->_pred = tail;
    if (merges <= 1) break;
  }
  unpin();
}

Ref<TListEnum> TList::ObjectEnumerator() const { return New<TListEnum>(_head->_succ); }

std::vector<Ref<Object>> TList::ToArray() const {
  std::vector<Ref<Object>> array;
  array.reserve(static_cast<size_t>(Count()));
  for (TLink* link = _head->_succ.get(); link != _head.get(); link = link->_succ.get()) array.push_back(link->_value);
  return array;
}

Ref<TList> TList::FromArray(const std::vector<Ref<Object>>& array) {
  auto list = New<TList>();
  for (const auto& value : array) list->AddLast(value);
  return list;
}

// --- module functions ------------------------------------------------------

Ref<TList> CreateList() { return New<TList>(); }
void ClearList(const Ref<TList>& list) { NotNull(list).Clear(); }
int32_t CountList(const Ref<TList>& list) { return NotNull(list).Count(); }
int32_t ListIsEmpty(const Ref<TList>& list) { return NotNull(list).IsEmpty(); }
int32_t ListContains(const Ref<TList>& list, const Ref<Object>& value) { return NotNull(list).Contains(value); }
void SortList(const Ref<TList>& list, int32_t ascending, const ListCompare& compare) { NotNull(list).Sort(ascending, compare); }
Ref<TList> ListFromArray(const std::vector<Ref<Object>>& array) { return TList::FromArray(array); }
std::vector<Ref<Object>> ListToArray(const Ref<TList>& list) { return NotNull(list).ToArray(); }
void SwapLists(const Ref<TList>& list, const Ref<TList>& other) { NotNull(list).Swap(NotNull(other)); }
void ReverseList(const Ref<TList>& list) { NotNull(list).Reverse(); }
Ref<TLink> ListFindLink(const Ref<TList>& list, const Ref<Object>& value) { return NotNull(list).FindLink(value); }
Ref<TLink> ListAddLast(const Ref<TList>& list, const Ref<Object>& value) { return NotNull(list).AddLast(value); }
Ref<TLink> ListAddFirst(const Ref<TList>& list, const Ref<Object>& value) { return NotNull(list).AddFirst(value); }
void ListRemove(const Ref<TList>& list, const Ref<Object>& value) { NotNull(list).Remove(value); }
void RemoveLink(const Ref<TLink>& link) { NotNull(link).Remove(); }

}  // namespace tazmix
