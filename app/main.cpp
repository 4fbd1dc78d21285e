#include "ui/main/mainwindow.h"
#include "ui/support/artwork.h"
#include "ui/support/programfonts.h"
#include "ui/support/qttranslation.h"

#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Without a display Qt stops with a long platform-plugin message; say plainly what to do.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("trayeko: tidak ada layar (display) \xE2\x80\x94 jalankan dengan: xvfb-run -a "
                   "trayeko\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trayeko"));
    QApplication::setWindowIcon(trayeko::ui::programWindowIcon());
    trayeko::ui::useProgramFont();
    trayeko::ui::useIndonesianQtTexts();

    trayeko::ui::MainWindow frame;
    // Maximized, so that the Dijkstra window, which centres itself on the screen, lies inside.
    // Without a window manager (a bare X server) nobody answers the maximize request; the frame
    // then still covers the screen.
    if (const QScreen* screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    // "trayeko FILE...": each network file in a window of its own (a file manager passes ours).
    QStringList files = QApplication::arguments();
    files.removeFirst();
    frame.openNetworkFiles(files);
    return QApplication::exec();
}
