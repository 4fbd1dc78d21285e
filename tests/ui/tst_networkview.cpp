#include <QtTest>

class Tst_networkview final : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(Tst_networkview)
#include "tst_networkview.moc"
