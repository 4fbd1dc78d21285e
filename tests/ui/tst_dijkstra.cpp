#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkview.h"
#include "ui/support/twips.h"
#include "windowhost.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using trayeko::ui::DijkstraWindow;
using trayeko::ui::px;
using Edits = QList<QPair<QString, QString>>; // box name, text typed into it

namespace {

// The window with a recording message box and a clock that reads 1000, 1004, ... ms.
struct Fixture
{
    Fixture()
    {
        w.setMessageBox([this](QWidget*, const QString& title, const QString& text) {
            messages << title + ": " + text;
        });
        w.setClock([this] { return trayeko::ClockReading{clockMs += 4}; });
    }
    template <typename T = QWidget> T* get(const QString& name) { return w.findChild<T*>(name); }
    QString text(const QString& name)
    {
        if (auto* e = get<QLineEdit>(name))
            return e->text();
        if (auto* t = get<QPlainTextEdit>(name))
            return t->toPlainText();
        return get<QLabel>(name)->text();
    }
    // The texts of prefix1 ... prefixN, joined by blanks.
    QString texts(const QString& prefix, int n)
    {
        QStringList s;
        for (int k = 1; k <= n; ++k)
            s << text(prefix + QString::number(k));
        return s.join(' ');
    }
    void type(const Edits& edits)
    {
        for (const auto& [box, value] : edits)
            get<QLineEdit>(box)->setText(value);
    }
    void run() { get<QPushButton>("Command1")->click(); }
    // The drawing's elements that are not in their neutral colour, "Shape1=#8080ff ...".
    QString highlighted()
    {
        QStringList out;
        const auto check = [&](std::string_view element, const char* neutral) {
            const QString name = QString::fromLatin1(element);
            const QString now = w.network()->elementColor(name).name();
            if (now != neutral)
                out << name + "=" + now;
        };
        for (const auto& node : trayeko::ui::nodeLayouts())
            check(node.shapeName, "#ffc0ff");
        for (const auto& link : trayeko::ui::linkLayouts()) {
            for (const auto& line : link.lines())
                check(line.name, "#000000");
            check(link.weightBox, "#ffffff");
        }
        return out.join(' ');
    }
    // Everything a run could change.
    QStringList state()
    {
        QStringList s{highlighted(), text("Tabeldata"), texts("h", 17), texts("txtplt", 7)};
        for (auto* l : w.findChildren<QLabel*>())
            s << l->text() + (l->isVisibleTo(&w) ? "" : " hidden");
        for (const char* box : {"txtjalur", "txtsimpul"})
            s << text(box);
        s << QStringLiteral("%1 %2 %3")
                 .arg(get("proses1")->isVisibleTo(&w))
                 .arg(get<QProgressBar>("proses1")->value())
                 .arg(get<QTimer>("Timer1")->isActive());
        return s;
    }

    DijkstraWindow w;
    QStringList messages;
    qint64 clockMs = 996;
};

// A shown window in a document area of @p size, active so that keys reach it.
struct Area : WindowHost<DijkstraWindow>
{
    explicit Area(QSize size = {1000, 800}) : WindowHost(size, true) {}
};

} // namespace

