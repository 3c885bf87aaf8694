// Objects, references and Null.
//
// Every class of the library derives from Object, which carries an intrusive
// reference count. Ref<T> is the owning handle: copying takes a reference,
// destruction releases one, and the object is destroyed when its count
// reaches zero. Null is an empty Ref (nullptr). Counts are not atomic: objects
// live on the main thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace tazmix {

class String;
template <class T> class Ref;

class Object {
 public:
  Object() noexcept { ++live_; }
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() { --live_; }

  // How many objects exist right now: a leak shows as a count that keeps
  // growing while a program repeats the same work.
  static int64_t LiveObjects() noexcept { return live_; }

  // The root operations every class may override.
  virtual String ToString() const;
  // 0 means "the same"; the default compares identity, so only the very same
  // object is equal to itself.
  virtual int32_t Compare(const Object* other) const;
  virtual Ref<Object> SendMessage(const Ref<Object>& message, const Ref<Object>& context);

  void Retain() const noexcept { ++refs_; }
  void Release() const noexcept {
    if (--refs_ == 0) delete this;
  }
  int32_t RefCount() const noexcept { return refs_; }

 private:
  mutable int32_t refs_ = 0;
  inline static int64_t live_ = 0;  // main thread only, like the counts
};

template <class T>
class Ref {
 public:
  using element_type = T;

  constexpr Ref() noexcept = default;
  constexpr Ref(std::nullptr_t) noexcept {}
  Ref(T* p) noexcept : p_(p) {
    if (p_) p_->Retain();
  }
  Ref(const Ref& o) noexcept : Ref(o.p_) {}
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& o) noexcept : Ref(o.get()) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(Ref<U>&& o) noexcept : p_(o.release()) {}
  ~Ref() {
    if (p_) p_->Release();
  }

  // Take the new reference before dropping the old one, so assigning an
  // object that only the old value keeps alive is safe.
  Ref& operator=(const Ref& o) noexcept {
    Ref(o).swap(*this);
    return *this;
  }
  Ref& operator=(Ref&& o) noexcept {
    Ref(std::move(o)).swap(*this);
    return *this;
  }
  Ref& operator=(std::nullptr_t) noexcept {
    Ref().swap(*this);
    return *this;
  }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  T& operator*() const noexcept { return *p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }

  // Gives up ownership without releasing; the caller now holds the reference.
  T* release() noexcept { return std::exchange(p_, nullptr); }
  void swap(Ref& o) noexcept { std::swap(p_, o.p_); }

  template <class U>
  bool operator==(const Ref<U>& o) const noexcept {
    return static_cast<const Object*>(p_) == static_cast<const Object*>(o.get());
  }
  bool operator==(std::nullptr_t) const noexcept { return p_ == nullptr; }
  bool operator==(const T* p) const noexcept { return p_ == p; }

 private:
  T* p_ = nullptr;
};

// Makes a new object of class T and returns the owning reference.
template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return Ref<T>(new T(std::forward<Args>(args)...));
}

// The checked downcast the system uses wherever an Object may be of a
// particular class (a thrown object, an event's extra, a URL).
template <class T, class U>
Ref<T> Cast(const Ref<U>& r) {
  return Ref<T>(dynamic_cast<T*>(r.get()));
}

}  // namespace tazmix
