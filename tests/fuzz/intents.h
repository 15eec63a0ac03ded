// SPDX-License-Identifier: MIT
#pragma once

namespace fuzz {

// Drags a piece of the side to move onto one of its legal squares, through the shell's mouse
// callbacks; a and b choose the piece and the square. With a chess promotion waiting, clicks a
// piece of the strip instead. Legality is judged on a copy: the game sees only the mouse.
void playIntent(int a, int b);

} // namespace fuzz
