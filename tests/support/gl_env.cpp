// SPDX-License-Identifier: MIT
#include "support/gl_env.h"

#include "shell/game.h"
#include "shell/shell.h"

#include "platform/gl.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

// Last: Xlib, under GLX, defines macros (None, Bool) that clash with names in other headers.
#if __has_include(<GL/glx.h>)
#include <GL/glx.h>
#define GL_TESTS_HAVE_GLX 1
#endif

namespace testing_support {

namespace {

    [[noreturn]] void noDisplay(const char* why)
    {
        std::fprintf(stderr, "GL tests cannot run: %s. Run them through 'make test'.\n", why);
        std::exit(2);
    }

    float unitPixels() { return static_cast<float>(boardsize) / 8.0f; }

} // namespace

void openGlWindow()
{
    // A display that does not answer ends glutInit with status 1 and the toolkit's own message.
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        noDisplay("DISPLAY is not set");

    static char name[] = "gl_tests";
    static char* argv[] = { name, nullptr };
    int argc = 1;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    glutInitWindowSize(800, 800);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("gl tests");
    registerCallbacks();
    for (int i = 0; i < 400 && boardsize == 0; ++i) {
        glutMainLoopEvent();
        usleep(5000);
    }
    if (boardsize == 0)
        noDisplay("the window was never shown");
}

void releaseGlContext()
{
    // At exit the toolkit destroys the window and then closes the display, and Mesa 25 flushes a
    // context still bound at that point into the destroyed window: a fatal X error.
#if defined(GL_TESTS_HAVE_GLX)
    glXMakeCurrent(glXGetCurrentDisplay(), None, nullptr);
#endif
}

void pumpEvents()
{
    // One round of the loop handles what is queued and runs a redisplay that was asked for.
    glutMainLoopEvent();
    glFinish();
}

std::array<float, 3> pixelAt(int x, int y)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glFinish();
    float rgb[3] = {};
    glReadPixels(x, viewport[3] - 1 - y, 1, 1, GL_RGB, GL_FLOAT, rgb);
    return { rgb[0], rgb[1], rgb[2] };
}

int countColour(int x0, int y0, int x1, int y1, float r, float g, float b)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glFinish();
    const int width = x1 - x0, height = y1 - y0;
    std::vector<float> rgb(static_cast<std::size_t>(width * height * 3));
    glReadPixels(x0, viewport[3] - y1, width, height, GL_RGB, GL_FLOAT, rgb.data());
    int count = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        count += nearColour({ rgb[i], rgb[i + 1], rgb[i + 2] }, r, g, b);
    return count;
}

int pixelX(float bx) { return static_cast<int>(bx * unitPixels()); }

int pixelY(float by)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[3] - 1 - static_cast<int>(by * unitPixels());
}

std::vector<fb_item> captureFeedback(const std::function<void()>& draw)
{
    static std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    int used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflow";

    std::vector<fb_item> items;
    const float unit = unitPixels();
    for (int i = 0; i < used;) {
        int token = static_cast<int>(buffer[i++]);
        if (token == GL_PASS_THROUGH_TOKEN) {
            items.push_back({ true, buffer[i++], {} });
            continue;
        }
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        int count = static_cast<int>(buffer[i++]);
        EXPECT_EQ(count, 3);
        fb_item item { false, 0, {} };
        for (int v = 0; v < count; ++v, i += 7) {
            if (v < 3)
                item.triangle[v] = { buffer[i] / unit, buffer[i + 1] / unit, buffer[i + 3],
                    buffer[i + 4], buffer[i + 5] };
        }
        items.push_back(item);
    }
    return items;
}

std::vector<std::array<float, 2>> distinctVertices(const std::vector<fb_item>& items)
{
    std::vector<std::array<float, 2>> out;
    for (const fb_item& item : items) {
        if (item.marker)
            continue;
        for (const fb_vertex& v : item.triangle)
            out.push_back({ std::round(v.x * 1000) / 1000, std::round(v.y * 1000) / 1000 });
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool nearColour(const std::array<float, 3>& actual, float r, float g, float b)
{
    const float tolerance = 1.5f / 255;
    return std::fabs(actual[0] - r) < tolerance && std::fabs(actual[1] - g) < tolerance
        && std::fabs(actual[2] - b) < tolerance;
}

} // namespace testing_support
