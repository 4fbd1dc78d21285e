#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/floyd/floydwindow.h"
#include "windowhost.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include <array>
#include <cmath>
#include <memory>
#include <utility>

using trayeko::ui::DijkstraWindow;
using trayeko::ui::FloydWindow;
using trayeko::ui::NetworkWindow;

namespace {

int advance(const QWidget* w, const QString& text)
{
    return int(std::ceil(QFontMetricsF(w->font()).horizontalAdvance(text)));
}

} // namespace

class Tst_wholetexts final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Long totals and listings in both windows and both decimal separators: every result text is
    // shown whole, the strip's two labels neither overlap nor leave the window or run under the
    // buttons, and no line of the Floyd listings is elided or out of the list's reach.
    void resultsShowWhole_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("weights");          // "j1=2.75 j6=4.5"
        QTest::addColumn<QString>("total");            // with a period as separator
        QTest::addColumn<QString>("typed");            // a box typed into afresh, then Enter
        const QString huge = "1.7976931348623157E308"; // the largest double
        const QList<std::array<QString, 3>> sets{
            {"decimals", "j1=2.75 j6=4.5 j13=4.5", "11.75"},
            {"larger values", "j10=1234.5678 j1=5000 j2=5000 j3=5000", "1234.5678"},
            {"15 digits", "j10=0.123456789012345", "0.123456789012345"},
            {"small exponent", "j10=0.000015", "1.5E-05"},
            {"large exponent", "j10=1E15 j1=1E16 j2=1E16 j3=1E16", "1E+15"},
            {"largest double", QString("j10=%1 j1=%1 j2=%1 j3=%1").arg(huge),
             "1.79769313486232E+308"},
        };
        for (const auto& [name, weights, total] : sets)
            for (const bool floyd : {false, true})
                for (const char* locale : {"C", "id_ID"})
                    QTest::addRow("%s, %s, %s", qPrintable(name), floyd ? "Floyd" : "Dijkstra",
                                  locale)
                        << floyd << locale << weights << total << QString();
        QTest::addRow("minus infinity, Floyd, id_ID")
            << true << "id_ID" << QString("j3=-1E308 j12=-1E308") << QString::fromUtf8("-\u221E")
            << QString();
        QTest::addRow("5000 typed into the focused 1-7 box, Dijkstra, id_ID")
            << false << "id_ID" << QString("j10=5000") << QString("16") << QString("j10");
    }
    void resultsShowWhole()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, locale);
        QFETCH(QString, weights);
        QFETCH(QString, total);
        QFETCH(QString, typed);
        QLocale::setDefault(QLocale(locale));
        const QString separator = QLocale().decimalPoint();

        QStringList faults;
        auto* dijkstra = floyd ? nullptr : new DijkstraWindow;
        if (dijkstra)
            dijkstra->setMessageBox([&faults](QWidget*, const QString&, const QString& text) {
                faults << "refused: " + text;
            });
        WindowHost<NetworkWindow> host(
            dijkstra ? static_cast<NetworkWindow*>(dijkstra) : new FloydWindow, {1200, 800});
        NetworkWindow* window = host.w;
        // A long run: the elapsed text takes more digits too.
        auto readings = std::make_shared<qint64>(0);
        window->setClock([readings] {
            return trayeko::ClockReading{std::exchange(*readings, *readings + 1234567)};
        });
        for (const QString& edit : weights.split(' '))
            window->findChild<QLineEdit*>(edit.section('=', 0, 0))->setText(edit.section('=', 1));
        // Clicked with the mouse, which takes the focus away from the weight boxes; twice, so
        // that the result boxes get their texts a second time.
        for (int run = 0; run < 2; ++run)
            QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));

        const auto* totalLabel = window->findChild<QLabel*>("lbljmljarak");
        const auto* elapsedLabel = window->findChild<QLabel*>("lblwaktu");
        QCOMPARE(totalLabel->text(), "Total jarak = " + QString(total).replace('.', separator));
        QCOMPARE(elapsedLabel->text(), "Selesai pencarian dalam: " +
                                           QString("1234.567").replace('.', separator) + " detik");

        // The labels on one line and the detail panel's result boxes (Dijkstra only) show their
        // text whole; the node labels and weight boxes that cannot say it in their tool tip.
        for (const char* name : {"lbljmljarak", "lblwaktu", "lbljalur", "lblnojalur"})
            if (const auto* l = window->findChild<QLabel*>(name);
                l && !l->wordWrap() && advance(l, l->text()) > l->contentsRect().width())
                faults << QString(name) + " cut: " + l->text();
        for (const char* name : {"txtjalur", "txtsimpul"})
            if (const auto* box = window->findChild<QLineEdit*>(name);
                box && advance(box, box->text()) > box->width() - 8)
                faults << QString(name) + " cut: " + box->text();
        for (const QLineEdit* box :
             window->findChildren<QLineEdit*>(QRegularExpression("^(j|txtplt)\\d+$"))) {
            if (advance(box, box->text()) <= box->width() - 4)
                continue;
            if (box->text().size() <= 4)
                faults << box->objectName() + " cuts the short value " + box->text();
            if (box->toolTip() != box->text() ||
                !box->accessibleDescription().contains(box->text()))
                faults << box->objectName() + " hides " + box->text();
            if (box->cursorPosition() != 0)
                faults << box->objectName() + " shows the end of " + box->text();
        }

        const QRect totalRect = totalLabel->geometry(), elapsedRect = elapsedLabel->geometry();
        if (totalRect.intersects(elapsedRect))
            faults << "the strip's labels overlap";
        for (const QRect& r : {totalRect, elapsedRect}) {
            if (!window->widget()->rect().contains(r))
                faults << "strip outside the window";
            for (const char* button : {"Command1", "Command2"})
                if (r.intersects(window->findChild<QPushButton*>(button)->geometry()))
                    faults << QString("strip under ") + button;
        }

        for (const char* name : {"List1", "List2"}) { // Floyd only
            auto* list = window->findChild<QListWidget*>(name);
            if (!list)
                continue;
            window->findChild<QTabWidget*>("SSTab1")->setCurrentWidget(list->parentWidget());
            QCoreApplication::processEvents(); // laid out as the user looks at it
            if (list->textElideMode() != Qt::ElideNone)
                faults << QString(name) + " elides";
            // Where each line's text ends in the list's contents, after the item's margin.
            const int reach = list->viewport()->width() + list->horizontalScrollBar()->maximum();
            const int start = list->horizontalScrollBar()->value() + 3;
            for (int i = 0; i < list->count(); ++i)
                if (start + list->visualItemRect(list->item(i)).left() +
                        advance(list, list->item(i)->text()) >
                    reach)
                    faults << QString(name) + " cuts: " + list->item(i)->text();
        }

        if (auto* box = typed.isEmpty() ? nullptr : window->findChild<QLineEdit*>(typed)) {
            // Typed afresh and run with Enter, the box keeps the focus and its value begins where
            // it begins out of focus: no digit scrolled away.
            QVERIFY(QTest::qWaitForWindowActive(&host.area));
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, box->text());
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(box->hasFocus());
            box->grab();               // paints, and so scrolls, as the screen shows it
            box->setCursorPosition(0); // measures where the text begins, without a scroll
            const auto start = [box] {
                return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            };
            const int focusedStart = start();
            box->clearFocus();
            box->grab();
            QCOMPARE(focusedStart, start());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(Tst_wholetexts)
#include "tst_wholetexts.moc"
