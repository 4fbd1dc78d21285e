#include "ui/dijkstra/detailpanel.h"

#include "ui/dijkstra/dijkstralook.h"
#include "ui/dijkstra/dijkstrasteps.h"
#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"
#include "ui/export/pictureexport.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/fontsizes.h"
#include "ui/support/palette.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"
#include "ui/widgets/textfit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>

namespace trayeko::ui {

namespace {

const QString kShowDetail = QStringLiteral("Tampilan Detail");
const QString kHideDetail = QStringLiteral("Sembunyikan Detail");

// The detail panel opens in 104 steps of 24 twips from 9279 to 11751; the label walks along.
constexpr int kWidenStep = 24;
constexpr int kWidenEnd = 2496;
constexpr int kWidenBase = 9255;
constexpr int kLabelBase = 7300;
constexpr int kLabelClosedLeft = 7560;
constexpr int kLabelTop = 120;
constexpr int kLabelFirstLeft = 7650;
// Right edges that the captions keep to: the drawing's frame while the panel is closed, the
// panel's boxes while it is open.
constexpr int kFrameRight = 9015;
constexpr int kPanelLeft = 9120;
constexpr int kPanelRight = 11535;

// A caption on a transparent background in the window's dark red.
QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, int pixelSize)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(boldFont(l->font(), pixelSize));
    setForeColor(l, kDijkstraDarkRed);
    return l;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, QRect twipsRect)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(pxRect(twipsRect));
    // Reachable by mouse only: Tab passes them by.
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

// The table in a picture: every route's line whole with its "= total", though the screen cuts the
// longer ones at the table's edge. The weights stand in columns set closer than on the screen, in
// the largest size in which all seventeen lines fit the table.
void paintWholeTable(QPainter& painter, QPlainTextEdit* table)
{
    // The frame as on the screen, without the cut lines and the scroll bar.
    table->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const qreal margin = table->document()->documentMargin();
    const QRectF room = QRectF(table->contentsRect()).adjusted(margin, margin / 2, -margin, 0);
    painter.fillRect(table->contentsRect(), table->palette().color(QPalette::Base));

    std::vector<QStringList> lines; // the route's number, its weights, then "= total"
    for (const QString& line : table->toPlainText().split(u'\n', Qt::SkipEmptyParts)) {
        QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        const qsizetype equals = fields.indexOf(QStringLiteral("="));
        if (equals > 0) {
            fields[equals] += u' ' + fields.mid(equals + 1).join(u' ');
            fields.erase(fields.begin() + equals + 1, fields.end());
        }
        lines.push_back(fields);
    }
    if (lines.empty())
        return;

    QFont font = table->font();
    font.setPixelSize(QFontInfo(table->font()).pixelSize());
    std::vector<qreal> left;
    for (;;) {
        const QFontMetricsF metrics(font);
        const qreal gap = metrics.horizontalAdvance(u' ') * 1.5;
        std::vector<qreal> widths;
        for (const QStringList& fields : lines)
            for (qsizetype i = 0; i + 1 < fields.size(); ++i) { // the total is no column
                if (size_t(i) >= widths.size())
                    widths.push_back(0);
                widths[size_t(i)] =
                    std::max(widths[size_t(i)], metrics.horizontalAdvance(fields[i]));
            }
        left.assign(1, room.left());
        for (qreal w : widths)
            left.push_back(left.back() + w + gap);
        qreal need = 0;
        for (const QStringList& fields : lines) {
            const size_t last = size_t(fields.size() - 1);
            const qreal start = last == 0 ? room.left() : left[last - 1] + widths[last - 1] + gap;
            need = std::max(need, start + metrics.horizontalAdvance(fields.back()) - room.left());
        }
        const bool fits =
            need <= room.width() && qreal(lines.size()) * metrics.lineSpacing() <= room.height();
        if (fits || font.pixelSize() <= 1)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }

    painter.setFont(font);
    painter.setPen(table->palette().color(QPalette::Text));
    const qreal line = QFontMetricsF(font).lineSpacing();
    for (size_t row = 0; row < lines.size(); ++row) {
        const QStringList& fields = lines[row];
        const qreal top = room.top() + qreal(row) * line;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            // "= total" follows its line's last weight, as on the screen.
            qreal x = left[size_t(i)];
            if (i == fields.size() - 1 && i > 0)
                x = left[size_t(i - 1)] + QFontMetricsF(font).horizontalAdvance(fields[i - 1]) +
                    QFontMetricsF(font).horizontalAdvance(u' ') * 1.5;
            painter.drawText(QRectF(x, top, room.right() - x + 1, line),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fields[i]);
        }
    }
}

