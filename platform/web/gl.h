// SPDX-License-Identifier: MIT
#pragma once

// Emscripten's OpenGL emulation and GLUT, and what the program supplies where they fall short of
// desktop GL 1.x and freeglut (select.cpp, font.cpp, web.cpp and glut.js in this folder).
#include <GL/glu.h>
#include <GL/glut.h>

// The emulation refuses GL_POLYGON ("unsupported immediate mode 9"). Every polygon the program
// draws is convex, which a triangle fan draws the same.
#undef GL_POLYGON
#define GL_POLYGON GL_TRIANGLE_FAN

// Emscripten's header claims freeglut but leaves out its extensions; a page has no close button
// and one menu font, so both are accepted and do nothing.
extern "C" void glutCloseFunc(void (*callback)());
extern "C" void glutSetMenuFont(int menu, void* font);
