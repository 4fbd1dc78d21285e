#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QString>
#include <span>
#include <vector>

namespace trayeko::ui {

// The keys of the program as the help's key table lists them. Each part lists its keys beside
// the code that makes them answer, from the same constants, so the table cannot fall behind:
//
//   1. Write the part's rows as a table of KeyRow in its .cpp, and create the actions and
//      shortcuts from that table's keys (`action->setShortcut(kKeys[0].key)`).
//   2. List the table in the same .cpp with a KeyListing at namespace scope; its place says
//      where the rows stand among all others (see kKeyPlaces below), its section the heading
//      they stand under.
//
// The help reads the listings when it opens; no window is built for it. A listing in a file
// the program does not link is not listed, so it belongs in the file that creates the keys.
struct KeyRow
{
    // The key an action or shortcut answers; the table writes its names (Indonesian for the
    // named keys: "Panah kanan", "Spasi"). Empty where no shortcut stands behind the row.
    QKeyCombination key = {};
    // The keys as written, where no shortcut stands behind them (mnemonics, Tab, the keys of a
    // control, buttons); used instead of the key's names. UTF-8.
    const char* names = nullptr;
    // What the key does, in the help's words. UTF-8. Neighbouring rows of one listing with the
    // same text become one row: "Panah kanan, Spasi".
    const char* what = "";
};

using KeyRows = std::vector<KeyRow>;

// The places of the help's sections, in the table's order; the listings of one section take
// places from its hundred (F1 at 100, the picture keys at 120 ...).
namespace keyplace {
inline constexpr int kEveryWindow = 100;
inline constexpr int kDijkstra = 200;
inline constexpr int kFloyd = 300;
inline constexpr int kSteps = 400;
inline constexpr int kExercise = 450;
inline constexpr int kCompare = 500;
inline constexpr int kCompareViews = 600;
} // namespace keyplace

inline constexpr char kEveryWindowSection[] = "Semua jendela";

// The button "&Keluar" of the tool windows.
inline constexpr KeyRow kCloseButtonKeys{{}, "Alt+K", "Keluar: menutup jendela"};

// Lists @p rows in the help's key table under @p section, at @p place. A namespace-scope object:
// the listing stays for the program's life.
class KeyListing final
{
public:
    KeyListing(int place, const char* section, std::span<const KeyRow> rows);
    // Rows worked out when the help opens, from a table with more in it than the rows.
    KeyListing(int place, const char* section, KeyRows (*rows)());
};

// "Ctrl+Shift+C", "Panah kanan", "F10": a key's names as the help writes them.
QString keyNames(const QKeySequence& keys);

// The whole key table as Markdown: a heading per section, a table of keys and what they do.
QString keyTableMarkdown();

} // namespace trayeko::ui
