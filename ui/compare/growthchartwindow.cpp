#include "ui/compare/growthchartwindow.h"

#include "ui/drawing/networkaccessible.h"
#include "ui/export/classroomactions.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/contextmenu.h"
#include "ui/support/keyregistry.h"
#include "ui/support/seams.h"
#include "ui/support/toolwindow.h"
#include "ui/support/utf8.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <algorithm>
#include <cmath>
#include <mutex>
#include <tuple>

namespace trayeko::ui {

namespace {

constexpr AccessibleText kAccessibleTexts[] = {
    {"", nullptr, "Waktu pencarian menurut banyaknya simpul, pada sumbu logaritmik"},
    {"grafik", "Grafik waktu pencarian"},
    {"growthScroller", "Isi jendela grafik waktu"},
    {"tabGrafik", "Grafik atau angka"},
    {"tabelAngka", "Angka grafik waktu",
     "Waktu satu pencarian dalam detik untuk setiap banyaknya simpul, sama dengan berkas CSV"},
    {"ProgressBar1", "Kemajuan pengukuran"},
    {"cmdBatal", "Batal", "Menghentikan pengukuran"},
};

// The keys of the chart and of the network view "Jaringan N simpul", for the help.
constexpr KeyRow kKeys[] = {
    {{}, "Alt+B", "Batal: menghentikan pengukuran grafik waktu"},
    {{}, "Alt+G, Alt+A", "tab Grafik, tab Angka (angka grafik sebagai tabel, sama dengan CSV)"},
    {{},
     "tombol Menu di gambar",
     "menu konteks: Salin gambar, Simpan gambar..., Cetak... (di grafik juga Simpan CSV...)"},
};
const KeyListing kKeysListed(keyplace::kCompareViews,
                             "Jendela \"Jaringan N simpul\" dan \"Grafik waktu\"", kKeys);

// In nanoseconds every time on the chart is a whole number, so the axis labels need neither
// decimals nor an exponent; they are written with the user's digit grouping ("1.000.000").
constexpr double kNanoseconds = 1e9;

// The chart reads best at its design size; on a small screen (a classroom laptop at scale factor
// 2) it shrinks to its minimum, and below that the window's contents scroll.
constexpr QSize kChartSize(820, 480);
constexpr QSize kChartMinimum(480, 300);

// A scroll area that asks for the room its contents want, not a few lines of text.
class ContentsScrollArea final : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

// Bellman–Ford in the purple that marks a negative cycle in "Jaringan Sendiri".
const QColor kCurveColours[kGrowthSearchCount] = {QColor(0, 0, 255), QColor(0, 160, 0),
                                                  QColor(220, 0, 0), QColor(140, 0, 200)};

// The powers of @p base just below and just above the values, as an axis range.
std::pair<double, double> powerRange(double low, double high, double base)
{
    const double b = std::log(base);
    return {std::pow(base, std::floor(std::log(low) / b)),
            std::pow(base, std::ceil(std::log(high) / b + 1e-9))};
}

// The chart as a screen reader meets it: its title, its two axes with their ranges, then each
// curve named with its slope and described by its points, each at its place on the screen.
class GrowthChartAccessible final : public DrawingAccessible
{
public:
    GrowthChartAccessible(QWidget* view, const GrowthChartWindow* window)
        : DrawingAccessible(view, QAccessible::Chart), m_window(window)
    {
    }

    enum Part { Title, XAxis, YAxis, FirstCurve };

    int elementCount() const override { return FirstCurve + int(m_window->curves().size()); }

    QString elementName(int index) const override
    {
        switch (index) {
        case Title:
            return m_window->title();
        case XAxis:
            return QStringLiteral("Sumbu mendatar: ") + m_window->xAxis().title;
        case YAxis:
            return QStringLiteral("Sumbu tegak: ") + m_window->yAxis().title;
        default:
            return curve(index).name.replace(QStringLiteral("<br>"), QStringLiteral(", "));
        }
    }

    QString elementDescription(int index) const override
    {
        const QLocale locale;
        switch (index) {
        case Title:
            return QStringLiteral("Judul grafik");
        case XAxis:
        case YAxis: {
            const LogAxis& axis = index == XAxis ? m_window->xAxis() : m_window->yAxis();
            if (!(axis.low < axis.high))
                return {};
            return QStringLiteral("dari %1 sampai %2")
                .arg(locale.toString(axis.low, 'f', 0), locale.toString(axis.high, 'f', 0));
        }
        default: {
            QStringList points;
            for (const QPointF& p : curve(index).points)
                points << QStringLiteral("%1 simpul: %2 nanodetik")
                              .arg(locale.toString(p.x(), 'f', 0),
                                   locale.toString(p.y(), 'f', 0));
            return points.isEmpty() ? QStringLiteral("tidak ada titik") : points.join(u"; ");
        }
        }
    }

    QRect elementRect(int index) const override
    {
        const QRect view = widget()->rect();
        const GrowthPlot* plot = m_window->plot();
        const QRectF area = plot ? plot->plotArea() : QRectF();
        if (area.isEmpty())
            return view;
        return place(index, *plot, area).toAlignedRect() & view;
    }

