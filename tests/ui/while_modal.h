#pragma once

#include <QApplication>
#include <QtTest>

#include <functional>

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
