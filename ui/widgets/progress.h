#pragma once

class QProgressBar;

namespace trayeko::ui {

// Plays the fixed progress animation on @p bar: shown, every value 0 ... steps one at a time
// (steps + 1 updates), hidden again. It never yields to the event loop; the animation measures
// no work, it only shows that a run happened.
void playProgress(QProgressBar* bar, int steps);

} // namespace trayeko::ui
