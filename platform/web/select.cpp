// SPDX-License-Identifier: MIT
// Desktop GL's selection mode, which WebGL and Emscripten's emulation lack, so that `pick` and the
// shell's walk of the hit records stay as they are. While selecting, the scene goes to an
// offscreen target of tiles, each the size of the pick region: every state of the name stack
// draws into a tile of its own, and the target is read back once, as selection ends (a read is a
// full stall of the pipeline). A tile drawn into is a hit for the names of its state, recorded
// as desktop GL records it (count, depths, names) and in the same order.
// Framebuffers come from the extensions' header, which GL/gl.h includes.
#define GL_GLEXT_PROTOTYPES
#include "platform/web/gl.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Enough tiles of a few pixels for any scene the program draws, read back in one go.
constexpr int targetSide = 256;

struct selection {
    GLuint* buffer = nullptr;
    GLsizei capacity = 0;
    GLsizei wanted = 0; // words the records need, written while they fit
    GLint hits = 0;
    bool active = false;
    std::vector<GLuint> names;
    // The names of each tiled state, after their count; kept, as the pixels, from one press to
    // the next so that none allocates.
    std::vector<GLuint> states;
    int tiles = 0;
    std::vector<GLubyte> pixels;
    GLint viewport[4] = {};
    GLuint target = 0, texture = 0;
    int side = 0; // the target's, square
    int width = 0, height = 0; // a tile's; 0 until the pick region is known
} select_;

int tilesAcross() { return select_.side / select_.width; }

int tileCapacity() { return tilesAcross() * (select_.side / select_.height); }

void useTile(int tile)
{
    const int x = tile % tilesAcross() * select_.width, y = tile / tilesAcross() * select_.height;
    glViewport(x, y, select_.width, select_.height);
}

// WebGL hands out a texture's new storage cleared, which clears the target without a clear colour
// of its own: asking for the program's to put it back would stall the pipeline as a read does.
void clearTarget()
{
    glBindTexture(GL_TEXTURE_2D, select_.texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, select_.side, select_.side, 0, GL_RGBA,
        GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void record(GLuint word)
{
    if (select_.wanted < select_.capacity)
        select_.buffer[select_.wanted] = word;
    ++select_.wanted;
}

// Every colour the program draws is opaque, and the target starts transparent. What the program
// draws while selecting is polygons, which the view volume keeps inside their tile's viewport.
bool drawn(int tile)
{
    const int x = tile % tilesAcross() * select_.width, y = tile / tilesAcross() * select_.height;
    for (int row = y; row < y + select_.height; ++row)
        for (int column = x; column < x + select_.width; ++column)
            if (select_.pixels[(static_cast<size_t>(row) * select_.side + column) * 4 + 3] != 0)
                return true;
    return false;
}

// The records of the tiles drawn so far, read back in one go; the target is then clear again.
void resolve()
{
    if (select_.tiles == 0)
        return;
    const int rows = (select_.tiles + tilesAcross() - 1) / tilesAcross();
    glReadPixels(0, 0, select_.side, rows * select_.height, GL_RGBA, GL_UNSIGNED_BYTE,
        select_.pixels.data());
    const GLuint* state = select_.states.data();
    for (int tile = 0; tile < select_.tiles; state += 1 + *state, ++tile) {
        if (!drawn(tile))
            continue;
        // As desktop GL counts words, it writes what fits of a record and counts the rest.
        record(*state);
        record(0); // the depths: the program never reads them
        record(0);
        for (GLuint i = 1; i <= *state; ++i)
            record(state[i]);
        ++select_.hits;
    }
    select_.states.clear();
    select_.tiles = 0;
    clearTarget();
}

// What desktop GL does at each change of the name stack: the state that ends gets its record if
// anything was drawn in it. Here its tile is set aside and the next state drawn in the next one.
// Outside selection, as there, the name stack stays as it is.
bool endState()
{
    if (!select_.active || select_.width == 0)
        return select_.active;
    select_.states.push_back(static_cast<GLuint>(select_.names.size()));
    select_.states.insert(select_.states.end(), select_.names.begin(), select_.names.end());
    if (++select_.tiles == tileCapacity())
        resolve();
    useTile(select_.tiles);
    return true;
}

void useTarget(int width, int height)
{
    if (select_.target == 0) {
        glGenFramebuffers(1, &select_.target);
        glGenTextures(1, &select_.texture);
    }
    const int side = std::max({ targetSide, width, height });
    if (side > select_.side) {
        select_.side = side;
        select_.pixels.resize(static_cast<size_t>(side) * side * 4);
        clearTarget();
    }
    glBindFramebuffer(GL_FRAMEBUFFER, select_.target);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, select_.texture, 0);
    select_.width = width;
    select_.height = height;
    useTile(0);
}

void leaveTarget()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    const GLint* v = select_.viewport;
    glViewport(v[0], v[1], v[2], v[3]);
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
    if (select_.active && select_.width > 0) {
        endState();
        resolve();
        leaveTarget();
    }
    if (select_.active)
        result = select_.wanted > select_.capacity ? -1 : select_.hits;
    select_.wanted = select_.hits = 0;
    select_.active = mode == GL_SELECT;
    select_.names.clear();
    select_.width = select_.height = 0;
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
// for pixel, so that what covers a pixel of the canvas covers it there too.
void gluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height, GLint* viewport)
{
    if (width <= 0 || height <= 0)
        return;
    glTranslatef(static_cast<GLfloat>((viewport[2] - 2 * (x - viewport[0])) / width),
        static_cast<GLfloat>((viewport[3] - 2 * (y - viewport[1])) / height), 0);
    glScalef(
        static_cast<GLfloat>(viewport[2] / width), static_cast<GLfloat>(viewport[3] / height), 1);
    // The program sets one region a selection; were there another, it would share the first's
    // tiles.
    if (select_.active && select_.width == 0) {
        std::copy(viewport, viewport + 4, select_.viewport);
        useTarget(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
    }
}

} // extern "C"
