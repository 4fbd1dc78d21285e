#pragma once

#include <QFont>
#include <QStringList>

class QLabel;
class QLineEdit;
class QWidget;

namespace trayeko::ui {

// How far a font may give way before a text is better scrolled, wrapped or shown in a tool tip:
// the smallest pixel size and the narrowest stretch (in percent) that still read well.
struct FitLimits
{
    int minPixelSize = 0; // 0: the font's own size only
    int minStretch = QFont::UltraCondensed;
};

struct FittedFont
{
    QFont font;
    bool fits = false;
};

// The width of @p text in @p font, rounded up to whole pixels as a widget needs it.
int textWidth(const QFont& font, const QString& text);

// The largest font, starting from @p font, in which the widest of @p texts takes at most @p room
// pixels: the font's own size with its glyphs narrowed down to limits.minStretch, then each
// smaller pixel size down to limits.minPixelSize. A font that fits already comes back unchanged;
// none is ever widened. When nothing fits, the smallest and narrowest allowed font comes back
// with fits false.
//
// Each size and stretch tried loads a font engine of its own, so the search measures the distinct
// texts once, follows only the widest of them, steps by the measured overflow, and passes over a
// size that would need more narrowing than allowed. The answers are remembered, so a repeated
// question costs no measuring.
FittedFont fittedFont(const QFont& font, const QStringList& texts, int room, FitLimits limits);

// fittedFont at the font's own size: only the glyphs are narrowed.
QFont narrowedToFit(const QFont& font, const QStringList& texts, int room,
                    int minStretch = QFont::UltraCondensed);

// Narrows @p label's font from its designed stretch just enough that its text fits @p room
// pixels (margins included) and sizes the label to its text.
void narrowLabelToFit(QLabel* label, int room, int minStretch = QFont::UltraCondensed);

// Spreads the blanks of @p label's text so that its last word stands centred over @p below,
// as column heads counted in blanks for one font need for another.
void alignLastWord(QLabel* label, const QWidget* below);

// The pixels a line edit leaves for its text between its frame and margins, less the one it keeps
// for its caret: a text this wide shows whole, also while the box is being edited.
int textRoom(const QLineEdit* box);

// Gives @p box the largest font from @p designed down to @p limits in which its whole text fits;
// where none does, the smallest allowed.
void fitBoxText(QLineEdit* box, const QFont& designed, FitLimits limits);

// Makes a box narrow its value (in glyphs, then size) until it fits, focused or not; where even
// the smallest does not, it shows the value's beginning, and the whole value as its tool tip and,
// after its own description, in its accessible description. While the box has the focus the user
// reads the value in place around the caret, and the hint stays away.
void explainClippedText(QLineEdit* box);

} // namespace trayeko::ui
