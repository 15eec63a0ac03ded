// SPDX-License-Identifier: MIT
#include "support/checkers_setup.h"

#include "support/dumps.h"
#include "support/expect.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

using namespace testing_support;

TEST(CheckersPosition, BothConstructorsGiveTheStartingPosition)
{
    for (bool p1First : { true, false }) {
        SCOPED_TRACE(p1First);
        checkers g(p1First);
        EXPECT_EQ(dump(g), checkersStartDump);
        EXPECT_EQ(g.p1ToMove, p1First);
        EXPECT_EQ(g.p1PieceCount, 12);
        EXPECT_EQ(g.p2PieceCount, 12);
        EXPECT_EQ(g.dragging, 0);
        EXPECT_FALSE(g.lastMoveWasJump);
        EXPECT_EQ(g.fromColumn, -1);
        EXPECT_EQ(g.fromRow, -1);
        EXPECT_EQ(g.liftedPiece, 0);
        EXPECT_TRUE(g.undoStack.empty());
        EXPECT_FALSE(g.gameover());
        expectColour(g.darkSquareColor, 0, 0, 0);
        expectColour(g.lightSquareColor, 1, 0, 0);
        expectColour(g.p1Color, 0.1f, 0.1f, 0.1f);
        expectColour(g.p1AccentColor, 0.2f, 0.2f, 0.2f);
        expectColour(g.p2Color, 0.8f, 0, 0);
        expectColour(g.p2AccentColor, 0.6f, 0, 0);
    }
}

TEST(CheckersPosition, OwnershipTests)
{
    EXPECT_TRUE(checkers::isP1(1) && checkers::isP1(3));
    EXPECT_TRUE(checkers::isP2(2) && checkers::isP2(4));
    EXPECT_FALSE(checkers::isP1(0) || checkers::isP2(0) || checkers::isP1(2) || checkers::isP2(3));
    checkers g(true);
    EXPECT_TRUE(g.isP1(1, 0));
    EXPECT_TRUE(g.isP2(0, 7));
    EXPECT_FALSE(g.isP1(0, 0) || g.isP2(0, 0));
}

TEST(CheckersPosition, ColourTablesWithBothShades)
{
    const float table[7][6] = { { 0.1f, 0.1f, 0.1f, 0.2f, 0.2f, 0.2f },
        { 0.8f, 0.8f, 0.8f, 0.6f, 0.6f, 0.6f }, { 0.6f, 0.6f, 0.6f, 0.4f, 0.4f, 0.4f },
        { 0.8f, 0, 0, 0.6f, 0, 0 }, { 0, 0.8f, 0, 0, 0.6f, 0 }, { 0, 0, 0.8f, 0, 0, 0.6f },
        { 0.72f, 0.52f, 0, 0.62f, 0.42f, 0 } };
    for (int colour = 0; colour < 7; ++colour) {
        SCOPED_TRACE(colour);
        checkers g(true);
        g.changeColor(true, colour);
        expectColour(g.p1Color, table[colour][0], table[colour][1], table[colour][2]);
        expectColour(g.p1AccentColor, table[colour][3], table[colour][4], table[colour][5]);
        expectColour(g.p2Color, 0.8f, 0, 0); // the other player untouched
        g.changeColor(false, colour);
        expectColour(g.p2AccentColor, table[colour][3], table[colour][4], table[colour][5]);
    }
    const float schemes[3][6]
        = { { 0, 0, 0, 1, 1, 1 }, { 1, 0, 0, 1, 1, 1 }, { 0, 0, 0, 1, 0, 0 } };
    checkers g(true);
    for (int scheme = 0; scheme < 3; ++scheme) {
        g.changeBoard(scheme);
        expectColour(g.darkSquareColor, schemes[scheme][0], schemes[scheme][1], schemes[scheme][2]);
        expectColour(
            g.lightSquareColor, schemes[scheme][3], schemes[scheme][4], schemes[scheme][5]);
    }
}

