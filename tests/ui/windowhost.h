#pragma once

#include <QApplication>
#include <QFrame>
#include <QMdiArea>
#include <QPointer>
#include <QSize>
#include <QString>

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
