// A fixed array addressed from 1, as the game numbers its cells, list places and path positions.
#pragma once

#include <array>
#include <cassert>

template <typename T, int N>
struct TOneBased {
  static constexpr int Size = N;

  std::array<T, N> Items{};

  T& operator[](int k) {
    assert(k >= 1 && k <= N);
    return Items[k - 1];
  }
  const T& operator[](int k) const {
    assert(k >= 1 && k <= N);
    return Items[k - 1];
  }
  void Fill(const T& value) { Items.fill(value); }

  friend bool operator==(const TOneBased&, const TOneBased&) = default;
};
