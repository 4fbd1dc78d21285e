#include "ui/widgets/progress.h"

#include <QProgressBar>

namespace trayeko::ui {

void QtProgressBar::setVisible(bool visible)
{
    m_bar->setVisible(visible);
}

void QtProgressBar::setRange(int minimum, int maximum)
{
    m_bar->setRange(minimum, maximum);
}

int QtProgressBar::minimum() const
{
    return m_bar->minimum();
}

int QtProgressBar::maximum() const
{
    return m_bar->maximum();
}

void QtProgressBar::setValue(int value)
{
    m_bar->setValue(value);
}

void playProgress(QProgressBar* bar, int steps)
{
    QtProgressBar port(bar);
    trayeko::playProgress(port, steps);
}

} // namespace trayeko::ui
