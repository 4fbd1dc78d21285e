#pragma once

#include <QFont>

namespace trayeko::ui {

// The program asks for its three faces by name, so that it looks the same wherever it is
// installed: DejaVu Sans stands in for the sans-serif face of the design, DejaVu Sans Mono sets
// the Floyd listings and the printed pages, whose columns are runs of spaces, and DejaVu Serif
// letters the banners. The Debian package fonts-dejavu-core brings all three. Where one is
// missing, fontconfig's face of that kind takes its place; the layout still holds, since every
// text is fitted to its box.
inline constexpr char kProgramFamily[] = "DejaVu Sans";
inline constexpr char kListingFamily[] = "DejaVu Sans Mono";
inline constexpr char kBannerFamily[] = "DejaVu Serif";

// The program's face at the given pixel size (the windows' controls).
QFont programFont(int pixelSize);
// The fixed-pitch face of the listings at the given pixel size.
QFont listingFont(int pixelSize);
// The fixed-pitch face of the listings at the given point size (printed pages).
QFont listingFontInPoints(qreal pointSize);

// Makes the program's face the application's, for menus, the status bar and dialogs; the size
// stays the desktop's.
void useProgramFont();

} // namespace trayeko::ui
