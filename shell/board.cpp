// SPDX-License-Identifier: MIT
#include "shell/game.h"

#include "platform/gl.h"
#include <cmath>
#include <iostream>
#include <limits>

int boardsize = 0;
float boardx = 0;
float boardy = 0;

namespace {

constexpr int selectionBufferSize = 120;
constexpr unsigned recordHeader = 3; // name count, minimum depth, maximum depth

// The first complete record with exactly one name decides. A record cut off at the end of the
// buffer (after an overflow) is never read.
int firstSingleName(const GLuint* buffer, int hits)
{
    unsigned pos = 0;
    for (int record = 0; hits < 0 || record < hits; ++record) {
        if (pos + recordHeader > selectionBufferSize)
            return -1;
        GLuint names = buffer[pos];
        if (names > selectionBufferSize - pos - recordHeader)
            return -1;
        if (names == 1)
            return static_cast<int>(buffer[pos + recordHeader]);
        pos += recordHeader + names;
    }
    return -1;
}

} // namespace

float toBoardX(int x) { return static_cast<float>(x / (boardsize / 8.0)); }

float toBoardY(int y) { return static_cast<float>(8.0 - y / (boardsize / 8.0)); }

int ftoi(float x)
{
    // Beyond int the conversion is undefined: saturate, and let NaN go off the board like -inf.
    constexpr float limit = 2147483648.0f; // 2^31, exact in float
    float down = std::floor(x);
    if (std::isnan(down) || down < -limit)
        return std::numeric_limits<int>::min();
    if (down >= limit)
        return std::numeric_limits<int>::max();
    return static_cast<int>(down);
}

void draw_circle(float x, float y, float radius, float* rgb)
{
    glColor3fv(rgb);
    glBegin(GL_POLYGON);
    for (float angle = 0; angle < 6.283185307179586; angle = static_cast<float>(angle + 0.1))
        glVertex2f(x + radius * std::cos(angle), y + radius * std::sin(angle));
    glEnd();
}

void draw_square(int column, int row, const float* dark, const float* light)
{
    glColor3fv((column + row) % 2 == 0 ? dark : light);
    glBegin(GL_POLYGON);
    glVertex2i(column, row);
    glVertex2i(column + 1, row);
    glVertex2i(column + 1, row + 1);
    glVertex2i(column, row + 1);
    glEnd();
}

void print_board(const int (*board)[8], char separator)
{
    for (int r = 7; r >= 0; --r) {
        for (int c = 0; c < 8; ++c)
            std::cout << separator << board[c][r];
        std::cout << std::endl;
    }
    std::cout << std::endl;
    std::cout << std::endl;
}

int pick(int x, int y)
{
    GLuint buffer[selectionBufferSize] = {};
    glSelectBuffer(selectionBufferSize, buffer);
    glRenderMode(GL_SELECT);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluPickMatrix(x, viewport[3] - y, 2, 2, viewport);
    glOrtho(0, boardx, 0, boardy, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glInitNames();

    my_game->draw(true);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();

    int hits = glRenderMode(GL_RENDER);
    if (hits == 0)
        return -1;
    return firstSingleName(buffer, hits);
}
