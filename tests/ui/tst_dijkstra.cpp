#include "core/demonetwork.h"
#include "ui/common/networkview.h"
#include "ui/common/twips.h"
#include "ui/dijkstra/frmtrayeko.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using trayeko::ui::frmTrayeko;
using trayeko::ui::px;

namespace {

const QColor kBlue(128, 128, 255);
const QColor kPink(255, 192, 255);
const QColor kRed(255, 0, 0);

// "j5=-1 j7=0": box texts to type before a run.
using Edits = QList<QPair<QString, QString>>;

struct Messages
{
    QStringList titles;
    QStringList texts;
};

QStringList elementNames()
{
    QStringList names;
    for (const auto& node : trayeko::demoNodes())
        names << QString::fromUtf8(node.shapeName.data(), qsizetype(node.shapeName.size()));
    for (const auto& link : trayeko::demoLinks()) {
        for (const auto& line : link.lines())
            names << QString::fromUtf8(line.name.data(), qsizetype(line.name.size()));
        names << QStringLiteral("j%1").arg(link.number);
    }
    return names;
}

// The window with its message box answered by a recorder and a clock that reads 1000, 1004, ...
class Fixture
{
public:
    Fixture()
    {
        w.setMessageBox([this](QWidget*, const QString& title, const QString& text) {
            messages.titles << title;
            messages.texts << text;
        });
        w.setClock([this] { return trayeko::ClockReading{clockMs += 4}; });
    }

    template <typename T = QWidget> T* get(const QString& name)
    {
        auto* child = w.findChild<T*>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    QString text(const QString& name)
    {
        QObject* o = w.findChild<QObject*>(name);
        if (auto* e = qobject_cast<QLineEdit*>(o))
            return e->text();
        if (auto* l = qobject_cast<QLabel*>(o))
            return l->text();
        if (auto* t = qobject_cast<QPlainTextEdit*>(o))
            return t->toPlainText();
        qFatal("no text control %s", qPrintable(name));
    }
    void type(const Edits& edits)
    {
        for (const auto& [box, value] : edits)
            get<QLineEdit>(box)->setText(value);
    }
    void run() { get<QPushButton>("Command1")->click(); }
    QColor colour(const QString& element) { return w.network()->elementColor(element); }

    // Everything a run could change: texts, colours, progress bar and timer.
    QStringList state()
    {
        QStringList s;
        for (auto* e : w.findChildren<QLineEdit*>())
            s << e->objectName() + "=" + e->text();
        for (auto* l : w.findChildren<QLabel*>())
            s << l->objectName() + "=" + l->text() + (l->isVisibleTo(&w) ? "" : " hidden");
        s << "Tabeldata=" + text("Tabeldata");
        for (const QString& name : elementNames())
            s << name + "=" + colour(name).name();
        auto* bar = get<QProgressBar>("proses1");
        s << QStringLiteral("proses1=%1 %2").arg(bar->isVisibleTo(&w)).arg(bar->value());
        s << QStringLiteral("Timer1=%1").arg(get<QTimer>("Timer1")->isActive());
        return s;
    }

    frmTrayeko w;
    Messages messages;
    qint64 clockMs = 996;
};

} // namespace

class Tst_dijkstra final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void opensWithDefaults();
    void refusesBadWeightsChangingNothing_data();
    void refusesBadWeightsChangingNothing();
    void defaultRunShowsRouteOne();
    void highlightsOnlyTheLatestRoute_data();
    void highlightsOnlyTheLatestRoute();
    void ownNumbersRoundTripInEveryLocale_data();
    void ownNumbersRoundTripInEveryLocale();
    void totalBlinks();
    void detailViewWidensAndCentres_data();
    void detailViewWidensAndCentres();
    void keyboardStartsARun_data();
    void keyboardStartsARun();
    void tabVisitsButtonsThenBoxes();
    void keluarUnloads_data();
    void keluarUnloads();
};

