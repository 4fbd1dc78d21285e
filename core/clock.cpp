#include "core/clock.h"

#include "core/numbertext.h"

#include <chrono>

namespace trayeko {

ClockReading readClock()
{
    using namespace std::chrono;
    return {duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()};
}

std::string elapsedText(ClockReading start, ClockReading end, std::string_view decimalSeparator)
{
    // An injected clock may step backwards; a run never takes negative time. The difference is
    // taken unsigned so that even readings at the ends of the range cannot overflow.
    const std::uint64_t ms =
        end.milliseconds > start.milliseconds
            ? std::uint64_t(end.milliseconds) - std::uint64_t(start.milliseconds)
            : 0;
    return "Selesai pencarian dalam: " + formatGeneral(double(ms) / 1000.0, decimalSeparator) +
           " detik";
}

} // namespace trayeko
