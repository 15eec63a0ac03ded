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
// to glEnd of the program is gathered (immediate.cpp) and drawn from client memory by one
// glDrawArrays; the hits and their depths are those of the same vertices.
#include "platform/interpose.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Mesa's vertex buffers are 512 KB, above glibc's first mmap threshold. glibc 2.36's free raises
// that threshold (__libc_free) to each mapped block it frees, so once the first buffer goes, the
// next come from the heap, which then keeps about 2 MB more than it uses. A fixed threshold
// keeps them mapped and returned whole.
#if defined(__GLIBC__)
[[maybe_unused]] const int mappedBuffers = mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif

void drawGathered(GLenum mode, const std::vector<GLfloat>& xy)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, xy.data());
    glDrawArrays(mode, 0, static_cast<GLsizei>(xy.size() / 2));
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace

extern "C" GLint glRenderMode(GLenum mode)
{
    static const auto next = nextDefinition<GLint (*)(GLenum)>("glRenderMode");
    const GLint result = next(mode);
    // Only a change the library made counts: a refused one leaves the mode as it was.
    GLint now = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &now);
    gatherPrimitives(now != GL_RENDER ? drawGathered : nullptr);
    return result;
}
