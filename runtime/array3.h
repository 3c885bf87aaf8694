/// \file
/// A three-dimensional array that carries its dimensions, indexed [x, y, z]
/// as a(x, y, z). The last index runs fastest in memory. A default array is
/// the empty array (all dimensions 0), never Null.
///
/// \code{.cpp}
/// tazmix::Array3<int32_t> grid(10, 8, 2);  // all cells 0
/// grid(3, 4, 1) = 7;
/// int32_t depth = grid.Dimension(2);       // 2
/// \endcode
/// \ingroup runtime
/// \since 1.0
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tazmix {

/// A three-dimensional array of T, held by value.
/// \tparam T the cell type.
/// \since 1.0
template <class T>
class Array3 {
 public:
  /// The empty array: every dimension 0. \since 1.0
  Array3() = default;
  /// An array of zero-filled (value-initialised) cells.
  /// \param dx, dy, dz the lengths of dimensions 0, 1 and 2; not negative.
  /// \since 1.0
  Array3(int32_t dx, int32_t dy, int32_t dz)
      : dims_{dx, dy, dz}, cells_(static_cast<size_t>(dx) * static_cast<size_t>(dy) * static_cast<size_t>(dz)) {}

  /// The length of one dimension.
  /// \param axis 0, 1 or 2.
  /// \return that dimension's length.
  /// \since 1.0
  int32_t Dimension(int axis) const noexcept { return dims_[static_cast<size_t>(axis)]; }
  /// \return true when the array has no cells. \since 1.0
  bool IsEmpty() const noexcept { return cells_.empty(); }

  /// One cell. Callers keep indices in range, as everywhere in the system.
  /// \param x, y, z the indices, each below its dimension.
  /// \return the cell.
  /// \since 1.0
  T& operator()(int32_t x, int32_t y, int32_t z) noexcept { return cells_[Index(x, y, z)]; }
  /// One cell, read only. Callers keep indices in range.
  /// \param x, y, z the indices, each below its dimension.
  /// \return the cell.
  /// \since 1.0
  const T& operator()(int32_t x, int32_t y, int32_t z) const noexcept { return cells_[Index(x, y, z)]; }

  /// \return the cells in memory order (z fastest); nullptr when empty. \since 1.0
  T* Data() noexcept { return cells_.data(); }
  /// \return the cells in memory order (z fastest), read only. \since 1.0
  const T* Data() const noexcept { return cells_.data(); }
  /// \return the number of cells: the product of the three dimensions. \since 1.0
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
