#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

// Counts and times that stop at their type's limits instead of wrapping round.
namespace Saturating {

template <typename T> [[nodiscard]] constexpr T add(T a, T b)
{
    T sum{};
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
}

template <typename T> [[nodiscard]] constexpr T multiply(T a, T b)
{
    T product{};
    if (!__builtin_mul_overflow(a, b, &product))
        return product;
    return (a < 0) != (b < 0) ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
}

// A double as a whole number of type T, clamped to T's range; NaN gives 0.
template <typename T> [[nodiscard]] T fromDouble(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    if (value <= double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    return T(value);
}

}
