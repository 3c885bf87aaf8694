// A three-dimensional array that carries its dimensions, indexed [x, y, z]
// as a(x, y, z). The last index runs fastest in memory. A default array is
// the empty array (all dimensions 0), never Null.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tazmix {

template <class T>
class Array3 {
 public:
  Array3() = default;
  // Zero-filled (value-initialised) cells.
  Array3(int32_t dx, int32_t dy, int32_t dz)
      : dims_{dx, dy, dz}, cells_(static_cast<size_t>(dx) * static_cast<size_t>(dy) * static_cast<size_t>(dz)) {}

  // The length of dimension 0, 1 or 2.
  int32_t Dimension(int axis) const noexcept { return dims_[static_cast<size_t>(axis)]; }
  bool IsEmpty() const noexcept { return cells_.empty(); }

  // Callers keep indices in range, as everywhere in the system.
  T& operator()(int32_t x, int32_t y, int32_t z) noexcept { return cells_[Index(x, y, z)]; }
  const T& operator()(int32_t x, int32_t y, int32_t z) const noexcept { return cells_[Index(x, y, z)]; }

  T* Data() noexcept { return cells_.data(); }
  const T* Data() const noexcept { return cells_.data(); }
  size_t Size() const noexcept { return cells_.size(); }

 private:
  size_t Index(int32_t x, int32_t y, int32_t z) const noexcept {
    return (static_cast<size_t>(x) * static_cast<size_t>(dims_[1]) + static_cast<size_t>(y)) *
               static_cast<size_t>(dims_[2]) +
           static_cast<size_t>(z);
  }

  std::array<int32_t, 3> dims_{0, 0, 0};
  std::vector<T> cells_;
};

}  // namespace tazmix
