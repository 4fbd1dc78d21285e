#include "ui/main/regionaltime.h"

#include <QLocale>
#include <QtTest>

using trayeko::ui::regionalDateText;
using trayeko::ui::regionalTimeText;

class Tst_regionaltime final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void texts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        const QDateTime sample(QDate(2003, 9, 2), QTime(11, 50, 41, 250));
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("US morning") << us << sample << "9/2/2003"
                                    << "11:50:41 AM";
        QTest::newRow("US evening")
            << us << QDateTime(QDate(1999, 11, 30), QTime(23, 5, 9)) << "11/30/1999"
            << "11:05:09 PM";
        QTest::newRow("German two-digit year widened")
            << QLocale(QLocale::German, QLocale::Germany) << sample << "02.09.2003"
            << "11:50:41";
        QTest::newRow("Indonesian dots in the time")
            << QLocale(QLocale::Indonesian, QLocale::Indonesia) << sample << "02/09/2003"
            << "11.50.41";
        QTest::newRow("Canadian French quoted words")
            << QLocale(QLocale::French, QLocale::Canada) << sample << "2003-09-02"
            << "11 h 50 min 41 s";
        QTest::newRow("Chinese zone first")
            << QLocale(QLocale::Chinese, QLocale::China) << sample << "2003/9/2"
            << "11:50:41";
        QTest::newRow("Spanish zone in brackets")
            << QLocale(QLocale::Spanish, QLocale::Spain) << sample << "2/9/2003"
            << "11:50:41";
    }

    void texts()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, now);
        QLocale::setDefault(locale);
        QTEST(regionalDateText(now.date()), "date");
        QTEST(regionalTimeText(now.time()), "time");
    }
};

QTEST_MAIN(Tst_regionaltime)
#include "tst_regionaltime.moc"
