// SPDX-License-Identifier: MIT
#include "fuzz/events.h"
#include "shell/shell.h"
#include "support/squares.h"

#include <cstdlib>
#include <sstream>

namespace fuzz {

namespace {

    const char* const names[] = { "press", "motion", "release", "middle", "key", "special", "menu",
        "reshape", "display", "play" };

    // The window is assumed 550 by 550 for picking points; other sizes only shift what is hit.
    using testing_support::boardX;
    using testing_support::boardY;
    constexpr int window = testing_support::startWindow;

    // A point on a square's piece, on the promotion strip, anywhere, or outside the window.
    void point(rng& r, int& x, int& y)
    {
        switch (r.below(6)) {
        case 0:
        case 1:
        case 2: // the foot or the centre of a square: where pieces are picked
            x = boardX(r.below(8) + 0.5f);
            y = boardY(r.below(8) + (r.below(2) ? 0.1f : 0.5f));
            break;
        case 3: // the promotion strip
            x = boardX(2 + r.below(4) + 0.5f);
            y = boardY(4.1f);
            break;
        case 4:
            x = r.below(window);
            y = r.below(window);
            break;
        default:
            x = r.between(-200, 1200);
            y = r.between(-200, 1200);
            break;
        }
    }

    int anyKeyButEscape(rng& r)
    {
        static const int common[] = { 'z', 'd', 'Z', 'D', ' ', 'q', '\r' };
        if (r.below(3) != 0)
            return common[r.below(7)];
        int key = r.below(256);
        return key == 27 ? 28 : key;
    }

    // New games (0 to 3) are rare, so that games last long enough for castling, promotion and
    // the end of a checkers game.
    int anyMenuValueButQuit(rng& r)
    {
        if (r.below(60) == 0)
            return r.below(firstBoardScheme);
        int value = r.below(10) == 0 ? r.between(-3, -1) : r.between(firstBoardScheme, 26);
        return value == quitProgram ? undoMove : value;
    }

    // The offset of a plausible move: a step, a diagonal, a knight's jump or a longer line.
    void moveShape(rng& r, int& dc, int& dr)
    {
        const int sign = r.below(2) ? 1 : -1;
        const int length = r.between(1, 7);
        switch (r.below(6)) {
        case 0:
            dc = r.between(-1, 1);
            dr = sign * r.between(1, 2);
            break;
        case 1:
            dc = r.below(2) ? 1 : -1;
            dr = sign;
            break;
        case 2:
            dc = r.below(2) ? 2 : -2;
            dr = 2 * sign;
            break;
        case 3:
            dc = (r.below(2) ? 1 : 2) * (r.below(2) ? 1 : -1);
            dr = (std::abs(dc) == 1 ? 2 : 1) * sign;
            break;
        case 4:
            dc = r.below(2) ? sign * length : 0;
            dr = dc == 0 ? sign * length : 0;
            break;
        default:
            dc = (r.below(2) ? 1 : -1) * length;
            dr = sign * length;
            break;
        }
    }

    // A square's foot (where chess pieces are picked) or centre (checkers).
    void squarePoint(rng& r, int column, int row, int& x, int& y)
    {
        x = boardX(column + 0.5f);
        y = boardY(row + (r.below(2) ? 0.1f : 0.5f));
    }

    // Something that can come between a press and its release: undo, a dump, a menu choice.
    event interruption(rng& r)
    {
        switch (r.below(3)) {
        case 0:
            return { kind::key, 'z' };
        case 1:
            return { kind::key, 'd' };
        default:
            return { kind::menu, anyMenuValueButQuit(r) };
        }
    }

    // A drag, mostly of a piece to a nearby square where a move may be legal.
    void drag(rng& r, std::vector<event>& out)
    {
        int column = r.below(8), row = r.below(8), x, y;
        if (r.below(8) == 0)
            point(r, x, y);
        else
            squarePoint(r, column, row, x, y);
        out.push_back({ kind::press, x, y });
        if (r.below(6) != 0) {
            int dc, dr;
            moveShape(r, dc, dr);
            squarePoint(r, column + dc, row + dr, x, y);
        } else {
            point(r, x, y);
        }
        for (int i = r.below(3); i > 0; --i)
            out.push_back({ kind::motion, x + r.between(-8, 8), y + r.between(-8, 8) });
        out.push_back({ kind::motion, x, y });
        if (r.below(12) == 0)
            out.push_back(interruption(r));
        if (r.below(10) != 0)
            out.push_back({ kind::release, x, y });
    }

} // namespace

std::vector<event> generate(std::uint64_t seed, int count)
{
    rng r(seed);
    std::vector<event> out;
    out.reserve(static_cast<std::size_t>(count) + 8);
    while (static_cast<int>(out.size()) < count) {
        int roll = r.below(100);
        if (roll < 30) {
            drag(r, out);
            continue;
        }
        if (roll < 60) {
            out.push_back({ kind::play, r.below(1 << 16), r.below(1 << 16) });
            if (r.below(15) == 0)
                out.push_back(interruption(r));
            continue;
        }
        int x, y;
        event e { kind::display };
        if (roll < 64) {
            point(r, x, y);
            e = { kind::release, x, y };
        } else if (roll < 76) {
            e = { kind::key, anyKeyButEscape(r) };
        } else if (roll < 77) {
            e = { kind::special, r.between(1, 120) };
        } else if (roll < 87) {
            e = { kind::menu, anyMenuValueButQuit(r) };
        } else if (roll < 89) {
            e = { kind::middle, r.below(2) };
        } else if (roll < 92) {
            static const int sides[] = { 0, 1, 7, 300, 401, 550, 551, 800 };
            e = { kind::reshape, sides[r.below(8)], sides[r.below(8)] };
            // Mostly back to the usual size soon, so that the board stays where drags aim.
            if (r.below(2) == 0) {
                out.push_back(e);
                e = { kind::reshape, 550, 550 };
            }
        } else {
            e = { kind::display };
        }
        out.push_back(e);
    }
    out.resize(static_cast<std::size_t>(count));
    return out;
}

std::string format(const std::vector<event>& events)
{
    std::ostringstream out;
    out << "# SPDX-License-Identifier: MIT\n";
    for (const event& e : events)
        out << names[static_cast<int>(e.what)] << ' ' << e.a << ' ' << e.b << '\n';
    return out.str();
}

std::vector<event> parse(const std::string& text)
{
    std::istringstream lines(text);
    std::vector<event> out;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::string name;
        event e { kind::display };
        if (line.empty() || line[0] == '#' || !(in >> name >> e.a >> e.b))
            continue; // comments, such as the licence line
        for (int k = 0; k < 10; ++k) {
            if (name == names[k])
                e.what = static_cast<kind>(k);
        }
        out.push_back(e);
    }
    return out;
}

} // namespace fuzz
