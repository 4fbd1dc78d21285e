#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief One reading of a steady (monotonic) clock, in whole milliseconds since an arbitrary
/// but fixed origin.
struct ClockReading
{
    std::int64_t milliseconds = 0;
};

/// @brief A source of clock readings; windows hold one so that tests can inject their own.
using Clock = std::function<ClockReading()>;

/// @brief Reads the steady clock to the millisecond.
ClockReading readClock();

/// @brief "Selesai pencarian dalam: " + formatGeneral(ms / 1000) + " detik", where ms is the
/// whole number of milliseconds from @p start to @p end, never negative.
std::string elapsedText(ClockReading start, ClockReading end,
                        std::string_view decimalSeparator = ".");

} // namespace trayeko
