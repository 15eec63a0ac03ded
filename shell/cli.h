// SPDX-License-Identifier: MIT
#pragma once

// Command-line manners of a packaged program, settled before GLUT sees the arguments.

// Answers --help and --version on standard output; true when one was asked for, and the program
// should then end with status 0 without opening a display.
bool answerInfoOption(int argc, char** argv);

// The argument after the last occurrence of a GLUT option such as -display, or null.
const char* optionValue(int argc, char** argv, const char* option);

// Whether the command line hands GLUT a -geometry with a size in it; GLUT takes the option
// out of the arguments, so ask before it sees them.
bool geometryGivesSize(int argc, char** argv);
