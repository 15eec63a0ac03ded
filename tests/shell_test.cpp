// SPDX-License-Identifier: MIT
#include "checkers/checkers.h"
#include "support/gl_fixture.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

// Records every operation the shell hands on, in order.
class recording_game : public game {
public:
    std::vector<std::string> calls;
    bool over = false;
    bool overAfterRelease = false;

    void mousedown(int x, int y) override { log("down", x, y); }
    void mouseup(float x, float y) override
    {
        log("up", x, y);
        over = over || overAfterRelease;
    }
    void mousemove(float x, float y) override { log("move", x, y); }
    void undo() override { calls.push_back("undo"); }
    bool gameover() override { return over; }
    void draw(bool) override { }
    void printInformation() override { calls.push_back("print"); }
    void changeBoard(int scheme) override { log("board", scheme, 0); }
    void changeColor(bool bottom, int colour) override
    {
        log(bottom ? "bottom" : "top", colour, 0);
    }

private:
    void log(const char* what, double a, double b)
    {
        calls.push_back(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b));
    }
};

std::string call(const char* what, double a, double b)
{
    return std::string(what) + " " + std::to_string(a) + " " + std::to_string(b);
}

using Shell = GlTest;

TEST_F(Shell, MouseEventsReachTheGameInPixelsAndBoardUnits)
{
    auto& g = use(new recording_game);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 5, 5); // the release of a press that closed a menu
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 275, 100);
    mousemove(550, 550);
    myReshape(550, 620); // the board slides 70 pixels down: the piece goes back under the pointer
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 10, 10);
    mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    const float slid = 70 / 68.75f;
    EXPECT_EQ(g.calls,
        (std::vector<std::string> { call("down", 275, 100), call("move", 8, 0),
            call("move", 8, slid), call("up", 0, 8 + slid) }));
    EXPECT_EQ(shellState, shell_state::playing);

    // A press whose release the game will not get carries the piece back to the press: a menu
    // opened during the drag, the window hidden or covered, the pointer moving with no button.
    void (*const cutsShort[])()
        = { [] { menuStatus(GLUT_MENU_IN_USE, 300, 300); }, [] { windowStatus(GLUT_HIDDEN); },
              [] { windowStatus(GLUT_FULLY_COVERED); }, [] { passivemove(300, 300); } };
    for (auto cutShort : cutsShort) {
        g.calls.clear();
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 275, 550);
        mousemove(300, 300);
        cutShort();
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, 300, 300);
        menuStatus(GLUT_MENU_NOT_IN_USE, 300, 300);
        EXPECT_EQ(g.calls,
            (std::vector<std::string> { call("down", 275, 550),
                call("move", 300 / 68.75, 8 - 300 / 68.75), call("move", 4, 0),
                call("up", 4, 0) }));
    }
}

TEST_F(Shell, MouseBeforeTheFirstReshapeIsIgnored)
{
    auto& g = use(new recording_game);
    const int saved = boardsize;
    boardsize = 0;
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    mousemove(20, 20);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 20, 20);
    boardsize = saved;
    EXPECT_TRUE(g.calls.empty());
}

TEST_F(Shell, MiddleButtonShowsTheBannerButTheMouseStillPlays)
{
    auto& g = use(new recording_game);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 5, 5);
    EXPECT_EQ(shellState, shell_state::banner);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 5, 5);
    EXPECT_EQ(shellState, shell_state::banner);
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5);
    EXPECT_EQ(g.calls.size(), 1u);
}

TEST_F(Shell, AReleaseThatEndsTheGameFinishesIt)
{
    auto& g = use(new recording_game);
    g.overAfterRelease = true;
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 5, 5);
    EXPECT_EQ(shellState, shell_state::finished);
    g.calls.clear();
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5); // a game that is over takes no more input
    mousemove(6, 6);
    EXPECT_TRUE(g.calls.empty());
    keyCommand('z', 0); // but undo and the dump still reach it
    keyCommand('d', 0);
    EXPECT_EQ(g.calls, (std::vector<std::string> { "undo", "print" }));
}