TEST(CheckersPosition, OutOfRangeNumbersChangeNothing)
{
    checkers g(true);
    const checkers fresh(true);
    for (int bad : { -1, 3, 1000 })
        g.changeBoard(bad);
    for (int bad : { -1, 7, 1000 }) {
        g.changeColor(true, bad);
        g.changeColor(false, bad);
    }
    EXPECT_EQ(std::memcmp(g.darkSquareColor, fresh.darkSquareColor, sizeof(float) * 3 * 6), 0);
}

struct drop_case {
    const char* rule;
    checkers_diagram rows;
    const char* from;
    std::set<std::string> accepted;
};

// Bottom player to move; each case is also played rotated, by the top player.
const drop_case dropCases[] = {
    { "MenStepDiagonallyForward",
        { "........", "........", "........", "........", "........", "...b....", "........",
            "........" },
        "d3", { "c4", "e4" } },
    { "KingsStepInFourDirections",
        { "........", "........", "........", "........", "........", "...B....", "........",
            "........" },
        "d3", { "c4", "e4", "c2", "e2" } },
    { "ManAtTheEdge",
        { "........", "........", "........", "........", "b.......", "........", "........",
            "........" },
        "a4", { "b5" } },
    { "JumpOverAManWithStepStillOpen",
        { "........", "........", "........", "........", "..t.....", ".b......", "........",
            "........" },
        "b3", { "a4", "d5" } },
    { "JumpOverAKing",
        { "........", "........", "........", "........", "..T.....", ".b......", "........",
            "........" },
        "b3", { "a4", "d5" } },
    { "NoJumpOverOwnPiece",
        { "........", "........", "........", "........", "..b.....", ".b......", "........",
            "........" },
        "b3", { "a4" } },
    { "MenJumpForwardOnly",
        { "........", "........", "........", "........", "....b...", "...t....", "........",
            "........" },
        "e4", { "d5", "f5" } },
    { "KingsJumpBackward",
        { "........", "........", "........", "........", "....B...", "...t....", "........",
            "........" },
        "e4", { "d5", "f5", "f3", "c2" } },
    { "OccupiedTargetsRefused",
        { "........", "........", "........", "...t....", "t.t.....", ".b......", "........",
            "........" },
        "b3", {} },
    { "KingJumpsInAnyDirection",
        { "........", "........", "..t.t...", "...B....", "..t.t...", "........", "........",
            "........" },
        "d5", { "b7", "f7", "b3", "f3" } },
};

class CheckersDrop : public ::testing::TestWithParam<drop_case> { };

TEST_P(CheckersDrop, BottomPlayer)
{
    const drop_case& c = GetParam();
    EXPECT_EQ(acceptedDrops(makeCheckers(c.rows, true), c.from), c.accepted);
}

TEST_P(CheckersDrop, TopPlayerRotated)
{
    const drop_case& c = GetParam();
    std::set<std::string> rotated;
    for (const auto& name : c.accepted)
        rotated.insert(rotateName(name));
    EXPECT_EQ(acceptedDrops(makeCheckers(rotate(c.rows), false), rotateName(c.from)), rotated);
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckersDrop, ::testing::ValuesIn(dropCases),
    [](const ::testing::TestParamInfo<drop_case>& info) { return std::string(info.param.rule); });

TEST(CheckersRules, AStepOutOfTurnIsRefusedAndChangesNothing)
{
    for (bool bottom : { true, false }) {
        checkers_diagram rows = { "........", "........", "........", "........", "........",
            "...b....", "........", "........" };
        checkers g = makeCheckers(bottom ? rows : rotate(rows), !bottom);
        const checkers_state before(g);
        liftAt(g, bottom ? 3 : 4, bottom ? 2 : 5);
        EXPECT_FALSE(dropAt(g, bottom ? 2 : 5, bottom ? 3 : 4));
        checkers_state after(g);
        after.fromColumn = before.fromColumn; // the lift names its square; nothing else moves
        after.fromRow = before.fromRow;
        EXPECT_TRUE(after == before);
    }
    // A drag state set by hand on a fresh game names no square: nothing is played or put back.
    checkers handSet(true);
    const checkers_state fresh(handSet);
    handSet.dragging = 1;
    handSet.mousemove(0.0f, 1.0f);
    handSet.mouseup(0, 0);
    handSet.dragging = 1;
    handSet.undo();
    EXPECT_TRUE(checkers_state(handSet) == fresh);
}

