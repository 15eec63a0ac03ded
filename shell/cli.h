// SPDX-License-Identifier: MIT
#pragma once

#include "shell/placement.h"

// Command-line manners of a packaged program, settled before GLUT sees the arguments.

// Points each closed one of standard input, output and error at the null device. A launcher may
// start the program with one closed, and the next descriptor opened, the display connection's,
// would take its number: the welcome text would then be written into the X protocol stream.
void openClosedStandardStreams();

// Answers --help and --version on standard output; true when one was asked for, and the program
// should then end with status 0 without opening a display.
bool answerInfoOption(int argc, char** argv);

// The argument after the last occurrence of a GLUT option such as -display, or null.
const char* optionValue(int argc, char** argv, const char* option);

// What -geometry asks for; GLUT takes the option out of the arguments, so ask before it sees
// them. A value that is no geometry asks for nothing, as GLUT then takes it.
geometry_request geometryRequest(int argc, char** argv);