class Tst_dijkstra final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void opensWithDefaults()
    {
        Fixture f;
        QCOMPARE(f.w.windowTitle(), "Trayeko 2003");
        QCOMPARE(f.w.size(), QSize(px(9225), px(7200)));
        QCOMPARE(f.texts("j", 14), "7 6 8 1 2 4 4 4 5 16 1 15 6 8");
        QCOMPARE(f.highlighted(), "Shape1=#8080ff Shape7=#8080ff");
        QCOMPARE(f.text("lbltabel"), "Tampilan Detail");
        QCOMPARE(f.text("Label17") + f.text("Label24"), "10h17");
        QVERIFY(f.text("lbljmljarak").isEmpty() && f.text("Tabeldata").isEmpty());
        QVERIFY(!f.get("lbljalur")->isVisibleTo(&f.w) && !f.get("proses1")->isVisibleTo(&f.w));
        QVERIFY(!f.get<QTimer>("Timer1")->isActive());
        QCOMPARE(f.get<QTimer>("Timer1")->interval(), 500);
    }

    void refusesBadWeightsChangingNothing_data()
    {
        QTest::addColumn<bool>("afterRun");
        QTest::addColumn<Edits>("edits"); // the first box gets the focus, its text selected
        QTest::addColumn<QString>("message");
        const QString negative = "Inputan untuk semua bobot tidak boleh negatif";
        const QString zero = "Karena ada jalur yang memiliki bobot 'nol' maka jalur tidak ada";
        const QString big = "Bobot terlalu besar untuk dihitung";
        QTest::newRow("negative wins over zero")
            << true << Edits{{"j5", "-1"}, {"j7", "0"}} << negative;
        QTest::newRow("negative, fresh window") << false << Edits{{"j14", "-0.5"}} << negative;
        QTest::newRow("empty reads zero") << true << Edits{{"j3", ""}} << zero;
        QTest::newRow("letters read zero") << true << Edits{{"j3", "abc"}} << zero;
        QTest::newRow("minus zero is zero") << false << Edits{{"j1", "-0"}} << zero;
        QTest::newRow("weight overflows") << true << Edits{{"j4", "1e999"}} << big;
        QTest::newRow("total overflows") << true << Edits{{"j1", "1e308"}, {"j6", "1e308"}} << big;
        QTest::newRow("negative before overflow")
            << true << Edits{{"j9", "-1e999"}, {"j2", "1e999"}} << negative;
    }
    void refusesBadWeightsChangingNothing()
    {
        QFETCH(bool, afterRun);
        QFETCH(Edits, edits);
        QFETCH(QString, message);
        Fixture f;
        if (afterRun)
            f.run();
        f.type(edits);
        const QStringList before = f.state();
        f.run();
        QCOMPARE(f.messages, QStringList{"Input Salah: " + message});
        QCOMPARE(f.state(), before);
        QCOMPARE(f.w.focusWidget(), f.get(edits[0].first));
        QCOMPARE(f.get<QLineEdit>(edits[0].first)->selectedText(), edits[0].second);
    }

    void defaultRunShowsRouteOne()
    {
        Fixture f;
        f.run();
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(f.texts("h", 17), "16 17 18 19 20 22 23 25 16 17 18 20 21 23 20 21 23");
        QCOMPARE(f.texts("txtplt", 7), "0 7 6 8 10 10 16");
        QCOMPARE(f.text("lbljmljarak"), "Total jarak = 16");
        QCOMPARE(f.text("txtsimpul") + "|" + f.text("txtjalur"), "1 dan 7|16");
        QCOMPARE(f.text("lblnojalur"), "Jalur terpilih nomor 1");
        QCOMPARE(f.highlighted(), "Shape1=#8080ff Shape7=#8080ff lj10a=#ff0000 lj10b=#ff0000 "
                                  "j10=#ff0000");
        const QStringList table = f.text("Tabeldata").split('\n');
        QCOMPARE(table.size(), 17);
        QCOMPARE(table[0] + "|" + table[1], "1.   16 = 16|2.   7     4     6 = 17");
        QCOMPARE(table[16], "17.  8     15  = 23");
        QVERIFY(f.get("lbljalur")->isVisibleTo(&f.w));
        QCOMPARE(f.text("lbljalur"), "16");
        QCOMPARE(f.text("lblwaktu"), "Selesai pencarian dalam: 0.004 detik");
        QCOMPARE(f.state().last(), "0 1000 1"); // progress hidden at its end, timer running
        const QStringList first = f.state();
        f.run();
        QCOMPARE(f.state(), first);
    }

    void highlightsOnlyTheLatestRoute_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("result"); // number | nodes | weights
        QTest::addColumn<QString>("highlighted");
        QTest::newRow("route 10")
            << Edits{{"j1", "9"}, {"j7", "10"}, {"j10", "20"}}
            << "10|1, 3, 6, 5, dan 7|6 --> 4 --> 1 --> 6"
            << "Shape1 Shape3 Shape5 Shape6 Shape7 lj2 j2 lj8 j8 lj11 j11 lj13 j13";
        QTest::newRow("route 9") << Edits{{"j10", "20"}} << "9|1, 3, 5, dan 7|6 --> 4 --> 6"
                                 << "Shape1 Shape3 Shape5 Shape7 lj2 j2 lj7 j7 lj13 j13";
        QTest::newRow("route 17 typed loosely")
            << Edits{{"j10", "20"}, {"j3", " 07"}, {"j12", "1,5"}} << "17|1, 4, dan 7|7 --> 1"
            << "Shape1 Shape4 Shape7 lj3 j3 lj12a lj12b j12";
    }
    void highlightsOnlyTheLatestRoute()
    {
        QFETCH(Edits, edits);
        QFETCH(QString, result);
        QFETCH(QString, highlighted);
        Fixture f;
        f.type({{"j7", "10"}, {"j8", "10"}, {"j10", "20"}});
        f.run();
        QCOMPARE(f.text("lblnojalur"), "Jalur terpilih nomor 2"); // through nodes 2 and 5
        f.type({{"j7", "4"}, {"j8", "4"}, {"j10", "16"}});
        f.type(edits);
        f.run();
        QCOMPARE(f.text("lblnojalur").mid(21) + "|" + f.text("txtsimpul") + "|" +
                     f.text("txtjalur"),
                 result);
        QCOMPARE(f.text("lbljalur"), f.text("txtjalur"));
        QString expected = f.highlighted();
        expected.remove(QRegularExpression("=#8080ff|=#ff0000"));
        QCOMPARE(expected, highlighted);
        for (const auto& [box, value] : edits)
            QCOMPARE(f.text(box), value); // the boxes keep what was typed
    }

    void ownNumbersRoundTripInEveryLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typedPoint"); // the student's decimal point
        QTest::newRow("period") << QLocale::c() << ".";
        QTest::newRow("comma") << QLocale(QLocale::German) << ",";
        QTest::newRow("comma region, period typed") << QLocale(QLocale::German) << ".";
    }
    void ownNumbersRoundTripInEveryLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, typedPoint);
        QLocale::setDefault(locale);
        Fixture f;
        // Route 9 (15.5) beats route 1 (15.9) only when the written totals are read back whole.
        f.type({{"j10", "15" + typedPoint + "9"}, {"j2", "5" + typedPoint + "5"}});
        f.run();
        const QStringList table = f.text("Tabeldata").split('\n');
        QString shown =
            QStringList{
                f.text("lblnojalur"), f.text("h1"),         f.text("h9"), f.text("lbljmljarak"),
                f.text("txtjalur"),   f.texts("txtplt", 7), table[0],     table[8],
                f.text("lblwaktu")}
                .join('|');
        shown.replace(QRegularExpression(
                          "(\\d)" + QRegularExpression::escape(locale.decimalPoint()) + "(\\d)"),
                      "\\1.\\2");
        QCOMPARE(shown, "Jalur terpilih nomor 9|15.9|15.5|Total jarak = 15.5|5.5 --> 4 --> 6|"
                        "0 7 5.5 7.5 9.5 9.5 15.5|1.   15.9 = 15.9|9.   5.5     4     6 = 15.5|"
                        "Selesai pencarian dalam: 0.004 detik");
    }

    void totalBlinks()
    {
        Fixture f;
        const auto fore = [&] {
            return f.get<QLabel>("lbljmljarak")->palette().color(QPalette::WindowText);
        };
        f.run();
        QCOMPARE(fore(), QColor(255, 255, 128));
        for (const QColor& expected : {QColor(Qt::yellow), QColor(192, 0, 0), QColor(Qt::yellow)}) {
            f.w.blink();
            QCOMPARE(fore(), expected);
        }
        f.run(); // changes the caption, not the colour
        QCOMPARE(fore(), QColor(Qt::yellow));
    }

    void detailViewWidensAndCentres_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("large screen") << QSize(1200, 900);
        QTest::newRow("screen smaller than the window") << QSize(500, 300);
    }
    void detailViewWidensAndCentres()
    {
        QFETCH(QSize, screen);
        Area a(screen);
        QVERIFY(QTest::qWaitForWindowExposed(&a.area));
        DijkstraWindow* w = a.w;
        const auto centred = [&](int width, int height) {
            return QPoint(px(std::max(0, (screen.width() * 15 - width) / 2)),
                          px(std::max(0, (screen.height() * 15 - height) / 2)));
        };
        // Opens centred for its designed size (client 11610 x 6810), then shrinks in place.
        const QSize frame = (w->size() - w->widget()->size()) * 15;
        QCOMPARE(w->pos(), centred(11610 + frame.width(), 6810 + frame.height()));

        auto* label = w->findChild<QLabel*>("lbltabel");
        QCOMPARE(label->x(), px(7650));
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(label->text() + " " + QString::number(label->x()), "Sembunyikan Detail 653");
        QCOMPARE(w->size(), QSize(px(11751), px(7200)));
        QCOMPARE(w->pos(), centred(w->widthTwips(), w->heightTwips()));
        for (const char* name : {"lbltabel", "Label30", "lblnojalur"}) // whatever the font
            QVERIFY2(w->findChild<QLabel*>(name)->geometry().right() < px(11535), name);

        w->toggleDetail();
        QCOMPARE(label->text() + " " + QString::number(label->x()), "Tampilan Detail 504");
        QVERIFY(label->geometry().right() < px(9015));
        QCOMPARE(w->size(), QSize(px(9225), px(7200)));
        QCOMPARE(w->pos(), centred(w->widthTwips(), w->heightTwips()));

        w->resize(px(6000), px(5000)); // dragged by the user
        w->toggleDetail();
        QCOMPARE(w->size(), QSize(px(11751), px(5000)));
    }

    void tabVisitsButtonsThenBoxes()
    {
        Area a;
        QVERIFY(QTest::qWaitForWindowActive(&a.area));
        a.w->findChild<QPushButton*>("Command1")->setFocus();
        QStringList visited{"Command1"};
        for (int i = 0; i < 16; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(' '),
                 "Command1 Command2 j14 j13 j11 j12 j10 j9 j8 j7 j6 j5 j4 j3 j2 j1 Tabeldata");
    }

    // The program's first window makes its detail panel only after the first paint, or when a
    // run comes first; the panel must come out as it does when made with the window: places,
    // visibility, screen-reader texts, and the tab order that ends in the table.
    void panelMadeLaterIsTheSame_data()
    {
        QTest::addColumn<bool>("runFirst");
        QTest::addRow("after the first paint") << false;
        QTest::addRow("by a run before it") << true;
    }
    void panelMadeLaterIsTheSame()
    {
        QFETCH(bool, runFirst);
        const auto controls = [](DijkstraWindow* w) {
            QStringList s;
            for (auto* c : w->findChildren<QWidget*>())
                QDebug(&s.emplace_back()) << c->objectName() << c->geometry() << c->isVisibleTo(w)
                                          << c->accessibleName() << c->accessibleDescription();
            QWidget* start = w->findChild<QWidget*>("Command1");
            for (QWidget* f = start->nextInFocusChain(); f != start; f = f->nextInFocusChain())
                if ((f->focusPolicy() & Qt::TabFocus) && f->isVisibleTo(w))
                    s << "tab " + f->objectName();
            return s;
        };
        WindowHost<DijkstraWindow> whole;
        WindowHost<DijkstraWindow> later(
            new DijkstraWindow(nullptr, DijkstraWindow::PanelBuild::afterFirstPaint));
        QVERIFY(!later.get("Tabeldata") && later.get("lbltabel"));
        if (runFirst) {
            for (DijkstraWindow* w : {whole.w.data(), later.w.data()}) {
                w->setClock([] { return trayeko::ClockReading{}; });
                w->runDijkstra();
            }
            QCOMPARE(later.need<QPlainTextEdit>("Tabeldata")->toPlainText(),
                     whole.need<QPlainTextEdit>("Tabeldata")->toPlainText());
        }
        QTRY_VERIFY(later.get("Tabeldata"));
        QCOMPARE(controls(later.w), controls(whole.w));
    }
};

QTEST_MAIN(Tst_dijkstra)
#include "tst_dijkstra.moc"
