#pragma once

#include "core/demonetwork.h"
#include "ui/drawing/networkwindow.h"
#include "ui/widgets/resultstrip.h"
#include "ui/widgets/resultveil.h"

#include <QStringList>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace trayeko {
struct FloydResult;
}

namespace trayeko::ui {

class ClassroomActions;
class Exercise;
class StepMode;

// The Floyd window "Metode Floid": the drawn network with its editable weights, the value and node
// matrices of every Floyd-Warshall iteration on the tabs "Nilai" and "Simpul", and the shortest
// distance from node 1 to node 7 with its route highlighted on the drawing.
//
// The window refuses no input: every box content gives a complete run.
class FloydWindow final : public NetworkWindow
{
    Q_OBJECT

public:
    explicit FloydWindow(QWidget* parent = nullptr);

    // One run, the click of "&Proses..." (ending a running exercise first): empty the lists, play
    // the progress bar, list the matrices, show the result and the elapsed time. It never yields to
    // the event loop.
    void runFloyd();

    // The weights the listings were worked out for; none before the first run.
    const std::optional<LinkWeights>& runWeights() const { return m_runWeights; }

    StepMode* stepMode() const override { return m_steps; }
    Exercise* exercise() const override { return m_exercise; }

private:
    void buildListingTabs();
    QListWidget* makeListing(QWidget* page, const QString& objectName);
    QLabel* makeColumnHeader(QWidget* page, const QString& objectName);
    void fitListingFont(QStringList lines);
    void openWindow();
    void showFloydResult(const FloydResult& result);
    // While the exercise runs, the listings, the total and the elapsed time of an earlier run are
    // out of sight; leaving gives them back as they were.
    void veilResults();

    QTabWidget* m_tabs = nullptr;
    QLabel* m_valueHeader = nullptr;
    QListWidget* m_valueList = nullptr;
    QLabel* m_nodeHeader = nullptr;
    QListWidget* m_nodeList = nullptr;
    QLabel* m_totalLabel = nullptr;
    QLabel* m_elapsedLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_runButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    std::array<QLineEdit*, 2> m_totalBoxes{};
    ClassroomActions* m_classroom = nullptr;
    StepMode* m_steps = nullptr;
    Exercise* m_exercise = nullptr;
    std::optional<ResultStrip> m_resultStrip;
    ResultVeil m_veil;
    std::optional<LinkWeights> m_runWeights;
};

} // namespace trayeko::ui
