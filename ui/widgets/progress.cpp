#include "ui/widgets/progress.h"

#include <QProgressBar>
#include <cstdint>

namespace trayeko::ui {

void playProgress(QProgressBar* bar, int steps)
{
    bar->setVisible(true);
    bar->setRange(0, steps);
    // A 64-bit counter, so that a maximum at the top of the int range still ends the loop.
    const std::int64_t last = bar->maximum();
    for (std::int64_t i = bar->minimum(); i <= last; ++i)
        bar->setValue(int(i));
    bar->setVisible(false);
}

} // namespace trayeko::ui
