#pragma once

#include <cmath>
#include <cstdint>

// A small, fast generator whose sequence is fixed by its seed on every compiler and
// library (unlike the standard distributions), so a seed always gives the same platform.
class nxPlatformRandom
{
public:
    // Different streams of one seed are independent, so adding log traffic does not
    // change which applications fail.
    explicit nxPlatformRandom(uint64_t seed, uint64_t stream = 0)
        : m_state(Mix(seed ^ Mix(stream + 0x9E3779B97F4A7C15ull)))
    {
    }

    uint64_t Next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        return Mix(m_state);
    }

    // In [0, 1).
    double NextDouble() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Between(double low, double high) { return low + (high - low) * NextDouble(); }
    // In [0, count); 0 when count is 0.
    uint32_t Below(uint32_t count) { return count ? static_cast<uint32_t>((Next() >> 32) * count >> 32) : 0; }
    bool Chance(double probability) { return NextDouble() < probability; }

    // A whole number of events whose mean is expected: its whole part, plus one by
    // chance. Nothing for a mean that is not a positive number; at most MaxCount.
    static constexpr uint32_t MaxCount = 1u << 24;
    uint32_t Count(double expected)
    {
        if (!(expected > 0.0))
            return 0;
        if (expected >= MaxCount)
            return MaxCount;
        const double whole = std::floor(expected);
        return static_cast<uint32_t>(whole) + (Chance(expected - whole) ? 1u : 0u);
    }

private:
    static uint64_t Mix(uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    uint64_t m_state;
};
