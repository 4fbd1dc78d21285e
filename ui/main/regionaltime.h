#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace trayeko::ui {

// The date and time texts of the status bar in the regional formats of the default QLocale.

// The short date with a four-digit year, also where the regional format has two digits.
QString regionalDateText(const QDate& date);

// The time of day with seconds and without the time zone.
QString regionalTimeText(const QTime& time);

// The name of the time zone @p now is in: Indonesia's "WIB", "WITA" and "WIT" for UTC+7, +8 and
// +9, elsewhere the zone's own abbreviation ("UTC", "CET"), or its offset where it has none.
QString regionalZoneText(const QDateTime& now);

} // namespace trayeko::ui
