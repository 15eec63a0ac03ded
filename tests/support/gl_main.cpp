// SPDX-License-Identifier: MIT
#include "support/gl_env.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display; running them does, and fails without one.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    testing_support::openGlWindow();
    int result = RUN_ALL_TESTS();
    checkLeaksNow();
    testing_support::releaseGlContext();
    return result;
}
