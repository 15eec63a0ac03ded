// SPDX-License-Identifier: MIT
// Desktop GL's selection mode, which WebGL and Emscripten's emulation lack, so that `pick` and the
// shell's walk of the hit records stay as they are. While selecting, the scene goes to an
// offscreen row of tiles, each the size of the pick region, one for each state of the name stack;
// the row is read back once, as selection ends, since a read stalls the whole pipeline. A tile
// drawn into is a hit for the names of its state, recorded in order as desktop GL records it.
// Framebuffers come from the extensions' header, which GL/gl.h includes.
#define GL_GLEXT_PROTOTYPES
#include "platform/web/gl.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// More states than a press of the program's goes through; past them, another read.
constexpr int tileCount = 256;

struct selection {
    GLuint* buffer = nullptr;
    GLsizei capacity = 0;
    GLsizei wanted = 0; // the records' words, written while they fit
    GLint hits = 0;
    bool active = false;
    std::vector<GLuint> names;
    // Each tiled state's names after their count; kept, as the pixels, from press to press.
    std::vector<GLuint> states;
    int tiles = 0;
    std::vector<GLubyte> pixels;
    GLint viewport[4] = {};
    GLuint target = 0, texture = 0;
    int width = 0, height = 0; // a tile's
    bool targeted = false; // once the region of this selection is known
} select_;

// WebGL hands out new storage cleared, which spares the program's clear colour: reading it, to
// put it back, would stall as a read back does.
void clearTarget()
{
    glBindTexture(GL_TEXTURE_2D, select_.texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, tileCount * select_.width, select_.height, 0, GL_RGBA,
        GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
}

// Every colour the program draws is opaque. It draws polygons, which the view volume keeps inside
// their tile's viewport.
bool drawn(int tile)
{
    for (int row = 0; row < select_.height; ++row)
        for (int x = tile * select_.width; x < (tile + 1) * select_.width; ++x)
            if (select_.pixels[(static_cast<size_t>(row) * tileCount * select_.width + x) * 4 + 3])
                return true;
    return false;
}

// As desktop GL counts the words, it writes what fits of a record and counts the rest.
void record(GLuint word)
{
    if (select_.wanted < select_.capacity)
        select_.buffer[select_.wanted] = word;
    ++select_.wanted;
}

// The records of the tiles drawn so far; the target is clear again after.
void resolve()
{
    glReadPixels(0, 0, tileCount * select_.width, select_.height, GL_RGBA, GL_UNSIGNED_BYTE,
        select_.pixels.data());
    const GLuint* state = select_.states.data();
    for (int tile = 0; tile < select_.tiles; state += 1 + *state, ++tile) {
        if (!drawn(tile))
            continue;
        for (const GLuint word : { *state, 0u, 0u }) // the depths: the program never reads them
            record(word);
        std::for_each(state + 1, state + 1 + *state, record);
        ++select_.hits;
    }
    select_.states.clear();
    select_.tiles = 0;
    clearTarget();
}

// Where desktop GL writes the record of the state that ends, if anything was drawn in it, its
// tile is set aside and the next state drawn in the next one. Outside selection, as there, the
// name stack stays as it is.
bool endState()
{
    if (!select_.targeted)
        return select_.active;
    select_.states.push_back(static_cast<GLuint>(select_.names.size()));
    select_.states.insert(select_.states.end(), select_.names.begin(), select_.names.end());
    if (++select_.tiles == tileCount)
        resolve();
    glViewport(select_.tiles * select_.width, 0, select_.width, select_.height);
    return true;
}

void useTarget(int width, int height)
{
    if (select_.target == 0) {
        glGenFramebuffers(1, &select_.target);
        glGenTextures(1, &select_.texture);
    }
    select_.targeted = true;
    if (width != select_.width || height != select_.height) {
        select_.width = width;
        select_.height = height;
        select_.pixels.resize(static_cast<size_t>(tileCount) * width * height * 4);
        clearTarget();
    }
    glBindFramebuffer(GL_FRAMEBUFFER, select_.target);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, select_.texture, 0);
    glViewport(0, 0, width, height);
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
    if (select_.targeted) {
        endState();
        resolve();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        const GLint* v = select_.viewport;
        glViewport(v[0], v[1], v[2], v[3]);
    }
    if (select_.active)
        result = select_.wanted > select_.capacity ? -1 : select_.hits;
    select_.wanted = select_.hits = 0;
    select_.active = mode == GL_SELECT;
    select_.names.clear();
    select_.targeted = false;
    return result;
}

void glInitNames()
{
    if (endState())
        select_.names.clear();
}

void glPushName(GLuint name)
{
    if (endState())
        select_.names.push_back(name);
}

void glPopName()
{
    if (endState() && !select_.names.empty())
        select_.names.pop_back();
}

void glLoadName(GLuint name)
{
    if (endState() && !select_.names.empty())
        select_.names.back() = name;
}

// As GLU computes it; while selecting, the region is also a tile of the offscreen target, pixel
// for pixel, so that what covers a pixel of the canvas covers it there too. The program sets one
// region a selection; another would be drawn in the first's tiles.
void gluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height, GLint* viewport)
{
    if (width <= 0 || height <= 0)
        return;
    glTranslatef(static_cast<GLfloat>((viewport[2] - 2 * (x - viewport[0])) / width),
        static_cast<GLfloat>((viewport[3] - 2 * (y - viewport[1])) / height), 0);
    glScalef(
        static_cast<GLfloat>(viewport[2] / width), static_cast<GLfloat>(viewport[3] / height), 1);
    if (select_.active && !select_.targeted) {
        std::copy(viewport, viewport + 4, select_.viewport);
        useTarget(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
    }
}

} // extern "C"
