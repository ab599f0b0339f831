#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <QWidget>

namespace velmor::ui {

// One Velmor per user session, kept on the session bus, as desktop programs
// keep theirs: the first Velmor owns the name org.velmor.Velmor and, asked
// on /org/velmor/Velmor to Activate, brings its window forward; a later
// start asks it to and ends, so that two windows never overwrite each
// other's settings. Without a session bus every start runs on its own.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.velmor.Velmor")
public:
    // Claims the name for this process. False when another Velmor holds it
    // and has been asked to come forward: this start is to end.
    bool claim();

    // The window Activate brings forward, once it exists.
    void setWindow(QWidget& window) { window_ = &window; }

public slots:
    // Restores the window if it is minimized, raises and activates it, and
    // the dialog open over it. platformData may carry the starting
    // launcher's "activation-token" (Wayland) or "desktop-startup-id" (X11).
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);

private:
    QPointer<QWidget> window_;
};

}  // namespace velmor::ui
