#include <QtTest>

class Tst_compare final : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Tst_compare)
#include "tst_compare.moc"
