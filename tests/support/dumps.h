// SPDX-License-Identifier: MIT
#pragma once
// What the program prints: the welcome text at start, and "d" for the starting positions.

namespace testing_support {

inline constexpr const char* welcomeText
    = "Welcome to Quor's OpenGL Chess & Checkers program.\n"
      "\n"
      "This OpenGL program demonstrates mouse interaction on a screen.\n"
      "It allows two people to play a game of chess or checkers against one another.\n"
      "\n"
      "Right-click on the screen and bring up a sub-menu which allows you\n"
      "to choose which player goes first, which color scheme to make the board\n"
      "and the color scheme of the player pieces!\n"
      "\n"
      "If a player is in check, various moves may be difficult to make ;)\n"
      "Otherwise, all moves and rules still apply.\n";

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
