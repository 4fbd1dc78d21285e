#include "core/clock.h"

#include <chrono>

namespace trayeko {

ClockReading readClock()
{
    using namespace std::chrono;
    return {duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()};
}

} // namespace trayeko
