// SPDX-License-Identifier: MIT
#pragma once
// Window events as the toolkit would deliver them, generated from a seed, written and read as
// text so that a failing sequence can be kept as a regression test.

#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// `play` is a whole drag of a piece of the side to move onto one of its legal squares (a and b
// choose which), resolved against the game when it is delivered, and sent as press, motion and
// release like any other drag.
enum class kind { press, motion, release, middle, key, special, menu, reshape, display, play };

struct event {
    kind what;
    int a = 0;
    int b = 0;
};

// A small deterministic generator, the same on every platform.
class rng {
public:
    explicit rng(std::uint64_t seed)
        : state_(seed * 0x9E3779B97F4A7C15ull + 1)
    {
    }
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 11);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    std::uint64_t state_;
};

// Plausible input: mostly drags of pieces, with lost releases, keys, menus and odd sizes.
std::vector<event> generate(std::uint64_t seed, int count);

std::string format(const std::vector<event>& events);
std::vector<event> parse(const std::string& text);

} // namespace fuzz