void Tst_dijkstra::opensWithDefaults()
{
    Fixture f;
    QCOMPARE(f.w.windowTitle(), "Trayeko 2003");
    QCOMPARE(f.w.size(), QSize(px(9225), px(7200)));
    const QStringList weights{"7", "6", "8",  "1", "2",  "4", "4",
                              "4", "5", "16", "1", "15", "6", "8"};
    for (int k = 1; k <= 14; ++k)
        QCOMPARE(f.text(QStringLiteral("j%1").arg(k)), weights[k - 1]);
    for (const QString& name : elementNames()) {
        const QColor expected = name == "Shape1" || name == "Shape7" ? kBlue
                                : name.startsWith("Shape")           ? kPink
                                : name.startsWith("lj")              ? QColor(Qt::black)
                                                                     : QColor(Qt::white);
        QCOMPARE(f.colour(name), expected);
    }
    for (const char* empty :
         {"lbljmljarak", "lblwaktu", "txtjalur", "txtsimpul", "txtplt7", "h1", "Tabeldata"})
        QVERIFY2(f.text(empty).isEmpty(), empty);
    QCOMPARE(f.text("lbltabel"), "Tampilan Detail");
    QCOMPARE(f.text("lblnojalur"), "Jalur");
    QCOMPARE(f.text("Label17"), "10");
    QCOMPARE(f.text("Label24"), "h17");
    QVERIFY(!f.get("lbljalur")->isVisibleTo(&f.w));
    QVERIFY(!f.get("proses1")->isVisibleTo(&f.w));
    auto* timer = f.get<QTimer>("Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 500);
}

void Tst_dijkstra::refusesBadWeightsChangingNothing_data()
{
    QTest::addColumn<bool>("afterRun");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("message");
    const QString negative = "Inputan untuk semua bobot tidak boleh negatif";
    const QString zero = "Karena ada jalur yang memiliki bobot 'nol' maka jalur tidak ada";
    const QString tooLarge = "Bobot terlalu besar untuk dihitung";
    QTest::newRow("negative wins over zero")
        << true << Edits{{"j5", "-1"}, {"j7", "0"}} << negative;
    QTest::newRow("negative in fresh window") << false << Edits{{"j14", "-0.5"}} << negative;
    QTest::newRow("empty reads zero") << true << Edits{{"j3", ""}} << zero;
    QTest::newRow("letters read zero") << true << Edits{{"j3", "abc"}} << zero;
    QTest::newRow("minus zero is zero") << false << Edits{{"j1", "-0"}} << zero;
    QTest::newRow("weight overflows") << true << Edits{{"j4", "1e999"}} << tooLarge;
    QTest::newRow("route total overflows")
        << true << Edits{{"j1", "1e308"}, {"j6", "1e308"}} << tooLarge;
    QTest::newRow("negative before overflow")
        << true << Edits{{"j2", "1e999"}, {"j9", "-1e999"}} << negative;
}

void Tst_dijkstra::refusesBadWeightsChangingNothing()
{
    QFETCH(bool, afterRun);
    QFETCH(Edits, edits);
    QFETCH(QString, message);
    Fixture f;
    if (afterRun)
        f.run();
    QVERIFY(f.messages.texts.isEmpty());
    f.type(edits);
    const QStringList before = f.state();
    f.run();
    QCOMPARE(f.messages.titles, QStringList{"Input Salah"});
    QCOMPARE(f.messages.texts, QStringList{message});
    QCOMPARE(f.state(), before);
}

void Tst_dijkstra::defaultRunShowsRouteOne()
{
    Fixture f;
    f.run();
    QVERIFY(f.messages.texts.isEmpty());
    const QStringList totals{"16", "17", "18", "19", "20", "22", "23", "25", "16",
                             "17", "18", "20", "21", "23", "20", "21", "23"};
    for (int k = 1; k <= 17; ++k)
        QCOMPARE(f.text(QStringLiteral("h%1").arg(k)), totals[k - 1]);
    QCOMPARE(f.text("lbljmljarak"), "Total jarak = 16");
    QCOMPARE(f.text("txtsimpul"), "1 dan 7");
    QCOMPARE(f.text("txtjalur"), "16");
    QCOMPARE(f.text("lblnojalur"), "Jalur terpilih nomor 1");
    for (const QString& name : elementNames()) {
        const bool onRoute = name == "lj10a" || name == "lj10b" || name == "j10";
        if (onRoute)
            QCOMPARE(f.colour(name), kRed);
        else
            QVERIFY2(f.colour(name) != kRed, qPrintable(name));
    }
    QStringList labels;
    for (int n = 1; n <= 7; ++n)
        labels << f.text(QStringLiteral("txtplt%1").arg(n));
    QCOMPARE(labels.join(' '), "0 7 6 8 10 10 16");
    const QStringList table = f.text("Tabeldata").split('\n');
    QCOMPARE(table.size(), 17);
    QCOMPARE(table.first(), "1.   16 = 16");
    QCOMPARE(table[1], "2.   7     4     6 = 17");
    QCOMPARE(table.last(), "17.  8     15  = 23");
    auto* lbljalur = f.get<QLabel>("lbljalur");
    QVERIFY(lbljalur->isVisibleTo(&f.w));
    QCOMPARE(lbljalur->text(), "16");
    // The clock was read twice, 4 ms apart.
    QCOMPARE(f.text("lblwaktu"), "Selesai pencarian dalam: 0.004 detik");
    QVERIFY(f.get<QTimer>("Timer1")->isActive());
    auto* bar = f.get<QProgressBar>("proses1");
    QVERIFY(!bar->isVisibleTo(&f.w));
    QCOMPARE(bar->value(), 1000);

    // The same weights again give the same result.
    const QStringList after = f.state();
    f.run();
    QCOMPARE(f.state(), after);
}

void Tst_dijkstra::highlightsOnlyTheLatestRoute_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("nodes");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("red");
    QTest::addColumn<QStringList>("blue");
    QTest::newRow("route 10") << Edits{{"j1", "9"}, {"j7", "10"}, {"j10", "20"}} << "10"
                              << "1, 3, 6, 5, dan 7"
                              << "6 --> 4 --> 1 --> 6"
                              << QStringList{"lj2", "lj8", "lj11", "lj13", "j2", "j8", "j11", "j13"}
                              << QStringList{"Shape3", "Shape6", "Shape5"};
    QTest::newRow("route 9") << Edits{{"j10", "20"}} << "9"
                             << "1, 3, 5, dan 7"
                             << "6 --> 4 --> 6"
                             << QStringList{"lj2", "lj7", "lj13", "j2", "j7", "j13"}
                             << QStringList{"Shape3", "Shape5"};
    QTest::newRow("route 17 typed loosely")
        << Edits{{"j10", "20"}, {"j3", " 07"}, {"j12", "1,5"}} << "17"
        << "1, 4, dan 7"
        << "7 --> 1" << QStringList{"lj3", "lj12a", "lj12b", "j3", "j12"} << QStringList{"Shape4"};
}

