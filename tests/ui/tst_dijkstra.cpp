#include <QtTest>

class Tst_dijkstra final : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Tst_dijkstra)
#include "tst_dijkstra.moc"
