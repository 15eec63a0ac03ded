// SPDX-License-Identifier: MIT
#pragma once

// Gives the current GLUT window what docks and task switchers look for: its class (matched by
// the desktop entry's StartupWMClass), the owning process and the game's icon.
void announceWindow();