    bool elementHighlighted(int) const override { return false; }

    QAccessible::Role elementRole(int index) const override
    {
        return index < FirstCurve ? QAccessible::StaticText : QAccessible::Graphic;
    }

private:
    QRectF place(int index, const GrowthPlot& plot, const QRectF& area) const
    {
        constexpr qreal kAxisRoom = 48; // the axis's numbers and its title
        switch (index) {
        case Title:
            return {0, 0, qreal(widget()->width()), area.top()};
        case XAxis:
            return {area.left(), area.bottom(), area.width(), kAxisRoom};
        case YAxis:
            return {std::max<qreal>(0, area.left() - kAxisRoom), area.top(),
                    std::min(kAxisRoom, area.left()), area.height()};
        default: {
            QRectF around;
            for (const QPointF& p : curve(index).points)
                around |= QRectF(plot.position(p) - QPointF(3, 3), QSizeF(6, 6));
            return around.isEmpty() ? area : around;
        }
        }
    }

    PlotCurve curve(int index) const { return m_window->curves()[index - FirstCurve]; }

    const GrowthChartWindow* m_window;
};

// The property by which the chart's view names the window whose data it shows.
constexpr char kChartWindowProperty[] = "trayekoGrowthChartWindow";

QAccessibleInterface* growthChartFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* window =
        qobject_cast<GrowthChartWindow*>(object->property(kChartWindowProperty).value<QObject*>());
    auto* view = qobject_cast<QWidget*>(object);
    return window && view ? new GrowthChartAccessible(view, window) : nullptr;
}

} // namespace

