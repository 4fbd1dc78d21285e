#include "ui/compare/frmdata.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <vector>

using trayeko::ClockReading;
using trayeko::ui::frmData;

namespace {

// One value set on a progress bar, with what both report boxes showed at that moment.
struct Update
{
    int bar; // 1 or 2
    int value;
    bool visible;
    QString dijkstraText;
    QString floydText;
};

// The window opened inside an MDI area, as the main window shows it, with every progress update
// of both bars recorded in order.
class Opened
{
public:
    explicit Opened(std::int64_t clockStep = 0)
    {
        window = new frmData;
        window->setClock([this, clockStep] {
            ClockReading reading{now};
            now += clockStep;
            return reading;
        });
        area.addSubWindow(window);
        area.resize(800, 600);
        area.show();
        window->show();
        record(1, bar(1));
        record(2, bar(2));
    }

    template <typename T> T* find(const char* name) const
    {
        auto* child = window->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QProgressBar* bar(int n) const
    {
        return find<QProgressBar>(n == 1 ? "ProgressBar1" : "ProgressBar2");
    }
    QString dijkstraText() const { return find<QPlainTextEdit>("txthasiltrayeko")->toPlainText(); }
    QString floydText() const { return find<QPlainTextEdit>("txthasilfloyd")->toPlainText(); }

    // Picks item @p index from the opened list and confirms it with Enter, as a user does; this
    // also chooses an item that is already selected.
    void choose(const char* comboName, int index)
    {
        auto* combo = find<QComboBox>(comboName);
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->model()->index(index, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
    }

    int count(int barNumber) const
    {
        return int(std::count_if(updates.begin(), updates.end(),
                                 [barNumber](const Update& u) { return u.bar == barNumber; }));
    }

    std::vector<Update> updates;
    std::int64_t now = 7000;
    QMdiArea area;
    QPointer<frmData> window;

private:
    void record(int number, QProgressBar* progress)
    {
        QObject::connect(progress, &QProgressBar::valueChanged, window, [=, this](int value) {
            // The texts only matter where a bar starts; copying them on every step would make the
            // recording slower than the run.
            const bool first = value == 0;
            updates.push_back({number, value, progress->isVisible(),
                               first ? dijkstraText() : QString(),
                               first ? floydText() : QString()});
        });
    }
};

// The offscreen platform cannot raise the opened list or grab the keyboard for it; it says so
// on every choice, which buries the useful output.
QtMessageHandler previousHandler = nullptr;

void quietPopups(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

QString report(const char* firstLine, const char* seconds)
{
    return QString::fromUtf8(firstLine) + QStringLiteral("\nSelesai pencarian dalam: ") +
           QString::fromUtf8(seconds) + QStringLiteral(" detik");
}

// Checks that the updates of one bar run from 0 to @p steps, one by one, while the bar shows.
void checkRun(const std::vector<Update>& updates, std::size_t from, int bar, int steps)
{
    QVERIFY(updates.size() >= from + std::size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const Update& u = updates[from + std::size_t(i)];
        if (u.bar != bar || u.value != i || !u.visible)
            QFAIL(qPrintable(QStringLiteral("update %1 of bar %2: bar %3 value %4 visible %5")
                                 .arg(i)
                                 .arg(bar)
                                 .arg(u.bar)
                                 .arg(u.value)
                                 .arg(u.visible)));
    }
}

} // namespace

class Tst_compare final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietPopups); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void openingState();
    void tabOrder();
    void bothSides_data();
    void bothSides();
    void elapsedTimes_data();
    void elapsedTimes();
    void dijkstraSideLeavesFloydReport();
    void sameSizeAgainEmptiesBothBoxesFirst();
    void typingStartsNothing();
    void keluarClosesAndReopensFresh();
    void scenario4Speed();
};

void Tst_compare::openingState()
{
    Opened w;
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Compare Multinode"));
    QVERIFY(w.window->testAttribute(Qt::WA_DeleteOnClose));
    const Qt::WindowFlags flags = w.window->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(flags & Qt::WindowCloseButtonHint);

    // Client area 4710 x 5190 twips inside a border that cannot be dragged wider.
    QCOMPARE(w.window->widget()->size(), QSize(314, 346));
    QCOMPARE(w.window->minimumSize(), w.window->maximumSize());
    QVERIFY(w.window->size().width() > 314);
    QCOMPARE(w.find<QWidget>("Frame1")->geometry().left(), 408);

    QVERIFY(w.dijkstraText().isEmpty());
    QVERIFY(w.floydText().isEmpty());
    QVERIFY(w.bar(1)->isHidden());
    QVERIFY(w.bar(2)->isHidden());
    const QStringList items = {"Empat Simpul --- (4)", "Enam Simpul --- (6)",
                               "Sepuluh Simpul --- (10)", "Limabelas Simpul --- (15)",
                               "Duapuluh Simpul --- (20)"};
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* combo = w.find<QComboBox>(name);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->placeholderText(), QStringLiteral("Pilih Banyaknya Simpul"));
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
    }
    QCOMPARE(w.find<QPushButton>("cmdKeluar")->text(), QStringLiteral("&Keluar"));
}

