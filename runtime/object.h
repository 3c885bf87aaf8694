/// \file
/// Objects, references and Null.
///
/// Every class of the library derives from Object, which carries an intrusive
/// reference count. Ref<T> is the owning handle: copying takes a reference,
/// destruction releases one, and the object is destroyed when its count
/// reaches zero. Null is an empty Ref (nullptr). Counts are not atomic: objects
/// live on the main thread.
///
/// \code{.cpp}
/// class TBall : public tazmix::Object {
///  public:
///   float x = 0, y = 0;
/// };
/// tazmix::Ref<TBall> ball = tazmix::New<TBall>();
/// tazmix::Ref<tazmix::Object> any = ball;            // upcasts implicitly
/// tazmix::Ref<TBall> again = tazmix::Cast<TBall>(any);  // Null if not a TBall
/// ball = nullptr;  // the object lives on while `any` and `again` hold it
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace tazmix {

class String;
template <class T> class Ref;

/// The root class: a reference count and the root operations every class may
/// override. Objects are made with New and held by Ref; not copyable.
/// \since 1.0
class Object {
 public:
  /// An object with no references yet. \since 1.0
  Object() noexcept { ++live_; }
  /// Not copyable. \since 1.0
  Object(const Object&) = delete;
  /// Not assignable. \since 1.0
  Object& operator=(const Object&) = delete;
  /// Runs when the last Ref lets go. \since 1.0
  virtual ~Object() { --live_; }

  /// How many objects exist right now: a leak shows as a count that keeps
  /// growing while a program repeats the same work.
  /// \return the number of live objects of every class.
  /// \since 1.0
  static int64_t LiveObjects() noexcept { return live_; }

  // The root operations every class may override.
  /// \return the object as text; by default its address in hexadecimal. \since 1.0
  virtual String ToString() const;
  /// Orders this object against another; TList uses it to find and sort.
  /// \param other the other object; may be nullptr.
  /// \return 0 for "the same", below 0 when this comes first, above 0 when
  ///   it comes after. The default compares identity, so only the very same
  ///   object is equal to itself (others are ordered by address).
  /// \since 1.0
  virtual int32_t Compare(const Object* other) const;
  /// A message a class may answer.
  /// \param message the message.
  /// \param context what it is about.
  /// \return the answer; by default Null.
  /// \since 1.0
  virtual Ref<Object> SendMessage(const Ref<Object>& message, const Ref<Object>& context);

  /// Takes a reference; Ref does this for you. \since 1.0
  void Retain() const noexcept { ++refs_; }
  /// Releases a reference, destroying the object when it was the last; Ref
  /// does this for you. \since 1.0
  void Release() const noexcept {
    if (--refs_ == 0) delete this;
  }
  /// \return the number of references held now. \since 1.0
  int32_t RefCount() const noexcept { return refs_; }

 private:
  mutable int32_t refs_ = 0;
  inline static int64_t live_ = 0;  // main thread only, like the counts
};

/// The owning handle of an Object (or a class derived from it); an empty Ref
/// is Null.
/// \tparam T the object's class.
/// \since 1.0
template <class T>
class Ref {
 public:
  /// The class held. \since 1.0
  using element_type = T;

  /// Null. \since 1.0
  constexpr Ref() noexcept = default;
  /// Null, from nullptr. \since 1.0
  constexpr Ref(std::nullptr_t) noexcept {}
  /// Takes a reference to an object.
  /// \param p the object, or nullptr for Null.
  /// \since 1.0
  Ref(T* p) noexcept : p_(p) {
    if (p_) p_->Retain();
  }
  /// Takes another reference to the same object. \param o the source. \since 1.0
  Ref(const Ref& o) noexcept : Ref(o.p_) {}
  /// Takes over the reference; `o` becomes Null. \param o the source. \since 1.0
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  /// Upcast: a Ref to a derived class as a Ref to its base.
  /// \param o the source. \since 1.0
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& o) noexcept : Ref(o.get()) {}
  /// Upcast, taking over the reference; `o` becomes Null.
  /// \param o the source. \since 1.0
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(Ref<U>&& o) noexcept : p_(o.release()) {}
  /// Releases the reference. \since 1.0
  ~Ref() {
    if (p_) p_->Release();
  }

  /// Takes the new reference before dropping the old one, so assigning an
  /// object that only the old value keeps alive is safe.
  /// \param o the source.
  /// \return this Ref.
  /// \since 1.0
  Ref& operator=(const Ref& o) noexcept {
    Ref(o).swap(*this);
    return *this;
  }
  /// Takes over the reference; `o` becomes Null.
  /// \param o the source.
  /// \return this Ref.
  /// \since 1.0
  Ref& operator=(Ref&& o) noexcept {
    Ref(std::move(o)).swap(*this);
    return *this;
  }
  /// Lets go: this Ref becomes Null. \return this Ref. \since 1.0
  Ref& operator=(std::nullptr_t) noexcept {
    Ref().swap(*this);
    return *this;
  }

  /// \return the object, or nullptr for Null. \since 1.0
  T* get() const noexcept { return p_; }
  /// \return the object; Null must not be dereferenced (NotNull raises instead). \since 1.0
  T* operator->() const noexcept { return p_; }
  /// \return the object; Null must not be dereferenced (NotNull raises instead). \since 1.0
  T& operator*() const noexcept { return *p_; }
  /// \return true unless Null. \since 1.0
  explicit operator bool() const noexcept { return p_ != nullptr; }

  /// Gives up ownership without releasing; the caller now holds the reference.
  /// \return the object, or nullptr; this Ref becomes Null.
  /// \since 1.0
  T* release() noexcept { return std::exchange(p_, nullptr); }
  /// Exchanges the objects of two Refs. \param o the other Ref. \since 1.0
  void swap(Ref& o) noexcept { std::swap(p_, o.p_); }

  /// Identity: true when both hold the very same object (or both are Null).
  /// \param o a Ref of any class.
  /// \return true for the same object.
  /// \since 1.0
  template <class U>
  bool operator==(const Ref<U>& o) const noexcept {
    return static_cast<const Object*>(p_) == static_cast<const Object*>(o.get());
  }
  /// \return true when Null. \since 1.0
  bool operator==(std::nullptr_t) const noexcept { return p_ == nullptr; }
  /// \param p an object. \return true when this Ref holds `p`. \since 1.0
  bool operator==(const T* p) const noexcept { return p_ == p; }

 private:
  T* p_ = nullptr;
};

/// Makes a new object of class T and returns the owning reference.
/// \tparam T the class.
/// \param args the constructor's arguments.
/// \return the new object, held once.
/// \since 1.0
template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return Ref<T>(new T(std::forward<Args>(args)...));
}

/// The checked downcast the system uses wherever an Object may be of a
/// particular class (a thrown object, an event's extra, a URL).
/// \tparam T the class wanted.
/// \param r the reference.
/// \return the same object as a Ref<T>, or Null when it is not a T (or `r` is Null).
/// \since 1.0
template <class T, class U>
Ref<T> Cast(const Ref<U>& r) {
  return Ref<T>(dynamic_cast<T*>(r.get()));
}

}  // namespace tazmix
