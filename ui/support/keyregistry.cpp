#include "ui/support/keyregistry.h"

#include <QStringList>
#include <algorithm>

namespace trayeko::ui {

namespace {

struct Listing
{
    int place;
    const char* section;
    std::span<const KeyRow> table;
    KeyRows (*rows)();
};

// Filled by the listings' constructors before main(); a function's static, so that it exists
// whichever file's listing comes first.
std::vector<Listing>& listings()
{
    static std::vector<Listing> all;
    return all;
}

// The table's cells are Markdown: a "|" of a button's caption would end the cell.
QString cell(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('|'), QStringLiteral("\\|"));
}

} // namespace

KeyListing::KeyListing(int place, const char* section, std::span<const KeyRow> rows)
{
    listings().push_back({place, section, rows, nullptr});
}

KeyListing::KeyListing(int place, const char* section, KeyRows (*rows)())
{
    listings().push_back({place, section, {}, rows});
}

QString keyNames(const QKeySequence& keys)
{
    // Qt's names are English; the help speaks of the named keys in Indonesian.
    static const std::pair<const char*, const char*> kWords[] = {
        {"Right", "Panah kanan"}, {"Left", "Panah kiri"}, {"Up", "Panah atas"},
        {"Down", "Panah bawah"},  {"Space", "Spasi"},     {"Return", "Enter"},
        {"Escape", "Esc"},
    };
    QStringList names;
    for (int i = 0; i < keys.count(); ++i) {
        QString name = QKeySequence(keys[i]).toString(QKeySequence::PortableText);
        for (const auto& [english, indonesian] : kWords)
            if (name == QLatin1String(english) ||
                name.endsWith(QLatin1Char('+') + QLatin1String(english)))
                name = name.chopped(int(qstrlen(english))) + QString::fromUtf8(indonesian);
        names << name;
    }
    return names.join(QStringLiteral(", "));
}

QString keyTableMarkdown()
{
    std::vector<Listing> sorted = listings();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Listing& a, const Listing& b) { return a.place < b.place; });
    QString text;
    const char* section = nullptr;
    for (const Listing& listing : sorted) {
        if (!section || qstrcmp(section, listing.section) != 0) {
            section = listing.section;
            text += QStringLiteral("\n## %1\n\n| Tombol | Fungsi |\n|---|---|\n")
                        .arg(QString::fromUtf8(section));
        }
        const KeyRows rows =
            listing.rows ? listing.rows() : KeyRows(listing.table.begin(), listing.table.end());
        for (size_t r = 0; r < rows.size();) {
            QStringList names;
            const char* what = rows[r].what;
            for (; r < rows.size() && qstrcmp(rows[r].what, what) == 0; ++r)
                names << (rows[r].names ? QString::fromUtf8(rows[r].names)
                                        : keyNames(QKeySequence(rows[r].key)));
            text += QStringLiteral("| %1 | %2 |\n")
                        .arg(cell(names.join(QStringLiteral(", "))), cell(QString::fromUtf8(what)));
        }
    }
    return text;
}

} // namespace trayeko::ui
