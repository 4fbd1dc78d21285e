// trayeko as app/main.cpp starts it, for the measuring modes of probe.h: the first paint of the
// frame and of the Dijkstra window's drawing counts as "shown".
#include "bench/drive.h"
#include "bench/probe.h"
#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkview.h"
#include "ui/floyd/floydwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/support/artwork.h"
#include "ui/support/programfonts.h"
#include "ui/support/qttranslation.h"

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>

using namespace trayeko;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trayeko"));
    QApplication::setWindowIcon(ui::programWindowIcon());
    ui::useProgramFont();
    ui::useIndonesianQtTexts();

    ui::MainWindow frame;

    bench::Workload workload;
    workload.prepareIdle = [&frame] {
        bench::chooseMenu(frame, QStringLiteral("mnufloyd"));
        bench::chooseMenu(frame, QStringLiteral("mnucompare"));
        // A run starts the blinking total; the Dijkstra window comes to the front to show it.
        bench::chooseMenu(frame, QStringLiteral("mnudijktra"));
        bench::button(bench::dijkstraWindow(frame), QStringLiteral("Command1"))->click();
    };
    workload.exerciseAll = [&frame] {
        bench::button(bench::dijkstraWindow(frame), QStringLiteral("Command1"))->click();
        bench::chooseMenu(frame, QStringLiteral("mnufloyd"));
        bench::button(bench::floydWindow(frame), QStringLiteral("Command1"))->click();
        bench::chooseMenu(frame, QStringLiteral("mnucompare"));
        bench::chooseScenario(bench::compareWindow(frame), 4);
    };
    bench::armProbe({frame.mdiArea()->viewport(), bench::dijkstraWindow(frame)->network()},
                    workload);

    if (const QScreen* screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    return QApplication::exec();
}
