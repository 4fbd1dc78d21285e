#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/floyd/floydwindow.h"
#include "windowhost.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using trayeko::ui::DijkstraWindow;
using trayeko::ui::FloydWindow;

namespace {

// Focuses box @p focus, presses @p key, and checks that the default run follows or the window
// closes.
template <typename Window> void pressKey(const QString& focus, QKeyCombination key, bool runs)
{
    WindowHost<Window> h;
    QVERIFY(QTest::qWaitForWindowActive(&h.area));
    auto* box = h.template get<QLineEdit>(focus);
    box->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return box->hasFocus(); }));
    QTest::keyClick(box, key.key(), key.keyboardModifiers());
    // An access key presses its button the way a click animates it, a moment later.
    if (runs) {
        QTRY_COMPARE(h.template get<QLabel>("lbljmljarak")->text(), "Total jarak = 16");
        if (auto* list = h.template get<QListWidget>("List1"))
            QCOMPARE(list->count(), 71);
    } else {
        QTRY_VERIFY(h.w.isNull()); // closing unloads: nothing survives for the next opening
    }
}

} // namespace

// Enter, Return and the access keys answer the same way in both network windows.
class Tst_keys final : public QObject
{
    Q_OBJECT

private slots:
    void keysPressTheButtons_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("runs"); // or closes
        for (const bool floyd : {false, true}) {
            const char* window = floyd ? "Floyd" : "Dijkstra";
            const auto box = [floyd](const char* name) { return QString(floyd ? "j5" : name); };
            QTest::addRow("%s Return", window)
                << floyd << box("j5") << QKeyCombination(Qt::Key_Return) << true;
            QTest::addRow("%s keypad Enter", window)
                << floyd << box("j14") << (Qt::KeypadModifier | Qt::Key_Enter) << true;
            QTest::addRow("%s Alt+P", window)
                << floyd << box("j1") << (Qt::AltModifier | Qt::Key_P) << true;
            QTest::addRow("%s Alt+K", window)
                << floyd << box("j3") << (Qt::AltModifier | Qt::Key_K) << false;
        }
    }
    void keysPressTheButtons()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(bool, runs);
        if (floyd)
            pressKey<FloydWindow>(focus, key, runs);
        else
            pressKey<DijkstraWindow>(focus, key, runs);
    }
};

QTEST_MAIN(Tst_keys)
#include "tst_keys.moc"
