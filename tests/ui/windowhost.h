#pragma once

#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPointer>
#include <QScrollBar>
#include <QSize>
#include <QString>
#include <QStringList>

// A tool window shown in a document area of @p size, the way the main window holds it, and made
// active so that its keys reach it. Closing the window deletes it; `w` then becomes null.
template <typename Window> struct WindowHost
{
    explicit WindowHost(QSize size = {1000, 800}, bool frameless = false) { open(size, frameless); }
    // Hosts @p window, made by the test: set up before it is shown, or of a type chosen at run
    // time.
    explicit WindowHost(Window* window, QSize size = {1000, 800}) : w(window) { open(size, false); }
    template <typename T = QWidget> T* get(const QString& name)
    {
        return w->template findChild<T*>(name);
    }
    // A control the test cannot do without: a missing one ends the program with its name.
    template <typename T = QWidget> T* need(const QString& name) const
    {
        auto* child = w->template findChild<T*>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    QMdiArea area;
    QPointer<Window> w = new Window;

private:
    void open(QSize size, bool frameless)
    {
        if (frameless)
            area.setFrameShape(QFrame::NoFrame);
        area.resize(size);
        area.addSubWindow(w);
        area.show();
        area.activateWindow();
    }
};

// Everything of a network window that a mode laid over it could touch: every colour of the
// drawing, every text, the listings' scroll positions, the drawing's description and what has
// the focus. A mode left must give the same list back.
inline QStringList everythingShown(trayeko::ui::NetworkWindow* w)
{
    QStringList s;
    for (const QString& name : trayeko::ui::DrawingModel::elementNames())
        s << name + "=" + w->network()->elementColor(name).name();
    for (auto* l : w->findChildren<QLabel*>())
        s << l->objectName() + ":" + l->text() + (l->isVisibleTo(w) ? "" : " hidden");
    for (auto* e : w->findChildren<QLineEdit*>())
        s << e->objectName() + ":" + e->text();
    for (auto* l : w->findChildren<QListWidget*>())
        s << QString::number(l->verticalScrollBar()->value());
    s << w->network()->accessibleDescription() << w->network()->toolTip();
    if (QWidget* focus = QApplication::focusWidget())
        s << "focus " + focus->objectName();
    return s;
}
