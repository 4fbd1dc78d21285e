#pragma once

#include <QString>
#include <string_view>

namespace trayeko::ui {

// The core speaks UTF-8 in standard strings; the windows show QStrings.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace trayeko::ui
