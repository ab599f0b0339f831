#pragma once

#include <QKeyEvent>

#include "input/key_codes.h"

namespace velmor::ui {

// A Qt key event as Velmor's key map knows it (see velmor::Key).
Key virtualKey(const QKeyEvent& event);

// The same key without the text it types, for a box's own editing (caret
// moves, Delete, its shortcuts) of a key that must type nothing.
QKeyEvent withoutText(const QKeyEvent& event);

}  // namespace velmor::ui