TEST(CheckersRules, CrowningByStepAndByJumpUndoneAsMen)
{
    for (bool bottom : { true, false }) {
        SCOPED_TRACE(bottom);
        checkers_diagram rows = { "........", ".b.t....", "....b...", "........", "........",
            "........", "........", ".T......" };
        checkers g = makeCheckers(bottom ? rows : rotate(rows), bottom);
        // Square names are given for the bottom player and turned for the top player.
        auto at
            = [&](int c, int r) -> int& { return bottom ? g.board[c][r] : g.board[7 - c][7 - r]; };
        auto lift = [&](int c, int r) { bottom ? liftAt(g, c, r) : liftAt(g, 7 - c, 7 - r); };
        auto put = [&](int c, int r) { return bottom ? dropAt(g, c, r) : dropAt(g, 7 - c, 7 - r); };
        const int man = bottom ? 1 : 2, king = bottom ? 3 : 4, enemy = bottom ? 2 : 1;
        const checkers_state start(g);

        lift(1, 6);
        ASSERT_TRUE(put(0, 7)); // a step onto the far row
        EXPECT_EQ(at(0, 7), king);
        g.undo();
        EXPECT_EQ(at(1, 6), man);
        EXPECT_EQ(at(0, 7), 0);

        lift(4, 5);
        ASSERT_TRUE(put(2, 7)); // a jump onto the far row
        EXPECT_EQ(at(2, 7), king);
        EXPECT_EQ(at(3, 6), 0);
        EXPECT_EQ(bottom ? g.p2PieceCount : g.p1PieceCount, 1);
        EXPECT_TRUE(g.lastMoveWasJump);
        EXPECT_EQ(g.p1ToMove, !bottom);
        g.undo();
        EXPECT_EQ(at(4, 5), man);
        EXPECT_EQ(at(3, 6), enemy);
        EXPECT_EQ(g.p1ToMove, bottom);
        checkers_state after(g);
        after.fromColumn = start.fromColumn;
        after.fromRow = start.fromRow;
        EXPECT_TRUE(after == start);
    }
}

TEST(CheckersPerft, StartCountsWithExactUndo)
{
    for (bool bottom : { true, false }) {
        checkers g(bottom);
        bool exact = true;
        EXPECT_EQ(checkersPerft(g, 1, exact), 7);
        EXPECT_EQ(checkersPerft(g, 2, exact), 49);
        EXPECT_TRUE(exact);
    }
}

TEST(CheckersGameOver, LastPieceCapturedEndsTheGame)
{
    for (bool bottom : { true, false }) {
        checkers_diagram rows = { "........", "........", "........", "........", "..t.....",
            ".b......", "........", "........" };
        checkers g = makeCheckers(bottom ? rows : rotate(rows), bottom);
        EXPECT_FALSE(g.gameover());
        liftAt(g, bottom ? 1 : 6, bottom ? 2 : 5);
        ASSERT_TRUE(dropAt(g, bottom ? 3 : 4, bottom ? 4 : 3));
        EXPECT_TRUE(g.gameover());
        EXPECT_EQ(bottom ? g.p2PieceCount : g.p1PieceCount, 0);
        g.undo();
        EXPECT_FALSE(g.gameover());
    }
}

TEST(CheckersGameOver, CountsSetByHandArePlayedAsTheyStand)
{
    checkers g(true);
    g.p1PieceCount = 3;
    liftAt(g, 1, 2);
    EXPECT_TRUE(dropAt(g, 0, 3));
    g.undo();
    EXPECT_EQ(g.p1PieceCount, 3);
}

TEST(CheckersGameOver, NoLegalMoveIsNotTheEnd)
{
    // The bottom man is blocked: the top men stand in front and the jump square is taken.
    checkers g = makeCheckers({ "........", "........", "........", "...t....", "t.t.....",
                                  ".b......", "........", "........" },
        true);
    EXPECT_TRUE(acceptedDrops(g, "b3").empty());
    EXPECT_FALSE(g.gameover());
}

} // namespace
