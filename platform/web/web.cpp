// SPDX-License-Identifier: MIT
// The program as a web page, beside Emscripten's GLUT; the page itself (its menu, console panel,
// touch and end) is index.html and page.js in this folder.
// [X] The canvas is the window: it fills the browser's, follows each resize, and has a pixel
//     for each of the screen's (device pixel ratio), so the board is sharp on HiDPI screens.
// [X] Menus are HTML, closed by Escape or a press anywhere outside them.
// [ ] No command line: the page takes no options.
#include "platform/platform.h"
#include "platform/web/gl.h"

#include <cmath>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

namespace {

// The canvas's size in the page is set by the style sheet; its backing store follows it.
void fitToPage()
{
    double width = 0, height = 0;
    emscripten_get_element_css_size("#canvas", &width, &height);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int pixelsX = static_cast<int>(std::lround(width * ratio));
    const int pixelsY = static_cast<int>(std::lround(height * ratio));
    if (pixelsX > 0 && pixelsY > 0)
        glutReshapeWindow(pixelsX, pixelsY);
}

EM_BOOL pageResized(int, const EmscriptenUiEvent*, void*)
{
    fitToPage();
    return EM_FALSE;
}

} // namespace

void announceWindow()
{
    fitToPage();
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, pageResized);
}

// std::exit would leave the runtime running, the page none the wiser: a forced exit ends it and
// calls Module.onExit. The program ends only from a key or a menu entry, whose callbacks glut.js
// calls through callUserCallback, which takes the exit's unwinding as the end it is.
void endProgram() { emscripten_force_exit(0); }

extern "C" {
void glutCloseFunc(void (*)()) { }
void glutSetMenuFont(int, void*) { }
}
