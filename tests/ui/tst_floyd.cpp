#include <QtTest>

class Tst_floyd final : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Tst_floyd)
#include "tst_floyd.moc"
