#include "ui/main/mdiform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    trayeko::ui::MDIForm1 frame;
    frame.showMaximized();
    return app.exec();
}
