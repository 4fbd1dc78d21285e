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
// The key that opens and closes the panel, for the panel and the help.
inline constexpr KeyRow kDetailPanelKey{Qt::CTRL | Qt::Key_D, nullptr,
                                        "membuka atau menutup panel detail"};

class DetailPanel final : public QObject
{
    Q_OBJECT

public:
    // Builds the panel right of the drawing of @p window; the route preview ends where @p steps
    // starts.
    DetailPanel(NetworkWindow* window, QWidget* client, QWidget* bannerStrip);
    void addRoutePreview(StepMode* steps);

    // Opens the panel by widening the window, or closes it again.
    void toggle();

    // The table is the last stop of the window's tab order.
    QPlainTextEdit* table() const { return m_table; }

    void showRoute(int routeNumber, const QString& nodes, const QString& weights);
    QString routeWeights() const; // as the box txtjalur shows them
    void showTable(const QString& text);
    void showShortestDistances(const std::array<std::string, kNodeCount>& texts);
    // The route totals also go into boxes beyond the right edge, out of sight.
    void showTotals(const std::array<std::string, kRouteCount>& totals);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget* client);
    void buildTotalBoxes(QWidget* client);

    NetworkWindow* m_window;
    QLabel* m_toggle = nullptr;
    QPlainTextEdit* m_table = nullptr;
    QLabel* m_routeNumberLabel = nullptr;
    QLineEdit* m_routeWeightsBox = nullptr;
    QLineEdit* m_routeNodesBox = nullptr;
    std::array<QLineEdit*, kNodeCount> m_nodeLabels{};
    std::array<QLineEdit*, kRouteCount> m_totalBoxes{};
};

} // namespace trayeko::ui