void Tst_dijkstra::highlightsOnlyTheLatestRoute()
{
    QFETCH(Edits, edits);
    QFETCH(QString, number);
    QFETCH(QString, nodes);
    QFETCH(QString, path);
    QFETCH(QStringList, red);
    QFETCH(QStringList, blue);
    Fixture f;
    // First a run that shows route 2 (links 1, 6, 13 through nodes 2 and 5).
    const Edits route2{{"j7", "10"}, {"j8", "10"}, {"j10", "20"}};
    f.type(route2);
    f.run();
    QCOMPARE(f.text("lblnojalur"), "Jalur terpilih nomor 2");
    QCOMPARE(f.colour("Shape2"), kBlue);

    for (int k = 1; k <= 14; ++k)
        f.get<QLineEdit>(QStringLiteral("j%1").arg(k))
            ->setText(QString::fromStdString(trayeko::defaultWeightText(k)));
    f.type(edits);
    f.run();
    QCOMPARE(f.text("lblnojalur"), "Jalur terpilih nomor " + number);
    QCOMPARE(f.text("txtsimpul"), nodes);
    QCOMPARE(f.text("txtjalur"), path);
    QCOMPARE(f.text("lbljalur"), path);
    blue << "Shape1"
         << "Shape7";
    for (const QString& name : elementNames()) {
        const QColor expected = red.contains(name)     ? kRed
                                : blue.contains(name)  ? kBlue
                                : name.startsWith("S") ? kPink
                                : name.startsWith("l") ? QColor(Qt::black)
                                                       : QColor(Qt::white);
        QCOMPARE(f.colour(name), expected);
    }
    // The boxes keep what was typed.
    for (const auto& [box, value] : edits)
        QCOMPARE(f.text(box), value);
}