// The header L1 ... L7 in a picture: each name centred over its box, whatever the spacing of its
// text on the screen.
void paintLabelsHeader(QPainter& painter, QLabel* header,
                       const std::array<QLineEdit*, kNodeCount>& boxes)
{
    const QRect rect = header->rect();
    painter.fillRect(rect, header->palette().color(QPalette::Window));
    QFont font = header->font();
    font.setWordSpacing(0);
    painter.setFont(font);
    painter.setPen(header->palette().color(QPalette::WindowText));
    for (int n = 0; n < kNodeCount; ++n) {
        const QRect box = boxes[size_t(n)]->geometry().translated(-header->pos());
        painter.drawText(QRectF(box.left(), rect.top(), box.width(), rect.height()),
                         Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("L%1").arg(n + 1));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
}

// What a screen reader says for the panel's controls.
constexpr AccessibleText kAccessibleTexts[] = {
    {"Tabeldata", "Tabel jalur pencarian", "Ketujuh belas lintasan dengan bobot dan totalnya"},
    {"lblnojalur", nullptr, "Nomor lintasan terpilih"},
    {"txtjalur", "Bobot lintasan terpilih"},
    {"txtsimpul", "Simpul yang dilalui"},
    {"Label31", "Kepala kolom panjang lintasan terpendek L1 sampai L7"},
};

} // namespace

DetailPanel::DetailPanel(NetworkWindow* window, QWidget* client, QWidget* bannerStrip,
                         QWidget* tabPredecessor, StepMode* steps)
    : QObject(window), m_window(window), m_view(window->network()), m_client(client),
      m_tabPredecessor(tabPredecessor), m_steps(steps)
{
    setObjectName(QStringLiteral("detailPanel"));
    m_toggle = makeCaption(bannerStrip, QStringLiteral("lbltabel"), kShowDetail, kPx825);
    m_toggle->move(px(kLabelFirstLeft), px(kLabelTop));
    narrowLabelToFit(m_toggle, px(kFrameRight - kLabelFirstLeft));
    m_toggle->installEventFilter(this);
    // The toggle answers the mouse only; from the keyboard Ctrl+D, anywhere in the window, does
    // the same and leaves the label's look alone.
    auto* key = new QShortcut(QKeySequence(kDetailPanelKey.key), window, this, &DetailPanel::toggle,
                              Qt::WidgetWithChildrenShortcut);
    key->setObjectName(QStringLiteral("detailShortcut"));
}

void DetailPanel::buildAfterFirstPaint()
{
    if (!m_table)
        m_view->installEventFilter(this);
}

void DetailPanel::build()
{
    if (m_table)
        return;
    m_view->removeEventFilter(this);
    const QObjectList before = m_client->children();
    buildResults();
    buildTotalBoxes();
    // Children made after their parent was shown stay hidden until shown; those hidden on
    // purpose stay so.
    for (QObject* child : m_client->children())
        if (auto* w = qobject_cast<QWidget*>(child);
            w && !before.contains(child) && !w->testAttribute(Qt::WA_WState_ExplicitShowHide))
            w->show();
    showOpenOnly();
    QWidget::setTabOrder(m_tabPredecessor, m_table);
    setAccessibleTexts(m_client, kAccessibleTexts);
    new RoutePreview(m_window, m_table, m_steps);
}

