#include "ui/main/regionaltime.h"

#include <QLocale>
#include <QTimeZone>

namespace trayeko::ui {

namespace {

// Rewrites the unquoted parts of a Qt date or time format with @p rewrite; quoted literal text
// ('h', 'г'.) stays as it is.
template <class Rewrite> QString rewriteUnquoted(const QString& format, Rewrite rewrite)
{
    QString out;
    QString plain;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            if (!quoted) {
                out += rewrite(plain);
                plain.clear();
            }
            quoted = !quoted;
            out += c;
        } else if (quoted) {
            out += c;
        } else {
            plain += c;
        }
    }
    out += rewrite(plain);
    return out;
}

bool hasUnquoted(const QString& format, QChar field)
{
    bool found = false;
    rewriteUnquoted(format, [&](const QString& part) {
        found = found || part.contains(field);
        return part;
    });
    return found;
}

// Puts @p rewrite(run) in the place of every run of the letter @p field in @p part. Plain string
// work: a regular expression engine here would be loaded and run only for these few letters.
template <class Rewrite> QString rewriteRuns(const QString& part, QChar field, Rewrite rewrite)
{
    QString out;
    for (qsizetype i = 0; i < part.size();) {
        qsizetype end = i;
        while (end < part.size() && part[end] == field)
            ++end;
        if (end > i) {
            out += rewrite(part.mid(i, end - i));
            i = end;
        } else {
            out += part[i++];
        }
    }
    return out;
}

// Every run of two or more blanks becomes one space.
QString collapseBlanks(const QString& part)
{
    QString out;
    for (qsizetype i = 0; i < part.size();) {
        qsizetype end = i;
        while (end < part.size() && part[end].isSpace())
            ++end;
        if (end - i >= 2) {
            out += u' ';
            i = end;
        } else {
            out += part[i++];
        }
    }
    return out;
}

// The regional time format with seconds and without the time zone (the panel adds its own).
QString timeFormatWithSeconds(const QLocale& locale)
{
    QString format = rewriteUnquoted(locale.timeFormat(QLocale::LongFormat), [](QString part) {
                         part.remove(u't').remove(QStringLiteral("()"));
                         return collapseBlanks(part);
                     }).trimmed();
    if (hasUnquoted(format, u's'))
        return format;

    return rewriteUnquoted(locale.timeFormat(QLocale::ShortFormat), [](const QString& part) {
        return rewriteRuns(part, u'm',
                           [](const QString& run) { return run + QStringLiteral(":ss"); });
    });
}

} // namespace

QString regionalDateText(const QDate& date)
{
    // The year always has four digits, also where the regional short format has two.
    const QLocale locale;
    const QString format =
        rewriteUnquoted(locale.dateFormat(QLocale::ShortFormat), [](const QString& part) {
            return rewriteRuns(part, u'y', [](const QString&) { return QStringLiteral("yyyy"); });
        });
    return locale.toString(date, format);
}

QString regionalTimeText(const QTime& time)
{
    const QLocale locale;
    return locale.toString(time, timeFormatWithSeconds(locale));
}

QString regionalZoneText(const QDateTime& now)
{
    switch (now.offsetFromUtc()) {
    case 7 * 3600:
        return QStringLiteral("WIB");
    case 8 * 3600:
        return QStringLiteral("WITA");
    case 9 * 3600:
        return QStringLiteral("WIT");
    default:
        break;
    }
    const QString own = now.timeZoneAbbreviation();
    return own.isEmpty() ? now.timeZone().displayName(now, QTimeZone::OffsetName) : own;
}

} // namespace trayeko::ui
