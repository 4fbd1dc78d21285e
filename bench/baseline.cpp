// The bare Qt program the start-up, idle and memory figures are set beside: an empty main window
// with an MDI area holding one empty child, shown the way trayeko shows its frame.
// TRAYEKO_BASELINE_TITLE=1 gives the child a title, for a second figure shown as context.
#include "bench/probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QMainWindow frame;
    auto* area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    auto* child = new QWidget;
    QMdiSubWindow* sub = area->addSubWindow(child);
    // As large as the Dijkstra window, so that both paint about the same area.
    sub->resize(615, 480);
    // For context only: one line of text makes the program load the fonts, as any real one does.
    if (qEnvironmentVariableIsSet("TRAYEKO_BASELINE_TITLE"))
        sub->setWindowTitle(QStringLiteral("Baseline"));
    sub->show();

    trayeko::bench::armProbe({area->viewport(), child}, {});

    if (const QScreen* screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    return QApplication::exec();
}