void DetailPanel::buildResults()
{
    QWidget* client = m_client;
    const QObjectList before = client->children();
    auto* caption =
        makeCaption(client, QStringLiteral("Label27"), QStringLiteral("Jalur Pencarian"), kPx975);
    caption->setGeometry(pxRect({9480, 480, 1665, 240}));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_table = new QPlainTextEdit(client);
    m_table->setObjectName(QStringLiteral("Tabeldata"));
    m_table->setGeometry(pxRect({9120, 720, 2415, 3735}));
    m_table->setReadOnly(true);
    m_table->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->setTabChangesFocus(true);
    m_table->setFocusPolicy(Qt::StrongFocus);
    setBackColor(m_table, Qt::black);
    setForeColor(m_table, QColor(0, 255, 0));

    m_routeNumberLabel =
        makeCaption(client, QStringLiteral("lblnojalur"), QStringLiteral("Jalur"), kPx825);
    m_routeNumberLabel->move(px(9120), px(4560));
    narrowLabelToFit(m_routeNumberLabel, px(kPanelRight - kPanelLeft));

    const QColor cyan(0, 255, 255);
    m_routeWeightsBox = makeBox(client, QStringLiteral("txtjalur"), QRect(9120, 4800, 2415, 285));
    m_routeWeightsBox->setReadOnly(true);
    setBackColor(m_routeWeightsBox, cyan);

    auto* nodesCaption = makeCaption(client, QStringLiteral("Label28"),
                                     QStringLiteral("Simpul yang dilalui"), kPx825);
    nodesCaption->setGeometry(pxRect({9120, 5160, 1815, 255}));

    m_routeNodesBox = makeBox(client, QStringLiteral("txtsimpul"), QRect(9120, 5400, 2415, 285));
    m_routeNodesBox->setReadOnly(true);
    setBackColor(m_routeNodesBox, cyan);

    auto* labelsCaption = makeCaption(client, QStringLiteral("Label30"),
                                      QStringLiteral("Panjang lintasan terpendek"), kPx825);
    labelsCaption->move(px(9120), px(5760));
    narrowLabelToFit(labelsCaption, px(kPanelRight - kPanelLeft));

    auto* labelsHeader =
        new QLabel(QStringLiteral("  L1   L2    L3    L4   L5    L6   L7"), client);
    labelsHeader->setObjectName(QStringLiteral("Label31"));
    labelsHeader->setGeometry(pxRect({9120, 6015, 2415, 300}));
    labelsHeader->setFrameShape(QFrame::Box);
    labelsHeader->setLineWidth(1);
    setBackColor(labelsHeader, QColor(192, 192, 192));

    static constexpr std::array<int, kNodeCount> kLabelLefts{9120,  9460,  9810, 10150,
                                                             10500, 10850, 11190};
    for (int n = 0; n < kNodeCount; ++n) {
        m_nodeLabels[size_t(n)] = makeBox(client, QStringLiteral("txtplt%1").arg(n + 1),
                                          QRect(kLabelLefts[size_t(n)], 6240, 350, 285));
        setBackColor(m_nodeLabels[size_t(n)], QColor(128, 255, 255));
        explainClippedText(m_nodeLabels[size_t(n)]);
        m_nodeLabels[size_t(n)]->setAccessibleName(
            QStringLiteral("Panjang lintasan terpendek ke simpul %1").arg(n + 1));
    }
    for (QLineEdit* box : {m_routeWeightsBox, m_routeNodesBox})
        explainClippedText(box);
    alignLastWord(labelsHeader, m_nodeLabels.back());

    QPlainTextEdit* table = m_table;
    setPicturePainter(table, [table](QPainter& painter) { paintWholeTable(painter, table); });
    setPicturePainter(labelsHeader, [labelsHeader, boxes = m_nodeLabels](QPainter& painter) {
        paintLabelsHeader(painter, labelsHeader, boxes);
    });
    for (QObject* child : client->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && w != m_table && !before.contains(child))
            m_openOnly << w;
}

bool DetailPanel::isOpen() const
{
    return m_toggle->text() == kHideDetail;
}

