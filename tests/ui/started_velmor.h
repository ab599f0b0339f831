#pragma once

#include <QTemporaryDir>

#include "ui/velmor_application.h"

// Velmor started as the program starts it, in a temporary program folder of
// its own that keeps its settings file; the folder goes with it, after the
// application has saved.
struct StartedVelmor {
    QTemporaryDir folder;
    velmor::ui::VelmorApplication app{folder.path().toStdU16String()};

    StartedVelmor() { app.start(); }
};
