#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace trayeko::ui {

// The date and time texts of the status bar in the regional formats of the default QLocale.

// The short date with a four-digit year, also where the regional format has two digits.
QString regionalDateText(const QDate& date);

// The time of day with seconds and without the time zone.
QString regionalTimeText(const QTime& time);

} // namespace trayeko::ui
