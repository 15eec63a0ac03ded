// SPDX-License-Identifier: MIT
#pragma once

// Functions of the system's libraries that the program defines too, its own coming first in
// symbol lookup: the immediate mode (immediate.cpp), glRenderMode on the system's libGL
// (mesa_select.cpp) and, on X, two calls of Xlib (x11.cpp).
#include "platform/gl.h"

#include <vector>

// The library's definition of a function that the program's own stands in front of: the next in
// symbol lookup on Unix, the GL emulation's on the web. A missing one ends the program, saying so.
void* nextFunction(const char* name);
template <typename Function> Function nextDefinition(const char* name)
{
    return reinterpret_cast<Function>(nextFunction(name));
}

// Where a system's own selection needs the program's primitives whole: from each glBegin to its
// glEnd, the vertices (x, y pairs) go to `into` and not to the GL, until it is null again.
using primitive_sink = void (*)(GLenum mode, const std::vector<GLfloat>& xy);
void gatherPrimitives(primitive_sink into);
