// Long offscreen sessions: the tool windows opened and closed over and over through the menu, and
// thousands of runs on whatever a person might type or paste into the weight boxes.
//
// The default size suits a CI run. TRAYEKO_STRESS_FULL=1 runs the full size (1000 cycles of each
// window, 10 000 runs); TRAYEKO_STRESS_CYCLES, TRAYEKO_STRESS_RUNS and TRAYEKO_STRESS_CHOICES
// override single counts, TRAYEKO_STRESS_SEED the random seed. The full size can outlast Qt
// Test's five minutes per test function: raise QTEST_FUNCTION_TIMEOUT (milliseconds) for it.

#include "core/demonetwork.h"
#include "core/numbertext.h"
#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/floyd/floydwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/support/utf8.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <random>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace trayeko::ui;
using Texts = std::array<QString, trayeko::kLinkCount>;

namespace {

// AddressSanitizer keeps freed memory in quarantine, so memory sizes say nothing about leaks
// there; LeakSanitizer checks them instead.
#if defined(__SANITIZE_ADDRESS__)
#define STRESS_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STRESS_UNDER_ASAN 1
#endif
#endif
#if defined(STRESS_UNDER_ASAN)
constexpr bool kMemorySizesMeaningful = false;
#else
constexpr bool kMemorySizesMeaningful = true;
#endif

int count(const char* variable, int fullSize, int ciSize)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(variable, &ok);
    if (ok && value > 0)
        return value;
    return qEnvironmentVariableIntValue("TRAYEKO_STRESS_FULL") == 1 ? fullSize : ciSize;
}

struct Memory
{
    qint64 residentKiB = -1;
    qint64 heapBytes = -1; // in use, not counting what the allocator keeps in reserve
};

Memory memoryNow()
{
    Memory m;
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = statm.readAll().split(' ');
        if (fields.size() > 1)
            m.residentKiB = fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
    }
#if defined(__GLIBC__) && !defined(STRESS_UNDER_ASAN)
    m.heapBytes = qint64(mallinfo2().uordblks);
#endif
    return m;
}

// Between iterations only: lets painting and the deletion of closed windows happen.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Weight-box texts from a fixed seed: mostly numbers written the many ways the boxes accept,
// with signs, zeros, huge exponents and trailing junk now and then, some plain noise (control
// characters, emoji, lone surrogates, other scripts' digits) and the odd pasted essay.
class WeightTexts
{
public:
    explicit WeightTexts(std::uint32_t seed) : rng_(seed) {}

    Texts next()
    {
        static constexpr std::array<double, 5> kWildness{0, 0, 0.02, 0.2, 1};
        const double wild = kWildness[size_t(pick(kWildness.size()))];
        Texts texts;
        for (QString& text : texts)
            text = chance(1.0 / 300) ? longText() : chance(wild) ? noise() : number();
        return texts;
    }

private:
    int pick(size_t n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    QString digits(int most, const char* set = "0123456789")
    {
        const size_t base = std::strlen(set);
        QString out;
        for (int k = 1 + pick(size_t(most)); k > 0; --k) {
            out += QLatin1Char(set[pick(base)]);
            if (chance(0.05))
                out += QLatin1Char(chance(0.5) ? ' ' : '\t');
        }
        return out;
    }

    QString number()
    {
        QString out = chance(0.1) ? QStringLiteral("  ") : QString();
        if (chance(0.01))
            out += QLatin1Char('-');
        else if (chance(0.05))
            out += QLatin1Char('+');
        if (chance(0.01)) {
            out += QLatin1Char('0');
        } else if (chance(0.05)) {
            out += chance(0.5) ? QStringLiteral("&H") + digits(18, "0123456789abcdefABCDEF")
                               : QStringLiteral("&o") + digits(24, "01234567");
        } else {
            out += QString::number(1 + pick(99));
            if (chance(0.3))
                out += QLatin1Char('.') + digits(12);
            if (chance(0.1))
                out += QLatin1Char("EeDd"[pick(4)]) + QString(chance(0.5) ? "-" : "") +
                       (chance(0.05) ? QStringLiteral("99999999999999999999") : digits(3));
        }
        if (chance(0.05))
            out += noise();
        return out;
    }

    QString noise()
    {
        static const QStringList pieces =
            QStringLiteral(
                "-|+|&H|&h|&O|&o|&|E|e|D|d|.|,| |\t|\r\n|\n|0|1|9|F|7|1e308|1e-400|"
                "e99999999999|😀|👩‍👩‍👧|🇮🇩|\u0301|٣|１|∞|NaN|Inf|ß|"
                "\u200b|\u00a0|\u2212|\u202e|\uFEFF")
                .split(QLatin1Char('|'));
        QString out;
        for (int k = pick(40); k > 0; --k) {
            switch (pick(4)) {
            case 0:
                out += QChar(char16_t(chance(0.9) ? pick(32) : 0x7f));
                break;
            case 1:
                out += QChar(char16_t(0xD800 + pick(0x800)));
                break;
            case 2:
                out += QChar(char16_t(pick(0xD800)));
                break;
            default:
                out += pieces[pick(size_t(pieces.size()))];
            }
        }
        return out;
    }

    // Up to the 32 767 characters a line box holds: a number followed by digits between blanks,
    // by zeros, or by noise and numbers over and over.
    QString longText()
    {
        const int length = 1 + pick(32767);
        QString unit;
        switch (pick(3)) {
        case 0:
            unit = QStringLiteral("1 2 3 4 5 6 7 8 9 ");
            break;
        case 1:
            unit = QStringLiteral("0");
            break;
        default:
            unit = noise() + number();
        }
        QString out = number();
        while (out.size() < length && !unit.isEmpty())
            out += unit;
        return out.left(length);
    }

    std::mt19937 rng_;
};

// The main window with a fixed date and time, as a person sees it.
struct Frame
{
    Frame()
    {
        frame.show();
        settle();
    }
    QAction* entry(const QString& name) const { return frame.findChild<QAction*>(name); }
    template <class Window> Window* open(const QString& entryName)
    {
        entry(entryName)->trigger();
        return qobject_cast<Window*>(frame.mdiArea()->activeSubWindow());
    }

