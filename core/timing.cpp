#include "core/timing.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <vector>

namespace trayeko {

std::int64_t readPreciseClock()
{
    using namespace std::chrono;
    static_assert(steady_clock::is_steady);
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

Timing timeSearch(const std::function<void()>& search, const PreciseClock& clock,
                  const TimingLimits& limits, const std::function<bool()>& cancelled)
{
    const PreciseClock& now = clock ? clock : PreciseClock(readPreciseClock);
    const auto batchTime = [&](std::int64_t batch) {
        const std::int64_t start = now();
        for (std::int64_t i = 0; i < batch; ++i)
            search();
        // An injected clock may step backwards; a batch never takes negative time.
        return std::max<std::int64_t>(0, now() - start);
    };
    const auto stop = [&] { return cancelled && cancelled(); };

    Timing timing;
    timing.batch = 1;
    std::int64_t first = batchTime(1);
    while (first < limits.batchNanoseconds && timing.batch < limits.maximumBatch && !stop()) {
        timing.batch *= 2;
        first = batchTime(timing.batch);
    }
    std::vector<std::int64_t> samples{first};
    std::int64_t total = first;
    while ((total < limits.totalNanoseconds || int(samples.size()) < limits.minimumRepeats) &&
           int(samples.size()) < limits.maximumRepeats && !stop()) {
        samples.push_back(batchTime(timing.batch));
        total += samples.back();
    }

    const auto middle = samples.begin() + std::ptrdiff_t(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    double median = double(*middle);
    if (samples.size() % 2 == 0)
        median = (median + double(*std::max_element(samples.begin(), middle))) / 2;
    timing.seconds = median / double(timing.batch) / 1e9;
    timing.repeats = int(samples.size());
    return timing;
}

std::string threeDigitSeconds(double seconds, std::string_view decimalSeparator)
{
    if (!(seconds > 0) || seconds > 1e300)
        return "0";
    // Rounded once, to three digits in exponent form ("4.51e-07"); the digits are then set out
    // without the exponent. Rounding first keeps 0.0009996 from turning into "0.00100" by hand.
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::scientific, 2)
            .ptr;
    const std::string digits{buffer[0], buffer[2], buffer[3]};
    // to_chars writes no terminating zero: the exponent is read up to the end it reported.
    const char* e = std::find(buffer, end, 'e') + 1;
    int exponent = 0;
    std::from_chars(e[0] == '+' ? e + 1 : e, end, exponent);

    if (exponent >= 2)
        return digits + std::string(std::size_t(exponent - 2), '0');
    if (exponent >= 0)
        return digits.substr(0, std::size_t(exponent + 1)) + std::string(decimalSeparator) +
               digits.substr(std::size_t(exponent + 1));
    return "0" + std::string(decimalSeparator) + std::string(std::size_t(-exponent - 1), '0') +
           digits;
}

std::string searchTimeText(double seconds, std::string_view decimalSeparator)
{
    return "Selesai pencarian dalam: " + threeDigitSeconds(seconds, decimalSeparator) + " detik";
}

} // namespace trayeko
