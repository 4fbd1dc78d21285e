#include "ui/widgets/resultstrip.h"

#include "ui/widgets/textfit.h"

#include <QLabel>
#include <algorithm>

namespace trayeko::ui {

namespace {

// How far a result is narrowed on its own, and how far when it shares the row with the other.
constexpr int kOwnMinStretch = QFont::Condensed;
constexpr int kSharedMinStretch = 60;

void setFontIfChanged(QLabel* label, const QFont& font)
{
    if (label->font() != font)
        label->setFont(font);
}

} // namespace

ResultStrip::ResultStrip(QLabel* total, QLabel* elapsed, int right)
    : m_total(total), m_elapsed(elapsed), m_totalRect(total->geometry()),
      m_elapsedRect(elapsed->geometry()), m_font(total->font()), m_right(right)
{
    arrange();
}

void ResultStrip::arrange()
{
    const QString total = m_total->text();
    const QString elapsed = m_elapsed->text();
    const int left = m_totalRect.left();
    const int top = m_totalRect.top();
    const int height = m_totalRect.height();
    const int room = m_right - left;
    // The total's label ends where the elapsed time begins (as designed they share a pixel); a
    // total that reaches that far keeps a blank's width between the two texts.
    const int designedTotal = m_elapsedRect.left() - left;
    const int gap = textWidth(m_font, QStringLiteral(" "));
    const int designedElapsed = m_elapsedRect.width();

    QFont totalFont = narrowedToFit(m_font, {total}, designedTotal - gap, kOwnMinStretch);
    QFont elapsedFont = narrowedToFit(m_font, {elapsed}, designedElapsed, kOwnMinStretch);
    int totalWidth = std::max(designedTotal, textWidth(totalFont, total) + gap);
    const int elapsedNeeds = textWidth(elapsedFont, elapsed);
    // Right of a grown total the elapsed time keeps its designed width where the row allows.
    int elapsedWidth = std::max(elapsedNeeds, std::min(designedElapsed, room - totalWidth));
    bool oneRow = totalWidth + elapsedNeeds <= room;
    if (!oneRow) {
        // Each text rounds up to a whole pixel on its own; keep a pixel for each.
        const QFont shared =
            narrowedToFit(m_font, {total + ' ' + elapsed}, room - 2, kSharedMinStretch);
        const int sharedTotal = textWidth(shared, total + ' ');
        if (sharedTotal + textWidth(shared, elapsed) <= room) {
            totalFont = elapsedFont = shared;
            totalWidth = sharedTotal;
            elapsedWidth = room - sharedTotal;
            oneRow = true;
        }
    }
    if (!oneRow) {
        totalFont = narrowedToFit(m_font, {total}, room, QFont::UltraCondensed);
        elapsedFont = narrowedToFit(m_font, {elapsed}, room, QFont::UltraCondensed);
        totalWidth = std::min(room, std::max(designedTotal, textWidth(totalFont, total) + gap));
        elapsedWidth = std::min(room, std::max(designedElapsed, textWidth(elapsedFont, elapsed)));
    }

    setFontIfChanged(m_total, totalFont);
    setFontIfChanged(m_elapsed, elapsedFont);
    m_total->setGeometry(left, top, totalWidth, height);
    if (oneRow)
        m_elapsed->setGeometry(left + totalWidth, top, elapsedWidth, height);
    else
        m_elapsed->setGeometry(left, top + height, elapsedWidth, m_elapsedRect.height());
}

} // namespace trayeko::ui