    MainWindow frame{FrameSources{[] { return QDateTime(QDate(2003, 9, 2), QTime(11, 50, 41)); },
                                  [] { return std::optional<bool>(); }}};
};

template <class T = QWidget> T* child(QObject* window, const QString& name)
{
    auto* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString text(QObject* window, const QString& name)
{
    return child<QLabel>(window, name)->text();
}

// Everything a Dijkstra run could change.
QStringList dijkstraState(DijkstraWindow* w)
{
    QStringList s;
    for (auto* l : w->findChildren<QLabel*>())
        s << l->objectName() + '=' + l->text() + (l->isVisibleTo(w) ? "" : " hidden");
    for (auto* e : w->findChildren<QLineEdit*>())
        s << e->objectName() + '=' + e->text();
    s << child<QPlainTextEdit>(w, "Tabeldata")->toPlainText();
    for (const auto& node : trayeko::ui::nodeLayouts())
        s << w->network()->elementColor(toQString(node.shapeName)).name();
    for (const auto& link : trayeko::ui::linkLayouts()) {
        for (const auto& line : link.lines())
            s << w->network()->elementColor(toQString(line.name)).name();
        s << w->network()->elementColor(toQString(link.weightBox)).name();
    }
    auto* bar = child<QProgressBar>(w, "proses1");
    s << QStringLiteral("%1 %2 %3")
             .arg(bar->isVisibleTo(w))
             .arg(bar->value())
             .arg(child<QTimer>(w, "Timer1")->isActive());
    return s;
}

// What is wrong with a complete Dijkstra result, if anything.
QString dijkstraResultFault(DijkstraWindow* w, const std::string& separator)
{
    const QString caption = text(w, "lbljmljarak");
    if (!caption.startsWith(QStringLiteral("Total jarak = ")))
        return "total " + caption;
    if (!text(w, "lblwaktu").startsWith(QStringLiteral("Selesai pencarian dalam: ")))
        return "time " + text(w, "lblwaktu");
    std::array<double, trayeko::kRouteCount> totals{};
    for (int k = 1; k <= trayeko::kRouteCount; ++k) {
        const QString total = child<QLineEdit>(w, QStringLiteral("h%1").arg(k))->text();
        if (total.isEmpty())
            return QStringLiteral("h%1 empty").arg(k);
        totals[size_t(k - 1)] = trayeko::readBackNumber(total.toStdString(), separator);
    }
    const int chosen = text(w, "lblnojalur").section(' ', -1).toInt();
    if (chosen < 1 || chosen > trayeko::kRouteCount)
        return text(w, "lblnojalur");
    const QString chosenText = child<QLineEdit>(w, QStringLiteral("h%1").arg(chosen))->text();
    if (caption != "Total jarak = " + chosenText)
        return caption + " for route " + QString::number(chosen) + " totalling " + chosenText;
    for (double total : totals)
        if (total < totals[size_t(chosen - 1)])
            return QStringLiteral("route %1 is not the shortest").arg(chosen);
    return {};
}

QString shortened(const Texts& texts)
{
    QStringList out;
    for (const QString& t : texts)
        out << (t.size() > 40 ? t.left(40) + QStringLiteral("…(%1)").arg(t.size()) : t);
    return out.join(QStringLiteral(" | "));
}

// The three tool windows opened through the menu, with a recording message box and clocks that
// advance 3 ms at every reading.
struct Session
{
    Session()
    {
        if (!dijkstra || !floyd || !compare)
            return;
        dijkstra->setMessageBox([this](QWidget*, const QString& title, const QString& message) {
            messages << title + ": " + message;
        });
        const auto clock = [this] { return trayeko::ClockReading{ms += 3}; };
        dijkstra->setClock(clock);
        floyd->setClock(clock);
        compare->setClock([this] { return (ms += 3) * 1'000'000; });
    }

    // Short texts in every box, so that no long text's layout counts towards the memory in use.
    Memory rest()
    {
        for (QMdiSubWindow* w : std::array<QMdiSubWindow*, 2>{dijkstra, floyd})
            for (auto* box : w->findChildren<QLineEdit*>())
                box->setText(QStringLiteral("1"));
        settle();
        return memoryNow();
    }

    Frame f;
    QPointer<DijkstraWindow> dijkstra = f.open<DijkstraWindow>("mnudijktra");
    QPointer<FloydWindow> floyd = f.open<FloydWindow>("mnufloyd");
    QPointer<CompareWindow> compare = f.open<CompareWindow>("mnucompare");
    QStringList messages;
    qint64 ms = 0;
    int refused = 0;
};

// @p runs runs on random texts from @p seed in both windows, and a comparison choice every
// @p every runs.
void play(Session& s, std::uint32_t seed, int runs, int every)
{
    WeightTexts source(seed);
    std::mt19937 choice(seed);
    const std::array<QLocale, 2> locales{QLocale::c(), QLocale(QLocale::German)};
    for (int run = 1; run <= runs; ++run) {
        const Texts texts = source.next();
        const QLocale& locale = locales[choice() % 2];
        QLocale::setDefault(locale);
        const std::string separator = locale.decimalPoint().toStdString();
        const QString where =
            QStringLiteral("run %1, seed %2: %3").arg(run).arg(seed).arg(shortened(texts));

        for (int k = 1; k <= trayeko::kLinkCount; ++k)
            child<QLineEdit>(s.dijkstra, QStringLiteral("j%1").arg(k))->setText(texts[k - 1]);
        for (const char* name : {"lbljmljarak", "lblwaktu"})
            child<QLabel>(s.dijkstra, name)->clear();
        for (int k = 1; k <= trayeko::kRouteCount; ++k)
            child<QLineEdit>(s.dijkstra, QStringLiteral("h%1").arg(k))->clear();
        const QStringList before = dijkstraState(s.dijkstra);
        s.messages.clear();
        child<QPushButton>(s.dijkstra, "Command1")->click();
        if (s.messages.isEmpty()) {
            const QString fault = dijkstraResultFault(s.dijkstra, separator);
            QVERIFY2(fault.isEmpty(), qPrintable(fault + " in " + where));
        } else {
            ++s.refused;
            QVERIFY2(s.messages.size() == 1, qPrintable(s.messages.join('/') + " in " + where));
            QVERIFY2(s.messages.front().startsWith(QStringLiteral("Input Salah: ")),
                     qPrintable(where));
            QVERIFY2(dijkstraState(s.dijkstra) == before, qPrintable(where));
        }

        for (int k = 1; k <= trayeko::kLinkCount; ++k)
            child<QLineEdit>(s.floyd, QStringLiteral("j%1").arg(k))->setText(texts[k - 1]);
        child<QPushButton>(s.floyd, "Command1")->click();
        QVERIFY2(child<QListWidget>(s.floyd, "List1")->count() == 71 &&
                     child<QListWidget>(s.floyd, "List2")->count() == 64,
                 qPrintable(where));

        if (run % every == 0) {
            const bool both = choice() % 2;
            auto* combo = child<QComboBox>(s.compare, both ? "Combo2" : "Combo1");
            const int index = int(choice() % 5);
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            const QString report =
                child<QPlainTextEdit>(s.compare, "txthasiltrayeko")->toPlainText();
            QVERIFY2(report.contains(QStringLiteral("impul terpendek")), qPrintable(report));
            if (both)
                QVERIFY(
                    !child<QPlainTextEdit>(s.compare, "txthasilfloyd")->toPlainText().isEmpty());
        }
        if (run % 16 == 0)
            settle();
    }
}

} // namespace

class Tst_stress final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void openCloseThroughMenu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Dijkstra") << "mnudijktra";
        QTest::newRow("Floyd") << "mnufloyd";
        QTest::newRow("Compare") << "mnucompare";
    }
    // Every closed window is deleted, and the memory it took is given back.
    void openCloseThroughMenu()
    {
        QFETCH(QString, entry);
        const int cycles = count("TRAYEKO_STRESS_CYCLES", 1000, 200);
        Frame f;
        f.frame.mdiArea()->closeAllSubWindows(); // the window the program starts with
        settle();
        QElapsedTimer timer;
        timer.start();
        Memory after100;
        qint64 icon = 0;
        for (int cycle = 1; cycle <= cycles; ++cycle) {
            f.entry(entry)->trigger();
            QPointer<QMdiSubWindow> window = f.frame.mdiArea()->activeSubWindow();
            QVERIFY(window);
            // Every opening shows the same icon pixmaps, so Qt's pixmap cache does not grow.
            if (cycle == 1)
                icon = window->windowIcon().cacheKey();
            QCOMPARE(window->windowIcon().cacheKey(), icon);
            QVERIFY(window->close());
            settle();
            QVERIFY2(window.isNull(), qPrintable(QString::number(cycle)));
            if (cycle == 100)
                after100 = memoryNow();
        }
        QVERIFY(f.frame.mdiArea()->subWindowList().isEmpty());
        const Memory atEnd = memoryNow();
        qInfo("%d cycles in %lld ms; resident %lld KiB after 100 cycles, %lld KiB at the end; "
              "heap %lld bytes after 100 cycles, %lld at the end",
              cycles, timer.elapsed(), after100.residentKiB, atEnd.residentKiB, after100.heapBytes,
              atEnd.heapBytes);
        if (!kMemorySizesMeaningful || cycles <= 100)
            return;
        QVERIFY(atEnd.residentKiB - after100.residentKiB <= 2048);
        // The resident size moves in whole pages; the heap shows a leak long before it does.
        if (after100.heapBytes >= 0)
            QVERIFY(atEnd.heapBytes - after100.heapBytes <= 4096 + 32 * (cycles - 100));
    }

    // Each run of the Dijkstra window either refuses with one message and changes nothing, or
    // shows a complete result; the Floyd window always lists every iteration. Comparison choices
    // are mixed in. Playing the first tenth again a second time takes no more memory: the first
    // replay may still grow once, since Qt's font cache lets go of faces (narrowed, fallback)
    // that the long run stopped using, and how much depends on the fonts installed.
    void randomInput()
    {
        const int runs = count("TRAYEKO_STRESS_RUNS", 10000, 600);
        const int choices = count("TRAYEKO_STRESS_CHOICES", 100, 10);
        const auto seed = std::uint32_t(count("TRAYEKO_STRESS_SEED", 20030902, 20030902));
        const int every = std::max(1, runs / choices);
        Session s;
        QVERIFY(s.dijkstra && s.floyd && s.compare);
        QElapsedTimer timer;
        timer.start();
        play(s, seed, runs, every);
        if (QTest::currentTestFailed())
            return;
        const qint64 ms = timer.elapsed();
        const int refused = s.refused;
        play(s, seed, std::max(1, runs / 10), every);
        const Memory played = s.rest();
        play(s, seed, std::max(1, runs / 10), every);
        const Memory replayed = s.rest();
        qInfo("%d runs (%d refused) and %d comparison choices in %lld ms; resident %lld KiB, "
              "heap %lld bytes after replaying the first tenth; after a second replay %lld KiB, "
              "%lld bytes",
              runs, refused, runs / every, ms, played.residentKiB, played.heapBytes,
              replayed.residentKiB, replayed.heapBytes);
        // The texts reach both ways a run can end.
        QVERIFY(refused > 0 && refused < runs);
        if (kMemorySizesMeaningful && played.heapBytes >= 0)
            QVERIFY(replayed.heapBytes - played.heapBytes <= 64 * 1024);
    }
};

QTEST_MAIN(Tst_stress)
#include "tst_stress.moc"
