#include "platform/Random.h"

Random::Random()
    : engine_([] {
        std::random_device device;
        return (std::uint64_t(device()) << 32) ^ device();
    }())
{}

int Random::uniform(int low, int high)
{
    if (high <= low)
        return low;
    // Rejection sampling keeps the draw uniform and the same on every standard library.
    const std::uint64_t span = std::uint64_t(std::int64_t(high) - low) + 1;
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
    std::uint64_t value = engine_();
    while (value >= limit)
        value = engine_();
    return int(std::int64_t(low) + std::int64_t(value % span));
}
