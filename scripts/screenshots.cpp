// SPDX-License-Identifier: MIT
// The README's pictures, made from the real program on the test display: a chess game under way,
// and checkers with the menu open. Usage: screenshots <folder>
#include "e2e/board_view.h"
#include "e2e/harness.h"

#include <cstdio>
#include <string>

namespace {

using namespace e2e;

// The window as the screen shows it, menus over it included, as a PNG file.
void save(const program& p, const std::string& file)
{
    const rect w = p.window();
    run("xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left " + std::to_string(w.x) + " -top "
        + std::to_string(w.y) + " -width " + std::to_string(w.width) + " -height "
        + std::to_string(w.height) + " | pnmtopng -compression 9 > '" + file + "'");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: screenshots <folder>\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    program p;
    p.waitForOutput("Otherwise");
    // An Italian opening, white to castle next, with a bishop carried over the board.
    const int opening[][4] = { { 4, 1, 4, 3 }, { 4, 6, 4, 4 }, { 6, 0, 5, 2 }, { 1, 7, 2, 5 },
        { 5, 0, 2, 3 }, { 5, 7, 2, 4 }, { 2, 1, 2, 2 }, { 6, 7, 5, 5 } };
    for (const auto& m : opening)
        dragPiece(p, m[0], m[1], m[2], m[3], 0.1f);
    p.press(boardX(4.5f), boardY(0.1f)); // the king on its way to castle
    p.moveTo(boardX(5.7f), boardY(0.5f));
    if (!p.waitForPixel(60, 5, { 255, 255, 255 }) // the board drawn, e1 shown empty
        || !p.waitForPixel(boardX(4.5f), boardY(0.6f), { 0, 0, 0 }))
        return 1;
    save(p, folder + "/chess.png");
    p.release();

    p.chooseMenu({ 0, 1 }, { 5, 2 }); // "New Checkers Game" > "Bottom player goes first"
    const int moves[][4] = { { 3, 2, 4, 3 }, { 6, 5, 5, 4 }, { 4, 3, 6, 5 } }; // then a jump
    for (const auto& m : moves)
        dragPiece(p, m[0], m[1], m[2], m[3], 0.5f);
    p.openMenu(boardX(3.2f), boardY(5.2f));
    save(p, folder + "/checkers-menu.png");
    p.key("Escape Escape");
    return p.waitForExit() == 0 ? 0 : 1;
}
