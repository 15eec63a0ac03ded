// SPDX-License-Identifier: MIT
#pragma once
// A real Mesa GL context in a freeglut window on the test display, and ways to look at what was
// drawn: pixels read back, and primitives captured in feedback mode.

#include <array>
#include <functional>
#include <vector>

namespace testing_support {

// Opens the window once for the whole test program; exits non-zero when there is no display.
void openGlWindow();
// Unbinds the GL context while its window still exists; call it last, before leaving main.
void releaseGlContext();

// Processes pending window events and a redisplay asked for, as one round of the event loop.
void pumpEvents();

// The colour of window pixel (x, y), y counted from the top as mouse events are.
std::array<float, 3> pixelAt(int x, int y);

// How many pixels of the rectangle [x0, x1) x [y0, y1) (y from the top) have the colour.
int countColour(int x0, int y0, int x1, int y1, float r, float g, float b);

// The window pixel at the middle of board point (bx, by) under the current view.
int pixelX(float bx);
int pixelY(float by);

struct fb_vertex {
    float x, y; // board units
    float r, g, b;
};

// What one drawing produced in feedback mode: triangles (Mesa splits every polygon and quad into
// a fan) and the markers set with glPassThrough between them.
struct fb_item {
    bool marker;
    float value;
    std::array<fb_vertex, 3> triangle;
};

std::vector<fb_item> captureFeedback(const std::function<void()>& draw);

// Distinct vertices of triangles, rounded to 1/1000 of a board unit, sorted.
std::vector<std::array<float, 2>> distinctVertices(const std::vector<fb_item>& items);

bool nearColour(const std::array<float, 3>& actual, float r, float g, float b);

} // namespace testing_support
