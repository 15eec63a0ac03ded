// SPDX-License-Identifier: MIT
#pragma once

// Command-line manners of a packaged program, settled before GLUT sees the arguments.

// Answers --help and --version on standard output; true when one was asked for, and the program
// should then end with status 0 without opening a display.
bool answerInfoOption(int argc, char** argv);

// Whether the display GLUT will use (its -display argument, else DISPLAY) can be opened; if not,
// says so in one line on standard error.
bool displayUsable(int argc, char** argv);