void Tst_compare::tabOrder()
{
    Opened w;
    QStringList order;
    QWidget* start = w.find<QWidget>("txthasiltrayeko");
    QWidget* current = start;
    do {
        if ((current->focusPolicy() & Qt::TabFocus) && w.window->widget()->isAncestorOf(current))
            order << current->objectName();
        current = current->nextInFocusChain();
    } while (current != start);
    QCOMPARE(order,
             QStringList({"txthasiltrayeko", "cmdKeluar", "Combo1", "Combo2", "txthasilfloyd"}));
}

void Tst_compare::bothSides_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("dijkstraSteps");
    QTest::addColumn<int>("floydSteps");
    QTest::addColumn<QString>("dijkstraReport");
    QTest::addColumn<QString>("floydReport");

    const char* floyd = "simpul terpendek %1, dan simpul yang dilalui ";
    const auto row = [&](const char* name, int index, int dSteps, int fSteps, const char* dLine,
                         int shortest) {
        QTest::newRow(name) << index << dSteps << fSteps << report(dLine, "0")
                            << report(qPrintable(QString::fromUtf8(floyd).arg(shortest)), "0");
    };
    row("4 nodes", 0, 500, 300, "Simpul terpendek 12, dan simpul yang dilalui 1, 2, dan 5", 12);
    row("6 nodes", 1, 1000, 1000, "Simpul terpendek 12, dan simpul yang dilalui ", 12);
    row("10 nodes", 2, 2000, 1500, "Simpul terpendek 23, dan simpul yang dilalui ", 23);
    row("15 nodes", 3, 4000, 2000, "Simpul terpendek 38, dan simpul yang dilalui ", 38);
    row("20 nodes, lower-case label", 4, 6000, 2500,
        "simpul terpendek 33, dan simpul yang dilalui ", 33);
}

void Tst_compare::bothSides()
{
    QFETCH(int, index);
    QFETCH(int, dijkstraSteps);
    QFETCH(int, floydSteps);
    QFETCH(QString, dijkstraReport);
    QFETCH(QString, floydReport);

    Opened w;
    w.choose("Combo2", index);

    // ProgressBar1 plays fully, then ProgressBar2, and nothing else.
    QCOMPARE(int(w.updates.size()), dijkstraSteps + floydSteps + 2);
    checkRun(w.updates, 0, 1, dijkstraSteps);
    checkRun(w.updates, std::size_t(dijkstraSteps) + 1, 2, floydSteps);
    // The Dijkstra report is written before the Floyd bar starts.
    const Update& floydStart = w.updates[std::size_t(dijkstraSteps) + 1];
    QCOMPARE(floydStart.dijkstraText, dijkstraReport);
    QVERIFY(floydStart.floydText.isEmpty());

    QVERIFY(w.bar(1)->isHidden());
    QVERIFY(w.bar(2)->isHidden());
    QCOMPARE(w.bar(1)->value(), dijkstraSteps);
    QCOMPARE(w.bar(2)->value(), floydSteps);
    QCOMPARE(w.dijkstraText(), dijkstraReport);
    QCOMPARE(w.floydText(), floydReport);
}

