#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief A source of readings of a steady high-resolution clock, in nanoseconds since an
/// arbitrary but fixed origin; the comparison window and the growth chart hold one so that tests
/// can inject their own.
using PreciseClock = std::function<std::int64_t()>;

/// @brief Reads std::chrono::steady_clock to the nanosecond.
std::int64_t readPreciseClock();

/// @brief How long a search is timed. A single search on a few nodes takes less than a
/// microsecond, far below what one pair of clock readings can tell apart, so the search runs in
/// batches long enough for the clock, and batches are repeated until enough time has passed for
/// their median to be steady.
struct TimingLimits
{
    std::int64_t batchNanoseconds = 1'000'000;  ///< a batch is doubled until it takes this long
    std::int64_t totalNanoseconds = 20'000'000; ///< repeats until the batches took this long
    int minimumRepeats = 5;
    int maximumRepeats = 1000; ///< a clock that stands still ends here
    std::int64_t maximumBatch = std::int64_t(1) << 20;
};

/// @brief What a timing found: the median time of one search, and how it was reached.
struct Timing
{
    double seconds = 0;
    int repeats = 0;
    std::int64_t batch = 0; ///< searches per repeat
};

/// @brief Times @p search alone: nothing but its runs lie between the clock readings. Stops early,
/// with what it has, when @p cancelled says so (checked between batches).
Timing timeSearch(const std::function<void()>& search, const PreciseClock& clock,
                  const TimingLimits& limits = {}, const std::function<bool()>& cancelled = {});

/// @brief @p seconds with three significant digits and never in exponent form, so that a
/// student can read it and compare it with another time in the same unit: "0.0123", "0.000000451",
/// "1.50", "1230". Zero (and anything not above zero) is "0".
std::string threeDigitSeconds(double seconds, std::string_view decimalSeparator = ".");

/// @brief "Selesai pencarian dalam: " + threeDigitSeconds(seconds) + " detik".
std::string searchTimeText(double seconds, std::string_view decimalSeparator = ".");

} // namespace trayeko