void DetailPanel::showOpenOnly()
{
    for (QWidget* w : std::as_const(m_openOnly))
        w->setVisible(isOpen());
}

void DetailPanel::buildTotalBoxes()
{
    QWidget* client = m_client;
    for (int k = 1; k <= kRouteCount; ++k) {
        const int top = 240 * (k - 1);
        QLineEdit* box = makeBox(client, QStringLiteral("h%1").arg(k), QRect(12240, top, 375, 285));
        box->setAccessibleName(QStringLiteral("Total lintasan %1").arg(k));
        m_totalBoxes[size_t(k - 1)] = box;
        auto* label =
            new QLabel(k == 10 ? QStringLiteral("10") : QStringLiteral("h%1").arg(k), client);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 7));
        label->setGeometry(pxRect({11880, top, 375, 255}));
        // Beyond the client's right edge even with the panel open: nobody sees them, so a
        // screen reader must not report them as showing either. Their texts stay readable.
        box->hide();
        label->hide();
    }
}

bool DetailPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The drawing is on the screen; the panel follows before any key can reach it. (The toggle
    // also reports here while the window is being taken down: m_window is not asked then.)
    if (watched == m_view && event->type() == QEvent::Paint) {
        m_view->removeEventFilter(this);
        QTimer::singleShot(0, this, &DetailPanel::build);
    }
    if (watched == m_toggle && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_toggle->rect().contains(mouse->position().toPoint())) {
            toggle();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void DetailPanel::toggle()
{
    build();
    if (m_toggle->text() == kShowDetail) {
        m_toggle->setText(kHideDetail);
        narrowLabelToFit(m_toggle, px(kPanelRight - (kLabelBase + kWidenEnd)));
        for (int i = kWidenStep; i <= kWidenEnd; i += kWidenStep) {
            m_window->setOuterWidthTwips(kWidenBase + i);
            m_toggle->move(px(kLabelBase + i), px(kLabelTop));
        }
    } else {
        m_toggle->setText(kShowDetail);
        narrowLabelToFit(m_toggle, px(kFrameRight - kLabelFirstLeft));
        m_toggle->move(px(kLabelClosedLeft), px(kLabelTop));
        m_window->setOuterWidthTwips(kClosedWidthTwips);
    }
    showOpenOnly();
    m_window->centreOnScreen();
}

void DetailPanel::showRoute(int routeNumber, const QString& nodes, const QString& weights)
{
    build();
    m_routeNodesBox->setText(nodes);
    m_routeWeightsBox->setText(weights);
    for (QLineEdit* box : {m_routeNodesBox, m_routeWeightsBox})
        fitBoxText(box, m_window->widget()->font(), kResultBoxLimits);
    m_routeNumberLabel->setText(toQString(routeNumberText(routeNumber)));
    narrowLabelToFit(m_routeNumberLabel, px(kPanelRight - kPanelLeft));
}

QString DetailPanel::routeWeights() const
{
    if (!m_routeWeightsBox)
        return {};
    return m_routeWeightsBox->text();
}

void DetailPanel::showTable(const QString& text)
{
    build();
    m_table->setPlainText(text);
}

void DetailPanel::showShortestDistances(const std::array<std::string, kNodeCount>& texts)
{
    build();
    for (size_t n = 0; n < texts.size(); ++n)
        m_nodeLabels[n]->setText(toQString(texts[n]));
}

void DetailPanel::showTotals(const std::array<std::string, kRouteCount>& totals)
{
    build();
    for (size_t k = 0; k < totals.size(); ++k)
        m_totalBoxes[k]->setText(toQString(totals[k]));
}

QList<QWidget*> DetailPanel::results() const
{
    if (!m_table)
        return {};
    QList<QWidget*> widgets{m_table, m_routeNumberLabel, m_routeWeightsBox, m_routeNodesBox};
    widgets.append(QList<QWidget*>(m_nodeLabels.begin(), m_nodeLabels.end()));
    widgets.append(QList<QWidget*>(m_totalBoxes.begin(), m_totalBoxes.end()));
    return widgets;
}

} // namespace trayeko::ui
