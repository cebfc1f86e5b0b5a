// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace graphs {

// Lowest and highest of any stretch of a fixed array, in time that hardly
// grows with the stretch: blocks of 64 entries, blocks of 64 blocks, and so
// on, keep their extremes. Values must be comparable (no NaN).
template <class T>
class RangeExtremes {
public:
    RangeExtremes(const T* values, std::size_t size) : values_(values)
    {
        std::size_t below = size;
        while (below > Fan) {
            const std::size_t n = (below + Fan - 1) / Fan;
            const T* low = level(lowest_.size(), true);
            const T* high = level(lowest_.size(), false);
            std::vector<T> blockLow(n);
            std::vector<T> blockHigh(n);
            for (std::size_t b = 0; b < n; ++b) {
                const std::size_t end = std::min(below, (b + 1) * Fan);
                T lo = low[b * Fan];
                T hi = high[b * Fan];
                for (std::size_t i = b * Fan + 1; i < end; ++i) {
                    lo = std::min(lo, low[i]);
                    hi = std::max(hi, high[i]);
                }
                blockLow[b] = lo;
                blockHigh[b] = hi;
            }
            lowest_.push_back(std::move(blockLow));
            highest_.push_back(std::move(blockHigh));
            below = n;
        }
    }

    struct Extremes {
        T lowest;
        T highest;
    };

    // Over indices first .. last, both included.
    Extremes over(std::size_t first, std::size_t last) const
    {
        Extremes e{values_[first], values_[first]};
        descend(0, first, last, e);
        return e;
    }

private:
    static constexpr std::size_t Fan = 64;

    const T* level(std::size_t l, bool low) const
    {
        if (l == 0) {
            return values_;
        }
        return low ? lowest_[l - 1].data() : highest_[l - 1].data();
    }

    void scan(std::size_t l, std::size_t first, std::size_t last, Extremes& e) const
    {
        const T* low = level(l, true);
        const T* high = level(l, false);
        for (std::size_t i = first; i <= last; ++i) {
            e.lowest = std::min(e.lowest, low[i]);
            e.highest = std::max(e.highest, high[i]);
        }
    }

    void descend(std::size_t l, std::size_t first, std::size_t last, Extremes& e) const
    {
        const std::size_t firstWhole = (first + Fan - 1) / Fan;
        const std::size_t pastWhole = (last + 1) / Fan;
        if (l == lowest_.size() || firstWhole >= pastWhole) {
            scan(l, first, last, e);
            return;
        }
        if (first < firstWhole * Fan) {
            scan(l, first, firstWhole * Fan - 1, e);
        }
        if (pastWhole * Fan <= last) {
            scan(l, pastWhole * Fan, last, e);
        }
        descend(l + 1, firstWhole, pastWhole - 1, e);
    }

    const T* values_;
    // Level l + 1 holds the extremes of blocks of Fan entries of level l;
    // level 0 is the values themselves.
    std::vector<std::vector<T>> lowest_;
    std::vector<std::vector<T>> highest_;
};

} // namespace graphs
