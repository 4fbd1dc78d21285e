#pragma once

#include "core/demonetwork.h"
#include "core/routes.h"
#include "ui/support/keyregistry.h"

#include <QObject>
#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace trayeko::ui {

class NetworkWindow;
class StepMode;

// The Dijkstra window's detail panel: the toggle "Tampilan Detail" on the banner strip (and its
// key Ctrl+D), which widens the window step by step to show the panel and narrows it again, the
// search table Tabeldata with its route preview, the result boxes of the chosen route and of the
// shortest distances L1 ... L7, and the hidden boxes h1 ... h17 of the route totals. Its controls
// sit in the window's client area itself, at their designed places, so that their geometry, tab
// order and accessible tree are those of any other control; a container widget of its own would
// add a level to the accessible tree and move every control's geometry into its coordinates, and
// the toggle lives on the banner strip, the totals beyond the client's right edge.
// The window opens with the panel closed, so the panel makes only the toggle and its key at once;
// its other controls come with build(), which anything that needs them calls first.
// The key that opens and closes the panel, for the panel and the help.
inline constexpr KeyRow kDetailPanelKey{Qt::CTRL | Qt::Key_D, nullptr,
                                        "membuka atau menutup panel detail"};

class DetailPanel final : public QObject
{
    Q_OBJECT

public:
    // A panel right of the drawing of @p window whose table follows @p tabPredecessor in the tab
    // order, as its last stop; the route preview ends where @p steps starts.
    DetailPanel(NetworkWindow* window, QWidget* client, QWidget* bannerStrip,
                QWidget* tabPredecessor, StepMode* steps);

    // Makes the controls the toggle opens; a second call does nothing.
    void build();
    // Calls build() in the first pass of the event loop after the drawing has been painted.
    void buildAfterFirstPaint();

    // Opens the panel by widening the window, or closes it again.
    void toggle();

    void showRoute(int routeNumber, const QString& nodes, const QString& weights);
    QString routeWeights() const; // as the box txtjalur shows them
    void showTable(const QString& text);
    void showShortestDistances(const std::array<std::string, kNodeCount>& texts);
    // The route totals also go into boxes beyond the right edge, out of sight.
    void showTotals(const std::array<std::string, kRouteCount>& totals);

    // Every control that shows a run's result (the table, the route's boxes, L1 ... L7, the
    // totals); none before build().
    QList<QWidget*> results() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildResults();
    void buildTotalBoxes();
    bool isOpen() const;
    // Shows the panel's controls while it is open and hides them while it is closed, when they
    // lie beyond the window's edge, so that a screen reader does not report them as showing.
    // The table stays: it is the window's last Tab stop either way.
    void showOpenOnly();

    NetworkWindow* m_window;
    QWidget* m_view; // the window's drawing
    QWidget* m_client;
    QWidget* m_tabPredecessor;
    StepMode* m_steps;
    QLabel* m_toggle = nullptr;
    QPlainTextEdit* m_table = nullptr;
    QLabel* m_routeNumberLabel = nullptr;
    QLineEdit* m_routeWeightsBox = nullptr;
    QLineEdit* m_routeNodesBox = nullptr;
    std::array<QLineEdit*, kNodeCount> m_nodeLabels{};
    std::array<QLineEdit*, kRouteCount> m_totalBoxes{};
    QList<QWidget*> m_openOnly; // the controls showOpenOnly() shows and hides
};

} // namespace trayeko::ui