void Tst_dijkstra::ownNumbersRoundTripInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sep");
    QTest::newRow("period") << QLocale::c() << ".";
    QTest::newRow("comma") << QLocale(QLocale::German) << ",";
}

void Tst_dijkstra::ownNumbersRoundTripInEveryLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, sep);
    QLocale::setDefault(locale);
    Fixture f;
    // Route 9 (15.5) beats route 1 (15.9) only when the written totals are read back whole.
    f.type({{"j10", "15.9"}, {"j2", "5.5"}});
    f.run();
    // Replaces the period of the numbers, not of the line numbers of the table.
    const auto n = [&](const char* text) {
        return QString(text).replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1" + sep + "\\2");
    };
    QCOMPARE(f.text("h1"), n("15.9"));
    QCOMPARE(f.text("h9"), n("15.5"));
    QCOMPARE(f.text("lblnojalur"), "Jalur terpilih nomor 9");
    QCOMPARE(f.text("lbljmljarak"), "Total jarak = " + n("15.5"));
    QCOMPARE(f.text("txtjalur"), n("5.5 --> 4 --> 6"));
    QCOMPARE(f.text("txtplt7"), n("15.5"));
    QCOMPARE(f.text("txtplt3"), n("5.5"));
    const QStringList table = f.text("Tabeldata").split('\n');
    QCOMPARE(table.first(), n("1.   15.9 = 15.9"));
    QCOMPARE(table[8], n("9.   5.5     4     6 = 15.5"));
    QCOMPARE(f.text("lblwaktu"), n("Selesai pencarian dalam: 0.004 detik"));
}

void Tst_dijkstra::totalBlinks()
{
    Fixture f;
    auto* total = f.get<QLabel>("lbljmljarak");
    const auto fore = [&] { return total->palette().color(QPalette::WindowText); };
    QCOMPARE(fore(), QColor(255, 255, 128));
    f.run();
    QCOMPARE(fore(), QColor(255, 255, 128));
    const QColor yellow(255, 255, 0), hidden(192, 0, 0);
    for (const QColor& expected : {yellow, hidden, yellow, hidden}) {
        f.w.blink();
        QCOMPARE(fore(), expected);
    }
    // A second run changes the caption, not the colour, and keeps the timer going.
    f.run();
    QCOMPARE(fore(), hidden);
    QVERIFY(f.get<QTimer>("Timer1")->isActive());
}

void Tst_dijkstra::detailViewWidensAndCentres_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("large screen") << QSize(1200, 900);
    QTest::newRow("screen smaller than the window") << QSize(500, 300);
}

