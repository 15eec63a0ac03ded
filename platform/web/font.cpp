// SPDX-License-Identifier: MIT
// Bitmap text, which WebGL lacks: the raster position as desktop GL computes it, and the letters of
// the one text the program draws, "Game Over", in a 5 by 7 font of its own, each dot a square of
// pixels drawn in the current colour (the program sets the text's colour just before its raster
// position, so the two agree). Every font draws at the size of an 18-pixel one, scaled for the
// screen's pixel density.
#include "platform/web/clip.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <emscripten/html5.h>

extern "C" {
// The toolkit's fonts are the addresses of these; the names alone matter.
void* glutBitmapHelvetica18 = nullptr;
void* glutBitmapTimesRoman24 = nullptr;
}

namespace {

// Rows from the top, the leftmost dot the highest of five bits.
struct glyph {
    char character;
    std::uint8_t rows[7];
};

constexpr glyph glyphs[] = {
    { 'G', { 0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F } },
    { 'O', { 0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E } },
    { 'a', { 0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F } },
    { 'e', { 0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E } },
    { 'm', { 0x00, 0x00, 0x1A, 0x15, 0x15, 0x11, 0x11 } },
    { 'r', { 0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10 } },
    { 'v', { 0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04 } },
};

constexpr int columns = 5, rows = 7;

// The next character's lower-left corner, in window pixels.
float rasterX = 0, rasterY = 0;

const glyph* find(int character)
{
    for (const glyph& g : glyphs)
        if (g.character == character)
            return &g;
    return nullptr; // a space, or a character the text lacks: an empty cell
}

int dotSize()
{
    return 2 * std::max(1, static_cast<int>(std::lround(emscripten_get_device_pixel_ratio())));
}

void drawDots(const glyph& g, int dot)
{
    glBegin(GL_QUADS);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (!(g.rows[row] & (1 << (columns - 1 - column))))
                continue;
            const float x = rasterX + static_cast<float>(column * dot);
            const float y = rasterY + static_cast<float>((rows - 1 - row) * dot);
            glVertex2f(x, y);
            glVertex2f(x + dot, y);
            glVertex2f(x + dot, y + dot);
            glVertex2f(x, y + dot);
        }
    glEnd();
}

} // namespace

extern "C" {

void glRasterPos2f(GLfloat x, GLfloat y)
{
    GLfloat model[16], projection[16];
    GLint viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, model);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLfloat clip[4];
    toClip(model, projection, x, y, clip);
    rasterX = viewport[0] + (clip[0] / clip[3] + 1) * viewport[2] / 2;
    rasterY = viewport[1] + (clip[1] / clip[3] + 1) * viewport[3] / 2;
}

void glutBitmapCharacter(void*, int character)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(viewport[0], viewport[0] + viewport[2], viewport[1], viewport[1] + viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const int dot = dotSize();
    if (const glyph* g = find(character))
        drawDots(*g, dot);
    rasterX += static_cast<float>((columns + 1) * dot);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

} // extern "C"
