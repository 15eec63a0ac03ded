// SPDX-License-Identifier: MIT
// Desktop GL's selection mode, which WebGL and Emscripten's emulation lack, so that `pick` and the
// shell's walk of the hit records stay as they are. While selecting, the scene is drawn into a
// small offscreen target exactly the size of the pick region, and at each change of the name
// stack the target is read back: anything drawn there since the last change is a hit for the
// names then on the stack, recorded as desktop GL records it (count, depths, names).
// Framebuffers come from the extensions' header, which GL/gl.h includes.
#define GL_GLEXT_PROTOTYPES
#include "platform/web/gl.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct selection {
    GLuint* buffer = nullptr;
    GLsizei capacity = 0;
    GLsizei used = 0;
    GLint hits = 0;
    bool overflow = false;
    bool active = false;
    std::vector<GLuint> names;
    GLint viewport[4] = {};
    GLuint target = 0, texture = 0;
    int width = 0, height = 0;
} select_;

void clearTarget()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

// Every colour the program draws is opaque, and the target starts transparent.
bool drawnSinceCleared()
{
    std::vector<GLubyte> pixels(static_cast<size_t>(select_.width) * select_.height * 4);
    glReadPixels(0, 0, select_.width, select_.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    for (size_t i = 3; i < pixels.size(); i += 4)
        if (pixels[i] != 0)
            return true;
    return false;
}

// What desktop GL does before the name stack changes: one record if anything was hit.
void recordHit()
{
    if (!select_.active || select_.target == 0 || !drawnSinceCleared())
        return;
    const GLsizei size = 3 + static_cast<GLsizei>(select_.names.size());
    if (select_.used + size > select_.capacity) {
        select_.overflow = true;
    } else {
        GLuint* record = select_.buffer + select_.used;
        record[0] = static_cast<GLuint>(select_.names.size());
        record[1] = record[2] = 0; // depths: the program never reads them
        std::copy(select_.names.begin(), select_.names.end(), record + 3);
        select_.used += size;
        ++select_.hits;
    }
    clearTarget();
}

void useTarget(int width, int height)
{
    if (select_.target == 0) {
        glGenFramebuffers(1, &select_.target);
        glGenTextures(1, &select_.texture);
    }
    glBindTexture(GL_TEXTURE_2D, select_.texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, select_.target);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, select_.texture, 0);
    select_.width = width;
    select_.height = height;
    glViewport(0, 0, width, height);
    clearTarget();
}

} // namespace

extern "C" {

void glSelectBuffer(GLsizei size, GLuint* buffer)
{
    select_.buffer = buffer;
    select_.capacity = size;
}

GLint glRenderMode(GLenum mode)
{
    GLint result = 0;
    if (select_.active) {
        recordHit();
        result = select_.overflow ? -1 : select_.hits;
        if (select_.width > 0) {
            glBindFramebuffer(GL_FRAMEBUFFER, 0);
            const GLint* v = select_.viewport;
            glViewport(v[0], v[1], v[2], v[3]);
        }
    }
    select_.used = select_.hits = 0;
    select_.overflow = false;
    select_.active = mode == GL_SELECT;
    select_.names.clear();
    select_.width = select_.height = 0;
    return result;
}

void glInitNames()
{
    recordHit();
    select_.names.clear();
}

void glPushName(GLuint name)
{
    recordHit();
    select_.names.push_back(name);
}

void glPopName()
{
    recordHit();
    if (!select_.names.empty())
        select_.names.pop_back();
}

void glLoadName(GLuint name)
{
    recordHit();
    if (!select_.names.empty())
        select_.names.back() = name;
}

// As GLU computes it; while selecting, the region is also the whole of the offscreen target,
// pixel for pixel, so that what covers a pixel of the canvas covers it there too.
void gluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height, GLint* viewport)
{
    if (width <= 0 || height <= 0)
        return;
    glTranslatef(static_cast<GLfloat>((viewport[2] - 2 * (x - viewport[0])) / width),
        static_cast<GLfloat>((viewport[3] - 2 * (y - viewport[1])) / height), 0);
    glScalef(
        static_cast<GLfloat>(viewport[2] / width), static_cast<GLfloat>(viewport[3] / height), 1);
    if (select_.active) {
        std::copy(viewport, viewport + 4, select_.viewport);
        useTarget(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
    }
}

} // extern "C"
