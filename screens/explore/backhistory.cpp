#include "screens/explore/backhistory.h"

#include <cstddef>

void BackHistory::push(int place) {
    if (count_ < kCapacity) ++count_;
    places_[static_cast<size_t>(next_)] = static_cast<int16_t>(place);
    next_ = (next_ + 1) % kCapacity;
}

int BackHistory::pop() {
    if (count_ == 0) return -1;
    --count_;
    next_ = (next_ + kCapacity - 1) % kCapacity;
    return places_[static_cast<size_t>(next_)];
}

void BackHistory::clear() {
    count_ = 0;
    next_ = 0;
}
