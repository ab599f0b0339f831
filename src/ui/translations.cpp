#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/qt_convert.h"

namespace velmor::ui {
namespace {

// The context of the core's texts in the translation files.
constexpr char kCoreContext[] = "Velmor";

// Every text of the core that a window shows, for Qt's translation tools.
// The English is the core's own, odd spellings included; only the
// translations read differently.
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    // The main window's menu
    QT_TRANSLATE_NOOP("Velmor", "&Exit"),
    QT_TRANSLATE_NOOP("Velmor", "&Copy"),
    QT_TRANSLATE_NOOP("Velmor", "&Paste"),
    QT_TRANSLATE_NOOP("Velmor", "&Undo"),
    QT_TRANSLATE_NOOP("Velmor", "&Redo"),
    QT_TRANSLATE_NOOP("Velmor", "C&onfig"),
    QT_TRANSLATE_NOOP("Velmor", "&Help"),
    QT_TRANSLATE_NOOP("Velmor", "&Guide"),
    QT_TRANSLATE_NOOP("Velmor", "&About"),
    // The main window
    QT_TRANSLATE_NOOP("Velmor", "decimal"),
    QT_TRANSLATE_NOOP("Velmor", "binary"),
    QT_TRANSLATE_NOOP("Velmor", " byte "),
    QT_TRANSLATE_NOOP("Velmor", " kilobyte "),
    QT_TRANSLATE_NOOP("Velmor", " megabyte "),
    QT_TRANSLATE_NOOP("Velmor", " gigabyte "),
    QT_TRANSLATE_NOOP("Velmor", " terabyte "),
    QT_TRANSLATE_NOOP("Velmor", " kibyte "),
    QT_TRANSLATE_NOOP("Velmor", " mibyte "),
    QT_TRANSLATE_NOOP("Velmor", " gibyte "),
    QT_TRANSLATE_NOOP("Velmor", " tibyte "),
    QT_TRANSLATE_NOOP("Velmor", " round to integer "),
    QT_TRANSLATE_NOOP("Velmor", " round to 1 decimal "),
    QT_TRANSLATE_NOOP("Velmor", " round to 2 decimals "),
    QT_TRANSLATE_NOOP("Velmor", " round to 3 decimals "),
    QT_TRANSLATE_NOOP("Velmor", " round up "),
    QT_TRANSLATE_NOOP("Velmor", " round half up "),
    QT_TRANSLATE_NOOP("Velmor", " round down "),
    QT_TRANSLATE_NOOP("Velmor", "Welcome aboard"),
    // The options dialog
    QT_TRANSLATE_NOOP("Velmor", "decimal mark: "),
    QT_TRANSLATE_NOOP("Velmor", "thousand separator: "),
    QT_TRANSLATE_NOOP("Velmor", " Select decimal mark "),
    QT_TRANSLATE_NOOP("Velmor", " Select separator mark for thousands "),
    QT_TRANSLATE_NOOP("Velmor", "none"),
    QT_TRANSLATE_NOOP("Velmor", "spc"),
    QT_TRANSLATE_NOOP("Velmor", "other"),
    QT_TRANSLATE_NOOP("Velmor", "OK"),
    QT_TRANSLATE_NOOP("Velmor", "Cancel"),
    // The About box
    QT_TRANSLATE_NOOP("Velmor", "About Velmor"),
    QT_TRANSLATE_NOOP("Velmor", "presents"),
    QT_TRANSLATE_NOOP("Velmor",
                      "Velmor is a conversion tool for calculating decimal and binary units of "
                      "byte quantities.  Read help file to be informed about the standard what "
                      "you should have already used."),
    QT_TRANSLATE_NOOP("Velmor", "Freeware"),
    QT_TRANSLATE_NOOP("Velmor", "Visit"),
    QT_TRANSLATE_NOOP("Velmor", "for other freewares."),
};

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
