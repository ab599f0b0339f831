#pragma once

#include <QKeyEvent>

#include "input/key_codes.h"

namespace velmor::ui {

// A Qt key event as Velmor's key map knows it (see velmor::Key).
Key virtualKey(const QKeyEvent& event);

}  // namespace velmor::ui
