// Arrays that the game counts from 1 (cards 1..52, columns 1..6, slots, ranks):
// indexed from 1 here too, with every index checked.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

template <class T, int N> class Arr1 {
  public:
    T& operator()(int i) { return items[Check(i)]; }
    const T& operator()(int i) const { return items[Check(i)]; }
    static constexpr int Size() { return N; }
    void Fill(const T& value) { items.fill(value); }

  private:
    static std::size_t Check(int i) {
        if (i < 1 || i > N)
            throw std::out_of_range("index " + std::to_string(i) + " outside 1.." +
                                    std::to_string(N));
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> items{};
};