TEST_F(Shell, KeysAndTheAltModifier)
{
    auto& g = use(new recording_game);
    for (unsigned char key : { 'z', 'd', 'Z', 'D', 'q', ' ', '\r' })
        keyCommand(key, 0);
    special_keyboard(GLUT_KEY_F1, 1, 2);
    special_keyboard(GLUT_KEY_LEFT, 1, 2);
    EXPECT_EQ(g.calls, (std::vector<std::string> { "undo", "print" }));

    // Alt alone stops the dump, with Num Lock (freeglut's fourth bit, 8) on or off.
    g.calls.clear();
    for (int modifiers : { GLUT_ACTIVE_ALT, GLUT_ACTIVE_ALT | 8,
             GLUT_ACTIVE_ALT | GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_CTRL, 8 })
        keyCommand('d', modifiers);
    EXPECT_EQ(g.calls, (std::vector<std::string> { "print", "print", "print" }));
}

TEST_F(Shell, MenuValuesReachTheirOperations)
{
    auto& g = use(new recording_game);
    std::vector<std::string> expected;
    for (int value = 4; value <= 21; ++value)
        menu(value);
    for (int scheme = 0; scheme < 3; ++scheme)
        expected.push_back(call("board", scheme, 0));
    for (int colour = 0; colour < 7; ++colour)
        expected.push_back(call("bottom", colour, 0));
    for (int colour = 0; colour < 7; ++colour)
        expected.push_back(call("top", colour, 0));
    expected.push_back("undo");
    EXPECT_EQ(g.calls, expected);

    g.calls.clear();
    for (int value : { -1, 23, 24, 1000, -1000 })
        menu(value);
    EXPECT_TRUE(g.calls.empty());
    EXPECT_EQ(my_game, &g);
}

TEST_F(Shell, NewGameEntriesStartTheirGame)
{
    struct {
        int value;
        bool checkersGame, p1First;
    } const entries[]
        = { { 0, true, false }, { 1, true, true }, { 2, false, false }, { 3, false, true } };
    for (const auto& e : entries) {
        SCOPED_TRACE(e.value);
        mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
        menu(e.value);
        EXPECT_EQ(shellState, shell_state::playing);
        if (e.checkersGame) {
            auto* g = dynamic_cast<checkers*>(my_game);
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->p1ToMove, e.p1First);
        } else {
            auto* g = dynamic_cast<chess*>(my_game);
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->p1ToMove, e.p1First);
        }
    }
}

TEST_F(Shell, EscapeAndQuitEndTheProgramWithStatusZero)
{
    // The child must not share this process's X connection: it starts afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Only the status is asserted here; quitting's leak check is run end to end on the program.
    // Under a death test LeakSanitizer's stop-the-world tracer has crashed (signal 11) now and
    // then while the GL driver's threads run, failing the exit for a reason not the program's.
    const char* lsan = std::getenv("LSAN_OPTIONS");
    const std::string saved = lsan ? lsan : "";
    setenv("LSAN_OPTIONS", (saved + ":detect_leaks=0").c_str(), 1);
    EXPECT_EXIT(keyCommand(27, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(menu(22), ::testing::ExitedWithCode(0), "");
    setenv("LSAN_OPTIONS", saved.c_str(), 1);
}

TEST_F(Shell, DisplayStatesDrawBoardOrBanner)
{
    // The text lands on row 4 from x = 3.2; over the black square (4, 4) it shows.
    auto whiteOnSquare44 = [] {
        return countColour(pixelX(4.02f), pixelY(4.45f), pixelX(4.95f), pixelY(4.0f), 1, 1, 1);
    };
    glutPostRedisplay();
    pumpEvents();
    EXPECT_TRUE(nearColour(pixelAt(px(1, 0.05f), py(0, 0.95f)), 1, 1, 1));
    EXPECT_EQ(whiteOnSquare44(), 0);

    // Banner: only the text is drawn, over the last frame; the board is not drawn again.
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
    my_game->changeBoard(1);
    glutPostRedisplay();
    pumpEvents();
    EXPECT_TRUE(nearColour(pixelAt(px(0, 0.05f), py(0, 0.95f)), 0, 0, 0)); // not redrawn red
    EXPECT_GT(whiteOnSquare44(), 10);

    // A new game brings the board back.
    menu(3);
    pumpEvents();
    EXPECT_EQ(whiteOnSquare44(), 0);
    EXPECT_EQ(shellState, shell_state::playing);
}

} // namespace
