// SPDX-License-Identifier: MIT
#pragma once
// Window pixels of board points in the 550 by 550 window the program opens with, y counted from
// the top as mouse events count it. (GL tests convert under the live view: support/gl_env.h.)

namespace testing_support {

constexpr int startWindow = 550;
constexpr float startUnit = startWindow / 8.0f;

inline int boardX(float x) { return static_cast<int>(x * startUnit); }
inline int boardY(float y) { return static_cast<int>(startWindow - y * startUnit); }

} // namespace testing_support
