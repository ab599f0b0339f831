#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <array>
#include <functional>

#include "ui/velmor_application.h"

// Velmor started as the program starts it, in a temporary program folder of
// its own that keeps its settings file; the folder goes with it, after the
// application has saved.
struct StartedVelmor {
    QTemporaryDir folder;
    velmor::ui::VelmorApplication app{folder.path().toStdU16String()};

    StartedVelmor() {
        QStandardPaths::setTestModeEnabled(true);
        app.start();
    }
};

// The main window's menu commands, in the order of the bar.
inline std::array<velmor::MenuItem*, 8> menuItems(velmor::FmMain& form) {
    return {&form.mnuExit, &form.mnuEditCopy,   &form.mnuEditPaste, &form.mnuUndo,
            &form.mnuRedo, &form.mnuHelpConfig, &form.mnuHelpHelp,  &form.mnuHelpAbout};
}

// Qt's modifiers for the core's bits (1 Shift, 2 Ctrl, 4 Alt).
inline Qt::KeyboardModifiers qtModifiers(int bits) {
    Qt::KeyboardModifiers mods;
    mods.setFlag(Qt::ShiftModifier, bits & velmor::kShiftBit);
    mods.setFlag(Qt::ControlModifier, bits & velmor::kCtrlBit);
    mods.setFlag(Qt::AltModifier, bits & velmor::kAltBit);
    return mods;
}

// Shows Velmor's windows in a shipped language from now on ("en" needs no
// translation); start Velmor afterwards.
inline void useLanguage(const QString& language) {
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (language == QLatin1String("en")) return;
    QVERIFY(translator.load(QStringLiteral(":/velmor/i18n/velmor_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
}

// Runs `inside` while the modal dialog that `open` shows is up, then closes
// the dialog with Esc if `inside` left it open (also when a check in it
// failed), so that `open` always returns.
template <typename Dialog>
void whileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        ran = true;
        inside(*dialog);
        if (QApplication::activeModalWidget() == dialog) QTest::keyClick(dialog, Qt::Key_Escape);
    });
    open();
    QVERIFY(ran);
}
