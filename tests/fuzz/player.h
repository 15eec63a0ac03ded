// SPDX-License-Identifier: MIT
#pragma once

#include "fuzz/events.h"

#include <string>

namespace fuzz {

struct outcome {
    bool ok = true;
    std::size_t failedAt = 0; // index of the event after which an invariant broke
    std::string what;
};

// Starts from a fresh chess game in a 550 by 550 view, hands every event to the shell's callbacks
// as the toolkit would (no mouse input while finished), and checks the invariants after each.
// When a game ends (a new game is chosen, or the events run out), undoing to its start must give
// back its starting position exactly.
outcome play(const std::vector<event>& events);

} // namespace fuzz
