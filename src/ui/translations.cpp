#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/qt_convert.h"

namespace velmor::ui {
namespace {

// The context of the core's texts in the translation files: the one every
// VELMOR_TEXT names, where lupdate finds them.
constexpr char kCoreContext[] = "Velmor";

}  // namespace

QString translated(std::u16string_view english) {
    if (english.empty()) return {};
    return QCoreApplication::translate(kCoreContext, qt(english).toUtf8().constData());
}

void installTranslations(QCoreApplication& application) {
    const QLocale locale;
    auto* velmor = new QTranslator(&application);
    if (!velmor->load(locale, QStringLiteral("velmor"), QStringLiteral("_"),
                      QStringLiteral(":/velmor/i18n"))) {
        delete velmor;
        return;  // English, or a language Velmor does not speak
    }
    QCoreApplication::installTranslator(velmor);
    // Qt's own texts: the line edits' context menus, the dialogs' buttons.
    auto* qtbase = new QTranslator(&application);
    if (qtbase->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtbase);
    } else {
        delete qtbase;
    }
}

}  // namespace velmor::ui
