#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/font.h"
#include "controls/geometry.h"

namespace velmor {

// A drop-down list whose entries the user can only pick. Selecting an entry,
// by the user or by code, raises the click handler before it returns, also
// when that entry was selected already; selecting no entry (-1) raises
// nothing.
class ComboBox {
public:
    ComboBox() = default;
    ComboBox(Rect geometry, std::vector<std::u16string> entries, std::u16string toolTip)
        : geometry(geometry), toolTip(std::move(toolTip)), entries_(std::move(entries)) {}

    int listCount() const { return static_cast<int>(entries_.size()); }
    const std::u16string& list(int index) const {
        return entries_[static_cast<std::size_t>(index)];
    }
    int listIndex() const { return listIndex_; }
    void setListIndex(int index) {
        listIndex_ = index < 0 || index >= listCount() ? -1 : index;
        if (listIndex_ >= 0 && onClick) onClick();
    }
    bool lastSelected() const { return listIndex_ == listCount() - 1; }

    Rect geometry;
    std::u16string toolTip;
    Rgb back{255, 255, 255};
    Rgb fore;
    Font font;
    std::function<void()> onClick;

private:
    std::vector<std::u16string> entries_;  // fixed when the list is made
    int listIndex_ = -1;
};

}  // namespace velmor
