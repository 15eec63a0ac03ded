// SPDX-License-Identifier: MIT
#pragma once

// Each system's OpenGL, GLU and GLUT headers, chosen in this one place for the shell and the
// games. freeglut's own header, where it exists, adds the close callback to classic GLUT.
#if defined(__APPLE__)
#include <GLUT/glut.h>
#include <OpenGL/glu.h>
#elif defined(__EMSCRIPTEN__)
#include "platform/web/gl.h"
#elif __has_include(<GL/freeglut.h>)
#include <GL/freeglut.h>
#include <GL/glu.h>
#else
#include <GL/glu.h>
#include <GL/glut.h>
#endif
