#include "core/numbertext.h"

namespace trayeko {

double parseLeadingNumber(std::string_view) { return 0; } // placeholder until the parser lands

} // namespace trayeko
