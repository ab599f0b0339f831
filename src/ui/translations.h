#pragma once

#include <QString>

#include <string_view>

class QCoreApplication;

namespace velmor::ui {

// Velmor's core keeps its texts in English, exactly as the windows have
// always shown them; the view shows each through this function, which maps
// it to the user's language. A text without a translation (a number, a key
// name) comes back as it is.
QString translated(std::u16string_view english);

// Installs the translations of Velmor's and Qt's own texts for the first of
// the system's UI languages that Velmor speaks; English needs none.
void installTranslations(QCoreApplication& application);

// The languages Velmor ships translations for, besides English.
inline constexpr const char* kShippedLanguages[] = {"de", "fr"};

}  // namespace velmor::ui
