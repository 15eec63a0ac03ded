// SPDX-License-Identifier: MIT
// Selection and feedback modes on Mesa without a leak, in every build on the system's libGL.
//
// Mesa 22.3 (Debian 12) selects in software on drivers without PIPE_CAP_HARDWARE_GL_SELECT
// (llvmpipe, softpipe, crocus) through st_feedback_draw_vbo (st_draw_feedback.c). It takes a
// reference on every vertex buffer object the draw reads, through st_setup_arrays and
// _mesa_get_bufferobj_reference, and never gives it back. Immediate mode always draws from the
// buffer object of Mesa's vbo module, so each 512 KB buffer that glBegin and glEnd fill and that
// one selection has read, with the frames drawn before it is full, is never freed: about 30 KB
// a press. Arrays in client memory are no buffer object and take no reference.
//
// So outside render mode (in selection, and in feedback, which takes the same path), each glBegin
// to glEnd of the program is gathered here and drawn from client memory by one glDrawArrays; the
// hits and their depths are those of the same vertices. In render mode the calls go straight on.
// The program's definitions come first in symbol lookup, so the games' own calls pass through here;
// the vertex calls gathered are the two the program makes.
#include "platform/gl.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <malloc.h>
#include <vector>

namespace {

bool throughFeedback = false; // selection or feedback mode, drawn by st_feedback_draw_vbo
bool gathering = false;
GLenum gatheredMode = GL_POINTS;
std::vector<GLfloat> gathered; // x, y; kept between presses, so a press allocates nothing

// Mesa's vertex buffers are 512 KB, above glibc's first mmap threshold. glibc 2.36's free raises
// that threshold (__libc_free) to each mapped block it frees, so once the first buffer goes, the
// next come from the heap, which then keeps about 2 MB more than it uses. A fixed threshold
// keeps them mapped and returned whole.
[[maybe_unused]] const int mappedBuffers = mallopt(M_MMAP_THRESHOLD, 128 * 1024);

template <typename Function> Function libraryDefinition(const char* name)
{
    if (void* next = dlsym(RTLD_NEXT, name))
        return reinterpret_cast<Function>(next);
    std::fprintf(stderr, "chess-checkers: %s not found in libGL\n", name);
    std::abort();
}

void gather(GLfloat x, GLfloat y)
{
    gathered.push_back(x);
    gathered.push_back(y);
}

void drawGathered()
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, gathered.data());
    glDrawArrays(gatheredMode, 0, static_cast<GLsizei>(gathered.size() / 2));
    glDisableClientState(GL_VERTEX_ARRAY);
    gathered.clear();
}

} // namespace

extern "C" {

GLint glRenderMode(GLenum mode)
{
    static const auto next = libraryDefinition<GLint (*)(GLenum)>("glRenderMode");
    const GLint result = next(mode);
    // Only a change the library made counts: a refused one leaves the mode as it was.
    GLint now = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &now);
    throughFeedback = now != GL_RENDER;
    return result;
}

void glBegin(GLenum mode)
{
    static const auto next = libraryDefinition<void (*)(GLenum)>("glBegin");
    if (!throughFeedback)
        return next(mode);
    gathering = true;
    gatheredMode = mode;
    gathered.clear();
}

void glVertex2f(GLfloat x, GLfloat y)
{
    static const auto next = libraryDefinition<void (*)(GLfloat, GLfloat)>("glVertex2f");
    if (!gathering)
        return next(x, y);
    gather(x, y);
}

void glVertex2i(GLint x, GLint y)
{
    static const auto next = libraryDefinition<void (*)(GLint, GLint)>("glVertex2i");
    if (!gathering)
        return next(x, y);
    gather(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
}

void glEnd()
{
    static const auto next = libraryDefinition<void (*)()>("glEnd");
    if (!gathering)
        return next();
    gathering = false;
    drawGathered();
}

} // extern "C"
