#pragma once

#include "ui/main/mainwindow.h"
#include "ui/projector/projectorview.h"

#include <QSettings>
#include <QSize>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <utility>

// The whole program's frame for a test: its settings (the lesson panel's place) in a file of the
// test's own, no Num Lock reading, and its projector view on the screen @p screen names, shown as
// a plain window.
struct ProgramFrame
{
    explicit ProgramFrame(std::function<QSize()> screen)
    {
        trayeko::ui::FrameSources sources;
        sources.numLock = {};
        sources.settings = [this] {
            return std::make_unique<QSettings>(dir.filePath("t.ini"), QSettings::IniFormat);
        };
        frame = std::make_unique<trayeko::ui::MainWindow>(sources);
        projector = frame->findChild<trayeko::ui::ProjectorView*>("projectorView");
        projector->setSeams({std::move(screen), false});
        frame->show();
    }

    QTemporaryDir dir;
    std::unique_ptr<trayeko::ui::MainWindow> frame;
    trayeko::ui::ProjectorView* projector = nullptr;
};
