#pragma once

#include <string>

namespace velmor {

// The two marks on their way between the main window and the options
// dialog, the only data that lives outside the windows. An empty
// pendDecMark means nothing is pending.
struct PendingMarks {
    std::u16string pendDecMark;
    std::u16string pendThsSep;
};

}  // namespace velmor
