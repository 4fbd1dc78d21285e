#pragma once

#include "core/scenarios.h"

class QProgressBar;

namespace trayeko::ui {

// A QProgressBar behind the core's progress port, so that the animation loop exists once.
class QtProgressBar final : public trayeko::ProgressBar
{
public:
    explicit QtProgressBar(QProgressBar* bar) : m_bar(bar) {}

    void setVisible(bool visible) override;
    void setRange(int minimum, int maximum) override;
    int minimum() const override;
    int maximum() const override;
    // Called for every step of the animation: nothing but the bar's own update belongs here.
    void setValue(int value) override;

private:
    QProgressBar* m_bar;
};

// Plays the fixed progress animation on @p bar: shown, 0 ... steps one value at a time, hidden
// again. It never yields to the event loop.
void playProgress(QProgressBar* bar, int steps);

} // namespace trayeko::ui