void Tst_dijkstra::detailViewWidensAndCentres()
{
    QFETCH(QSize, screen);
    QMdiArea area;
    area.setFrameShape(QFrame::NoFrame);
    area.resize(screen);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(area.viewport()->size(), screen);
    auto* w = new frmTrayeko;
    area.addSubWindow(w);
    w->show();
    const auto centred = [&](int outerWidth, int outerHeight) {
        return QPoint(px(std::max(0, (screen.width() * 15 - outerWidth) / 2)),
                      px(std::max(0, (screen.height() * 15 - outerHeight) / 2)));
    };
    // Opens centred for its designed size (client 11610 x 6810), then shrinks in place.
    const int frameWidth = w->widthTwips() - w->widget()->width() * 15;
    const int frameHeight = w->heightTwips() - w->widget()->height() * 15;
    QCOMPARE(w->pos(), centred(11610 + frameWidth, 6810 + frameHeight));
    QCOMPARE(w->size(), QSize(px(9225), px(7200)));

    auto* label = w->findChild<QLabel*>("lbltabel");
    QCOMPARE(label->x(), px(7650));
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->text(), "Sembunyikan Detail");
    QCOMPARE(label->x(), px(9796));
    // Captions keep within the panel's right edge whatever the desktop's font.
    for (const char* name : {"lbltabel", "Label30", "lblnojalur"}) {
        auto* caption = w->findChild<QLabel*>(name);
        QVERIFY2(caption->geometry().right() < px(11535), name);
    }
    QCOMPARE(w->size(), QSize(px(11751), px(7200)));
    QCOMPARE(w->pos(), centred(w->widthTwips(), w->heightTwips()));

    w->toggleDetail();
    QCOMPARE(label->text(), "Tampilan Detail");
    QCOMPARE(label->x(), px(7560));
    QVERIFY(label->geometry().right() < px(9015));
    QCOMPARE(w->size(), QSize(px(9225), px(7200)));
    QCOMPARE(w->pos(), centred(w->widthTwips(), w->heightTwips()));

    // A border dragged by the user does not change where the steps start and end.
    w->resize(px(6000), px(5000));
    w->toggleDetail();
    QCOMPARE(w->size(), QSize(px(11751), px(5000)));
}

void Tst_dijkstra::keyboardStartsARun_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return in j5") << "j5" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter in j14") << "j14" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Alt+P in j1") << "j1" << int(Qt::Key_P) << int(Qt::AltModifier);
}

void Tst_dijkstra::keyboardStartsARun()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QMdiArea area;
    auto* w = new frmTrayeko;
    w->setMessageBox([](QWidget*, const QString&, const QString&) {});
    area.addSubWindow(w);
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    auto* box = w->findChild<QLineEdit*>(focus);
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // An access key presses the button the way a click animates it, a moment later.
    QTRY_COMPARE(w->findChild<QLabel*>("lbljmljarak")->text(), "Total jarak = 16");
}

void Tst_dijkstra::tabVisitsButtonsThenBoxes()
{
    QMdiArea area;
    auto* w = new frmTrayeko;
    area.addSubWindow(w);
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    w->findChild<QPushButton*>("Command1")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited.join(' '), "Command1 Command2 j14 j13 j11 j12 j10 j9 j8 j7 j6 j5 j4 j3 j2 j1 "
                                "Tabeldata");
}

void Tst_dijkstra::keluarUnloads_data()
{
    QTest::addColumn<bool>("accessKey");
    QTest::newRow("click") << false;
    QTest::newRow("Alt+K") << true;
}

void Tst_dijkstra::keluarUnloads()
{
    QFETCH(bool, accessKey);
    QMdiArea area;
    QPointer<frmTrayeko> w = new frmTrayeko;
    area.addSubWindow(w);
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    if (accessKey) {
        auto* box = w->findChild<QLineEdit*>("j3");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_K, Qt::AltModifier);
    } else {
        w->findChild<QPushButton*>("Command2")->click();
    }
    QTRY_VERIFY(w.isNull());
    QVERIFY(area.subWindowList().isEmpty());
}

QTEST_MAIN(Tst_dijkstra)
#include "tst_dijkstra.moc"
