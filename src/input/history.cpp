#include "input/history.h"

#include <algorithm>
#include <utility>

namespace velmor {

void History::store(std::u16string text, std::int16_t field) {
    ++pos_;
    if (pos_ > kCapacity) {
        std::move(entries_.begin() + 2, entries_.begin() + kCapacity + 1, entries_.begin() + 1);
        pos_ = kCapacity;
    }
    entries_[static_cast<std::size_t>(pos_)] = Entry{std::move(text), field};
}

}  // namespace velmor
