#pragma once

#include <cstdint>

namespace trayeko {

/// @brief SplitMix64: small, fast and fully specified, unlike the distributions of <random>, whose
/// results differ between standard libraries; every step is exact 64-bit arithmetic, so a seed
/// gives the same numbers on every machine.
class SplitMix64 final
{
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    /// @brief 0 ... bound - 1; the bias of the remainder is below 1e-17 for small bounds.
    int below(int bound) { return int(next() % std::uint64_t(bound)); }

private:
    std::uint64_t m_state;
};

} // namespace trayeko
