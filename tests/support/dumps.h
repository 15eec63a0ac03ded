// SPDX-License-Identifier: MIT
#pragma once
// What "d" prints for the starting positions.

namespace testing_support {

inline constexpr const char* chessStartDump = "\t13\t14\t15\t12\t11\t15\t14\t13\n"
                                              "\t16\t16\t16\t16\t16\t16\t16\t16\n"
                                              "\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                              "\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                              "\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                              "\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                              "\t6\t6\t6\t6\t6\t6\t6\t6\n"
                                              "\t3\t4\t5\t2\t1\t5\t4\t3\n"
                                              "\n\n";

inline constexpr const char* checkersStartDump = " 2 0 2 0 2 0 2 0\n"
                                                 " 0 2 0 2 0 2 0 2\n"
                                                 " 2 0 2 0 2 0 2 0\n"
                                                 " 0 0 0 0 0 0 0 0\n"
                                                 " 0 0 0 0 0 0 0 0\n"
                                                 " 0 1 0 1 0 1 0 1\n"
                                                 " 1 0 1 0 1 0 1 0\n"
                                                 " 0 1 0 1 0 1 0 1\n"
                                                 "\n\n";

} // namespace testing_support
