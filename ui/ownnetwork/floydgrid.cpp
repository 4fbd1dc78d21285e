#include "ui/ownnetwork/floydgrid.h"

#include "core/floydcsv.h"
#include "core/numbertext.h"

#include <QFont>
#include <QStringList>
#include <algorithm>

namespace trayeko::ui {

namespace {

std::string valueCell(const PathMatrix& m, int from, int to, const std::string& separator)
{
    return distanceText(m.value(from, to), separator);
}

std::string nodeCell(const PathMatrix& m, int from, int to)
{
    // Where no path is known the node matrix's entry means nothing yet.
    return m.value(from, to) ? std::to_string(m.node(from, to)) : std::string("-");
}

} // namespace

FloydGridModel::FloydGridModel(Kind kind, QObject* parent)
    : QAbstractTableModel(parent), m_kind(kind)
{
}

void FloydGridModel::setMatrices(std::vector<PathMatrix> matrices, std::string decimalSeparator)
{
    beginResetModel();
    m_matrices = std::move(matrices);
    m_separator = std::move(decimalSeparator);
    m_shown = std::max(0, iterationCount());
    endResetModel();
}

void FloydGridModel::showIteration(int k)
{
    const int shown = std::clamp(k, 0, std::max(0, iterationCount()));
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (!m_matrices.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString FloydGridModel::cellText(int from, int to) const
{
    if (m_matrices.empty())
        return {};
    const PathMatrix& m = m_matrices[size_t(m_shown)];
    return QString::fromStdString(m_kind == Kind::Values ? valueCell(m, from, to, m_separator)
                                                         : nodeCell(m, from, to));
}

QString FloydGridModel::tableText() const
{
    const int n = rowCount();
    QStringList lines;
    for (int i = 0; i <= n; ++i) {
        QStringList cells{i == 0 ? QString() : QString::number(i)};
        for (int j = 1; j <= n; ++j)
            cells << (i == 0 ? QString::number(j) : cellText(i, j));
        lines << cells.join(u'\t');
    }
    return n == 0 ? QString() : lines.join(u'\n') + u'\n';
}

bool FloydGridModel::changed(int from, int to) const
{
    if (m_shown == 0 || m_matrices.empty())
        return false;
    const PathMatrix& before = m_matrices[size_t(m_shown - 1)];
    const PathMatrix& after = m_matrices[size_t(m_shown)];
    return before.value(from, to) != after.value(from, to) ||
           before.node(from, to) != after.node(from, to);
}

int FloydGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_matrices.empty() ? 0 : m_matrices.front().nodeCount();
}

int FloydGridModel::columnCount(const QModelIndex& parent) const
{
    return rowCount(parent);
}

QVariant FloydGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int from = index.row() + 1;
    const int to = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return cellText(from, to);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (changed(from, to)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::AccessibleDescriptionRole:
        return changed(from, to) ? QStringLiteral("berubah pada iterasi ini") : QVariant();
    default:
        return {};
    }
}

QVariant FloydGridModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return section + 1;
}

std::vector<PathMatrix> floydIterations(const Network& network)
{
    std::vector<PathMatrix> matrices;
    matrices.reserve(size_t(network.nodeCount()) + 1);
    PathMatrix m(network, true);
    matrices.push_back(m);
    for (int k = 1; k <= network.nodeCount(); ++k) {
        m.relaxThrough(k);
        matrices.push_back(m);
    }
    return matrices;
}

std::string floydIterationsCsv(const std::vector<PathMatrix>& matrices,
                               const std::string& decimalSeparator)
{
    CsvWriter csv(csvFieldSeparator(decimalSeparator));
    for (size_t k = 0; k < matrices.size(); ++k) {
        const PathMatrix& m = matrices[k];
        const int n = m.nodeCount();
        const std::string title = k == 0 ? std::string("Awal") : "Iterasi " + std::to_string(k);
        for (const bool values : {true, false}) {
            std::vector<std::string> header{title + (values ? " - Nilai" : " - Simpul")};
            for (int j = 1; j <= n; ++j)
                header.push_back(std::to_string(j));
            csv.row(header);
            for (int i = 1; i <= n; ++i) {
                std::vector<std::string> row{std::to_string(i)};
                for (int j = 1; j <= n; ++j)
                    row.push_back(values ? valueCell(m, i, j, decimalSeparator)
                                         : nodeCell(m, i, j));
                csv.row(row);
            }
        }
    }
    return csv.take();
}

} // namespace trayeko::ui
