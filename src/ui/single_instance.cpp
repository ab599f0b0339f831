#include "ui/single_instance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <utility>

namespace velmor::ui {
namespace {

const QString kService = QStringLiteral("org.velmor.Velmor");
const QString kPath = QStringLiteral("/org/velmor/Velmor");

// Asks the Velmor that owns the name to come forward, handing on what the
// desktop gave this start to let a window take the focus. False when no
// Velmor answered.
bool askOwnerToActivate(const QDBusConnection& bus) {
    QVariantMap platformData;
    for (const auto& [key, variable] : {std::pair{"activation-token", "XDG_ACTIVATION_TOKEN"},
                                        std::pair{"desktop-startup-id", "DESKTOP_STARTUP_ID"}}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) platformData.insert(QLatin1String(key), value);
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Activate"));
    call << platformData;
    // A Velmor that is busy answers once it is back; one that hangs is given
    // up on after a while, and this start ends anyway.
    constexpr int kWaitMs = 10000;
    return bus.call(call, QDBus::Block, kWaitMs).type() == QDBusMessage::ReplyMessage;
}

}  // namespace

bool SingleInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return true;
    bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
    // Twice: the owner may end between the refused claim and the call.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (bus.registerService(kService)) return true;
        if (askOwnerToActivate(bus)) return false;
    }
    // The name is held by something that does not answer as Velmor does.
    return true;
}

void SingleInstance::Activate(const QVariantMap& platformData) {
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    // Qt's Wayland platform hands the token to the compositor at the next
    // activation.
    if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (window_ == nullptr) return;  // still starting: it shows itself
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

}  // namespace velmor::ui
