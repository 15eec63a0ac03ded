// SPDX-License-Identifier: MIT
#pragma once
// Small checks shared by the position tests of both games.

#include "shell/game.h"

#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <string>

namespace testing_support {

inline void expectColour(const float* actual, float r, float g, float b)
{
    EXPECT_FLOAT_EQ(actual[0], r);
    EXPECT_FLOAT_EQ(actual[1], g);
    EXPECT_FLOAT_EQ(actual[2], b);
}

// What the call writes to the standard output stream.
inline std::string capturedOutput(const std::function<void()>& call)
{
    std::ostringstream captured;
    auto* old = std::cout.rdbuf(captured.rdbuf());
    call();
    std::cout.rdbuf(old);
    return captured.str();
}

// What "d" prints for the game.
inline std::string dump(game& g)
{
    return capturedOutput([&] { g.printInformation(); });
}

} // namespace testing_support
