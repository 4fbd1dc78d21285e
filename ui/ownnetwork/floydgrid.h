#pragma once

#include "core/allpairs.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace trayeko::ui {

// One of Floyd–Warshall's matrices after one iteration, as a grid: row and column headers are the
// node numbers, the cells are the values (a distance, "∞" where no path is known yet) or the node
// matrix's entries. The cells the iteration changed are bold, so the grid reads like the lesson.
class FloydGridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Kind
    {
        Values,
        Nodes,
    };

    explicit FloydGridModel(Kind kind, QObject* parent = nullptr);

    // The matrices of a run: after the initialisation (index 0) and after each iteration k.
    void setMatrices(std::vector<PathMatrix> matrices, std::string decimalSeparator);
    void clear() { setMatrices({}, m_separator); }
    // Which matrix the grid shows: 0 the initial one, k after iteration k (clamped).
    void showIteration(int k);
    int iteration() const { return m_shown; }
    int iterationCount() const { return int(m_matrices.size()) - 1; }
    bool isEmpty() const { return m_matrices.empty(); }

    // The cell's text as the grid shows it.
    QString cellText(int from, int to) const;
    // The matrix shown as text for the clipboard: a header row of node numbers, then each row
    // with its number first, the cells apart by tabs; empty before a run.
    QString tableText() const;
    // Whether iteration k changed the cell (never for the initial matrix).
    bool changed(int from, int to) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Kind m_kind;
    std::vector<PathMatrix> m_matrices;
    std::string m_separator = ".";
    int m_shown = 0;
};

// The matrices of Floyd–Warshall on @p network: after the initialisation, then after each
// iteration k = 1 ... n, with the node matrix.
std::vector<PathMatrix> floydIterations(const Network& network);

// Every matrix of @p matrices as CSV for a spreadsheet: a block per iteration ("Iterasi k",
// "Awal" first), the values and then the nodes, with the node numbers as headers.
std::string floydIterationsCsv(const std::vector<PathMatrix>& matrices,
                               const std::string& decimalSeparator);

} // namespace trayeko::ui