GrowthChartWindow::GrowthChartWindow(GrowthSeams seams, QWidget* parent)
    : QMdiSubWindow(parent), m_seams(std::move(seams))
{
    setObjectName(QStringLiteral("frmGrafik"));
    setWindowTitle(QStringLiteral("Grafik waktu"));
    makeToolWindow(this);

    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(m_client);

    QString why;
    m_title = QStringLiteral("Waktu satu pencarian menurut banyaknya simpul");
    if (GrowthPlotFactory* factory = m_seams.plot ? m_seams.plot(&why) : nullptr) {
        static std::once_flag installed;
        std::call_once(installed, [] { QAccessible::installFactory(growthChartFactory); });
        m_plot = factory->create(m_title, m_client);
        m_chartView = m_plot->view();
        m_chartView->setProperty(kChartWindowProperty, QVariant::fromValue<QObject*>(this));
        // The drawing area inside takes the focus for the view; it speaks as the chart does.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(m_chartView))
            area->viewport()->setAccessibleName(QStringLiteral("Bidang gambar grafik waktu"));
    } else {
        m_chartView = new QLabel(QStringLiteral("Grafik tidak dapat digambar: %1.").arg(why));
        static_cast<QLabel*>(m_chartView)->setAlignment(Qt::AlignCenter);
    }
    m_chartView->setObjectName(QStringLiteral("grafik"));
    m_chartView->setMinimumSize(kChartMinimum);

    // The numbers beside the picture, for whoever reads rather than looks.
    m_table = new QTableWidget(0, int(growthTableHeader().size()));
    m_table->setObjectName(QStringLiteral("tabelAngka"));
    QStringList header;
    for (const std::string& name : growthTableHeader())
        header << toQString(name);
    m_table->setHorizontalHeaderLabels(header);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabGrafik"));
    m_tabs->addTab(m_chartView, QStringLiteral("&Grafik"));
    m_tabs->addTab(m_table, QStringLiteral("&Angka"));
    layout->addWidget(m_tabs, 1);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblKeterangan"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    auto* row = new QHBoxLayout;
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_cancelButton = new QPushButton(QStringLiteral("&Batal"));
    m_cancelButton->setObjectName(QStringLiteral("cmdBatal"));
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancelButton);
    layout->addLayout(row);
    auto* scroller = new ContentsScrollArea(this);
    scroller->setObjectName(QStringLiteral("growthScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_client);
    setWidget(scroller);
    connect(m_cancelButton, &QPushButton::clicked, this, &GrowthChartWindow::cancel);

    m_actions = installClassroomActions(this, m_chartView, QStringLiteral("grafik-waktu"));
    m_actions->addTableCsv(m_chartView,
                           [this] { return growthCsv(m_rows, regionalDecimalSeparator()); });
    addMenuEntries(m_table, MenuSection::Listing, {m_actions->saveCsvAction()});
    setAccessibleTexts(this, kAccessibleTexts);

    m_status->setText(
        QStringLiteral("Mengukur waktu pencarian pada %1 jaringan ...").arg(m_seams.sizes.size()));
    GrowthControl control;
    control.clock = m_seams.clock;
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancelled;
    control.cancelled = [cancelled] { return cancelled->load(); };
    control.progress = [this](int done, int total) {
        // From the worker thread: the window shows it in its own turn.
        QMetaObject::invokeMethod(
            this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
    };
    connect(&m_watcher, &QFutureWatcher<std::vector<GrowthRow>>::finished, this, [this] {
        m_rows = m_watcher.result();
        showRows();
        emit measured();
    });
    m_watcher.setFuture(QtConcurrent::run(
        [sizes = m_seams.sizes, control] { return measureGrowth(sizes, control); }));
}

QSize GrowthChartWindow::sizeHint() const
{
    return QMdiSubWindow::sizeHint() + (kChartSize - kChartMinimum);
}

GrowthChartWindow::~GrowthChartWindow()
{
    m_cancelled->store(true);
    m_watcher.waitForFinished();
}

QChart* GrowthChartWindow::chart() const
{
    return m_plot ? m_plot->chart() : nullptr;
}

void GrowthChartWindow::cancel()
{
    m_cancelled->store(true);
    m_cancelButton->setEnabled(false);
}

void GrowthChartWindow::showProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_status->setText(QStringLiteral("Mengukur waktu pencarian: %1 dari %2 pengukuran selesai")
                          .arg(done)
                          .arg(total));
}

void GrowthChartWindow::showRows()
{
    m_progress->hide();
    m_cancelButton->hide();
    m_actions->saveCsvAction()->setEnabled(!m_rows.empty());

    const QLocale locale;
    double lowest = HUGE_VAL, highest = 0;
    QList<PlotCurve> curves;
    for (int s = 0; s < kGrowthSearchCount; ++s) {
        const auto search = GrowthSearch(s);
        PlotCurve& curve = curves.emplace_back();
        curve.objectName = QStringLiteral("kurva%1").arg(s + 1);
        for (const GrowthRow& row : m_rows) {
            const double ns = row.secondsOf(search) * kNanoseconds;
            if (!(ns > 0))
                continue;
            curve.points.append(QPointF(row.nodeCount, ns));
            lowest = std::min(lowest, ns);
            highest = std::max(highest, ns);
        }
        const double slope = fittedSlope(m_rows, search, m_seams.slopeFromNodes);
        curve.name = QStringLiteral("%1<br>kemiringan %2")
                         .arg(toQString(growthSearchName(search)),
                              slope != 0 ? locale.toString(slope, 'f', 2) : QStringLiteral("-"));
        // Its bound is nodes × links: on a dense network, where links grow as nodes², the
        // slope is 3; the chart's networks are sparse, so the legend says what it cannot show.
        if (search == GrowthSearch::BellmanFord)
            curve.name += QStringLiteral("<br>(jaringan padat: 3)");
        curve.colour = kCurveColours[s];
    }
    LogAxis x{QStringLiteral("Banyaknya simpul (skala logaritmik)"), 2};
    LogAxis y{QStringLiteral("Waktu (nanodetik, skala logaritmik)"), 10};
    if (!m_rows.empty() && highest > 0) {
        std::tie(x.low, x.high) = powerRange(m_rows.front().nodeCount, m_rows.back().nodeCount, 2);
        std::tie(y.low, y.high) = powerRange(lowest, highest, 10);
    }
    m_curves = curves;
    m_x = x;
    m_y = y;
    if (m_plot)
        m_plot->show(curves, x, y);
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(m_chartView, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }

    const std::string separator = regionalDecimalSeparator();
    m_table->setRowCount(int(m_rows.size()));
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const std::vector<std::string> fields = growthTableFields(m_rows[size_t(r)], separator);
        for (int c = 0; c < int(fields.size()); ++c) {
            auto* item = new QTableWidgetItem(toQString(fields[size_t(c)]));
            if (c + 1 < int(fields.size()))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }

    QStringList notes;
    if (m_cancelled->load())
        notes << QStringLiteral("Pengukuran dibatalkan; grafik memuat %1 dari %2 jaringan.")
                     .arg(m_rows.size())
                     .arg(m_seams.sizes.size());
    const auto disagreeing =
        std::find_if(m_rows.begin(), m_rows.end(), [](const GrowthRow& row) { return !row.agree; });
    if (!m_rows.empty() && disagreeing == m_rows.end())
        notes << QStringLiteral("Keempat pencarian menemukan jarak yang sama di semua %1 "
                                "jaringan: untuk setiap pasangan simpul, dan dari simpul 1.")
                     .arg(m_rows.size());
    else if (!m_rows.empty())
        notes << QStringLiteral("Perhatian: pencarian tidak sepakat pada jaringan %1 simpul.")
                     .arg(disagreeing->nodeCount);
    notes << QStringLiteral("Setiap titik adalah median dari pengulangan; kemiringan adalah "
                            "kemiringan garis lurus pada kedua sumbu logaritmik, dari %1 simpul "
                            "ke atas (3 berarti waktu naik 8 kali bila simpul 2 kali lipat).")
                 .arg(m_seams.slopeFromNodes)
          << QStringLiteral("Bellman\u2013Ford diukur dengan semua n \u2212 1 putarannya, tanpa "
                            "berhenti lebih awal: waktunya sebanding dengan simpul \u00d7 jalur, "
                            "kemiringan 2 pada jaringan jarang ini dan 3 pada jaringan padat.");
    m_status->setText(notes.join(u' '));
}

} // namespace trayeko::ui
