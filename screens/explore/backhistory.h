// The places the user came from, for Back: a ring that keeps the most recent 512 moves.
#pragma once

#include <array>
#include <cstdint>

class BackHistory {
  public:
    static constexpr int kCapacity = 512;

    void push(int place);
    // The most recent place, removed; -1 when empty.
    int pop();
    void clear();
    int count() const { return count_; }

  private:
    std::array<int16_t, kCapacity> places_{};
    int count_ = 0;  // HistoryCount
    int next_ = 0;   // HistoryNext: the slot the next push writes
};
