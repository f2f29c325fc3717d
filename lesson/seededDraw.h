// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A small generator (SplitMix64) whose numbers are the same on every platform and standard
// library, unlike the standard distributions: the same seed draws the same tasks and sheets in
// the window and in the browser.
class TSeededDraw {
public:
    explicit TSeededDraw(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // A number from 0 to bound - 1.
    std::int32_t below(std::int32_t bound) {
        return static_cast<std::int32_t>(next() % static_cast<std::uint64_t>(bound));
    }
    // items in an order drawn from here.
    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1],
                      items[static_cast<std::size_t>(below(static_cast<std::int32_t>(i)))]);
        }
    }

private:
    std::uint64_t m_state;
};
