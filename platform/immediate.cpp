// SPDX-License-Identifier: MIT
// The program's immediate mode, for a system whose selection needs each primitive whole. The
// games' calls of glBegin, glEnd and the two vertex calls the program makes pass through here and
// go straight on to the GL, but while a sink is set.
#include "platform/interpose.h"

#include <cstdio>
#include <cstdlib>
#if defined(__EMSCRIPTEN__)
#include <EGL/egl.h>
#else
#include <dlfcn.h>
#endif

namespace {

primitive_sink sink = nullptr;
bool gathering = false; // from a glBegin to its glEnd, with a sink set
GLenum gatheredMode = GL_POINTS;
std::vector<GLfloat> gathered; // kept from press to press, so that a press allocates nothing

void gather(GLfloat x, GLfloat y)
{
    gathered.push_back(x);
    gathered.push_back(y);
}

} // namespace

void* nextFunction(const char* name)
{
#if defined(__EMSCRIPTEN__)
    // The emulation still gives its own functions by name.
    void* next = reinterpret_cast<void*>(eglGetProcAddress(name));
#else
    void* next = dlsym(RTLD_NEXT, name);
#endif
    if (next == nullptr) {
        std::fprintf(stderr, "chess-checkers: %s not found in the system's libraries\n", name);
        std::abort();
    }
    return next;
}

void gatherPrimitives(primitive_sink into) { sink = into; }

extern "C" {

void glBegin(GLenum mode)
{
    static const auto next = nextDefinition<void (*)(GLenum)>("glBegin");
    if (sink == nullptr)
        return next(mode);
    gathering = true;
    gatheredMode = mode;
    gathered.clear();
}

void glVertex2f(GLfloat x, GLfloat y)
{
    static const auto next = nextDefinition<void (*)(GLfloat, GLfloat)>("glVertex2f");
    if (!gathering)
        return next(x, y);
    gather(x, y);
}

void glVertex2i(GLint x, GLint y)
{
    static const auto next = nextDefinition<void (*)(GLint, GLint)>("glVertex2i");
    if (!gathering)
        return next(x, y);
    gather(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
}

void glEnd()
{
    static const auto next = nextDefinition<void (*)()>("glEnd");
    if (!gathering)
        return next();
    gathering = false;
    sink(gatheredMode, gathered);
}

} // extern "C"
