#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmor {

// The undo history: up to 50 entries, each an entry text with the field it
// was typed in, numbered 1..50 from the oldest. The position is the newest
// entry that undo has not stepped over; entries above it are the redo path,
// and storing never clears them, so they stay reachable until overwritten.
class History {
public:
    static constexpr int kCapacity = 50;
    static constexpr std::int16_t kNoField = -1;  // a slot never written

    struct Entry {
        std::u16string text;
        std::int16_t field = kNoField;
    };

    // Records an entry above the position, dropping the oldest when full.
    void store(std::u16string text, std::int16_t field);

    int pos() const { return pos_; }
    void setPos(int pos) { pos_ = pos; }

    // Entry k, 1 <= k <= kCapacity + 1 (the slot past the end is always empty).
    const Entry& entry(int k) const { return entries_[static_cast<std::size_t>(k)]; }
    bool holds(int k) const { return k >= 1 && k <= kCapacity && entry(k).field != kNoField; }

private:
    // Index 0 is unused so that entry k sits at index k.
    std::array<Entry, kCapacity + 2> entries_{};
    int pos_ = 0;
};

}  // namespace velmor