void Tst_compare::elapsedTimes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("clockStep");
    QTest::addColumn<QString>("dijkstraSeconds");
    QTest::addColumn<QString>("floydSeconds");

    // The clock advances by clockStep at every reading. The Floyd side reads first and last, so
    // its interval holds the whole Dijkstra side.
    const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    QTest::newRow("no time passes") << QLocale::c() << qint64(0) << "0"
                                    << "0";
    QTest::newRow("milliseconds, comma") << indonesian << qint64(250) << "0,25"
                                         << "0,75";
    QTest::newRow("seconds, point") << QLocale::c() << qint64(1500) << "1.5"
                                    << "4.5";
}

void Tst_compare::elapsedTimes()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, clockStep);
    QFETCH(QString, dijkstraSeconds);
    QFETCH(QString, floydSeconds);

    QLocale::setDefault(locale);
    Opened w(clockStep);
    w.choose("Combo2", 0);
    QVERIFY(w.dijkstraText().endsWith(
        QStringLiteral("\nSelesai pencarian dalam: %1 detik").arg(dijkstraSeconds)));
    QVERIFY(w.floydText().endsWith(
        QStringLiteral("\nSelesai pencarian dalam: %1 detik").arg(floydSeconds)));
}

void Tst_compare::dijkstraSideLeavesFloydReport()
{
    Opened w(1000);
    w.choose("Combo2", 1);
    const QString floydBefore = w.floydText();
    w.updates.clear();

    // Combo1 lies outside the visible area; the keyboard reaches it and Down picks the first size.
    QTest::keyClick(w.find<QComboBox>("Combo1"), Qt::Key_Down);
    QCOMPARE(w.count(1), 501);
    QCOMPARE(w.count(2), 0);
    QVERIFY(w.updates.front().dijkstraText.isEmpty());
    QCOMPARE(w.updates.front().floydText, floydBefore);
    QCOMPARE(w.dijkstraText(),
             report("Simpul terpendek 12, dan simpul yang dilalui 1, 2, dan 5", "1"));
    QCOMPARE(w.floydText(), floydBefore);
    QVERIFY(w.bar(1)->isHidden());
}

void Tst_compare::sameSizeAgainEmptiesBothBoxesFirst()
{
    Opened w(1000);
    w.choose("Combo2", 0);
    const QString firstDijkstra = w.dijkstraText();
    w.updates.clear();

    w.choose("Combo2", 0);
    QCOMPARE(int(w.updates.size()), 802);
    QVERIFY(w.updates.front().dijkstraText.isEmpty());
    QVERIFY(w.updates.front().floydText.isEmpty());
    // The same first line comes back; only the measured time may differ.
    QCOMPARE(w.dijkstraText().section(QLatin1Char('\n'), 0, 0),
             firstDijkstra.section(QLatin1Char('\n'), 0, 0));
}

void Tst_compare::typingStartsNothing()
{
    Opened w;
    auto* combo = w.find<QComboBox>("Combo2");
    QTest::keyClicks(combo, QStringLiteral("Enam"));
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(w.updates.empty());
    QVERIFY(w.dijkstraText().isEmpty());

    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(int(w.updates.size()), 802);
}

void Tst_compare::keluarClosesAndReopensFresh()
{
    auto w = std::make_unique<Opened>();
    w->choose("Combo2", 0);
    QTest::mouseClick(w->find<QPushButton>("cmdKeluar"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w->window.isNull());
    QVERIFY(w->area.subWindowList().isEmpty());

    Opened again;
    QCOMPARE(again.find<QComboBox>("Combo1")->count(), 5);
    QCOMPARE(again.find<QComboBox>("Combo2")->count(), 5);
    QVERIFY(again.dijkstraText().isEmpty());
}

// The largest scenario, 8502 progress updates, as the user sees it; the recorder stays off.
void Tst_compare::scenario4Speed()
{
    QMdiArea area;
    auto* window = new frmData;
    area.addSubWindow(window);
    area.show();
    window->show();
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("Combo2"));
    combo->setCurrentIndex(3);
    QBENCHMARK
    {
        emit combo->activated(4);
    }
    QCOMPARE(window->findChild<QProgressBar*>(QStringLiteral("ProgressBar2"))->value(), 2500);
}

QTEST_MAIN(Tst_compare)
#include "tst_compare.moc"
