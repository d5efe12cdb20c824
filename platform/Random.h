#pragma once

#include <QList>

#include <cstdint>
#include <random>
#include <utility>

// The one source of random choices. The app seeds it from std::random_device; tests fix the
// seed so that deals and decoys repeat.
class Random
{
public:
    Random();
    explicit Random(std::uint64_t seed)
        : engine_(seed)
    {}

    // Uniform integer in [low, high], both included. Returns low when high < low.
    int uniform(int low, int high);
    // Uniform index into a container of the given size (0 when empty).
    int index(qsizetype size) { return size > 0 ? uniform(0, int(size) - 1) : 0; }

    template <typename T> void shuffle(QList<T> &list)
    {
        for (qsizetype i = list.size() - 1; i > 0; --i)
            list.swapItemsAt(i, uniform(0, int(i)));
    }

    template <typename T> [[nodiscard]] QList<T> shuffled(QList<T> list)
    {
        shuffle(list);
        return list;
    }

private:
    std::mt19937_64 engine_;
};
