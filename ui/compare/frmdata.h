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

// The comparison window "Compare Multinode": a network size chosen in Combo2 plays both canned
// scenarios and shows their reports one under the other; Combo1, which lies outside the visible
// client area and is reached only with the keyboard, reruns the Dijkstra side alone.
//
// The window deletes itself when closed, so the next opening starts from its design state.
class frmData final : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit frmData(QWidget* parent = nullptr);
    ~frmData() override;

    void setClock(Clock clock) { clock_ = std::move(clock); }

protected:
    void changeEvent(QEvent* event) override;

private:
    class Reports;

    void buildControls();
    void fixOuterSize();
    void chooseDijkstra(int index);
    void chooseBoth(int index);

    QWidget* client_ = nullptr;
    QFrame* Frame3 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Frame2 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* txthasiltrayeko = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label5 = nullptr;
    QPlainTextEdit* txthasilfloyd = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QPushButton* cmdKeluar = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;

    std::unique_ptr<Reports> reports_;
    Clock clock_ = readClock;
};

} // namespace trayeko::ui
