#include "ui/main/mdiform1.h"

#include "ui/dijkstra/frmtrayeko.h"

#include <QMdiArea>

namespace trayeko::ui {

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("MDIForm1"));
    auto* area = new QMdiArea(this);
    setCentralWidget(area);
    area->addSubWindow(new frmTrayeko);
}

} // namespace trayeko::ui
