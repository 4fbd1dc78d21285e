#pragma once

#include "core/clock.h"

#include <QMdiSubWindow>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace trayeko::ui {

// The comparison window "Compare Multinode": a network size chosen in m_sizeCombo plays both canned
// scenarios and shows their reports one under the other; m_dijkstraOnlySizeCombo, which lies
// outside the visible client area and is reached only with the keyboard, reruns the Dijkstra side
// alone.
//
// The window deletes itself when closed, so the next opening starts from its design state.
class CompareWindow final : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit CompareWindow(QWidget* parent = nullptr);
    ~CompareWindow() override;

    void setClock(Clock clock) { m_clock = std::move(clock); }

protected:
    void changeEvent(QEvent* event) override;

private:
    class Reports;

    void buildControls();
    void fixOuterSize();
    void chooseDijkstra(int index);
    void chooseBoth(int index);

    QWidget* m_client = nullptr;
    QFrame* m_mainFrame = nullptr;
    QLabel* m_titleLabel = nullptr;
    QFrame* m_sizeFrame = nullptr;
    QLabel* m_sizeCaption = nullptr;
    QComboBox* m_sizeCombo = nullptr;
    QLabel* m_dijkstraCaption = nullptr;
    QPlainTextEdit* m_dijkstraReport = nullptr;
    QProgressBar* m_dijkstraProgress = nullptr;
    QLabel* m_floydCaption = nullptr;
    QPlainTextEdit* m_floydReport = nullptr;
    QProgressBar* m_floydProgress = nullptr;
    QPushButton* m_closeButton = nullptr;
    QFrame* m_dijkstraOnlyFrame = nullptr;
    QLabel* m_dijkstraOnlySizeCaption = nullptr;
    QComboBox* m_dijkstraOnlySizeCombo = nullptr;

    std::unique_ptr<Reports> m_reports;
    Clock m_clock = readClock;
};

} // namespace trayeko::ui
