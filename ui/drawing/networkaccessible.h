#pragma once

#include <QString>

namespace trayeko::ui {

class NetworkView;

// Makes the drawing readable by assistive technology: registers its accessible interface, which
// lists every node and link as a child with its highlighted state and sums up the highlighted
// route in the drawing's description, names the weight boxes ("Bobot jalur 1" ...), and tells
// assistive technology of every colour change of the drawing from then on. Whoever puts a
// drawing on screen calls it once.
void makeAccessible(NetworkView& view);

// The sentence the drawing's description gives for its highlighted elements, such as
// "Lintasan terpilih: simpul 1, 3, 5, 7 lewat jalur 2, 7, 13".
QString highlightedRouteText(const NetworkView& view);

} // namespace trayeko::ui
