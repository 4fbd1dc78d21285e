#include "ui/main/regionaltime.h"

#include <QLocale>
#include <QtTest>

using trayeko::ui::regionalDateText;
using trayeko::ui::regionalTimeText;
using trayeko::ui::regionalZoneText;

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
        QTest::addColumn<QString>("zone");
        const QDate day(2003, 9, 2);
        const QTime morning(11, 50, 41, 250);
        const auto at = [&](int hoursEast) {
            return QDateTime(day, morning, QTimeZone(hoursEast * 3600));
        };
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("US morning, UTC+7") << us << at(7) << "9/2/2003"
                                           << "11:50:41 AM"
                                           << "WIB";
        QTest::newRow("US evening, UTC+8")
            << us << QDateTime(QDate(1999, 11, 30), QTime(23, 5, 9), QTimeZone(8 * 3600))
            << "11/30/1999"
            << "11:05:09 PM"
            << "WITA";
        QTest::newRow("German two-digit year widened, UTC+9")
            << QLocale(QLocale::German, QLocale::Germany) << at(9) << "02.09.2003"
            << "11:50:41"
            << "WIT";
        QTest::newRow("Indonesian dots in the time, UTC")
            << QLocale(QLocale::Indonesian, QLocale::Indonesia)
            << QDateTime(day, morning, QTimeZone::utc()) << "02/09/2003"
            << "11.50.41"
            << "UTC";
        QTest::newRow("Canadian French quoted words")
            << QLocale(QLocale::French, QLocale::Canada) << at(-4) << "2003-09-02"
            << "11 h 50 min 41 s"
            << "UTC-04";
        QTest::newRow("Chinese zone first")
            << QLocale(QLocale::Chinese, QLocale::China) << at(7) << "2003/9/2"
            << "11:50:41"
            << "WIB";
        QTest::newRow("Spanish zone in brackets")
            << QLocale(QLocale::Spanish, QLocale::Spain) << at(2) << "2/9/2003"
            << "11:50:41"
            << "UTC+02";
    }

    void texts()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, now);
        QLocale::setDefault(locale);
        QTEST(regionalDateText(now.date()), "date");
        QTEST(regionalTimeText(now.time()), "time");
        QTEST(regionalZoneText(now), "zone");
    }
};

QTEST_MAIN(Tst_regionaltime)
#include "tst_regionaltime.moc"
