#pragma once

// VELMOR_TEXT("Velmor", "English") writes a text that a window shows the
// user, as the core keeps it: Velmor's English in UTF-16. The view shows every
// such text through translated() (context "Velmor"), and lupdate reads this
// macro as QT_TRANSLATE_NOOP, so the marked text where the core uses it is
// the one list of texts the translators get (src/ui/CMakeLists.txt).
#define VELMOR_TEXT(context, english) u"" english
