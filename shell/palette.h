// SPDX-License-Identifier: MIT
#pragma once

// The colours players choose from the menu, in menu order, with the names the menu shows: one
// table for the board schemes and one for the pieces, shared by the menus and both games.

#include <algorithm>
#include <iterator>

struct board_scheme_entry {
    const char* name;
    float dark[3], light[3];
};

inline constexpr board_scheme_entry boardSchemes[] = {
    { "Black and White", { 0, 0, 0 }, { 1, 1, 1 } },
    { "Red and White", { 1, 0, 0 }, { 1, 1, 1 } },
    { "Black and Red", { 0, 0, 0 }, { 1, 0, 0 } },
};

// A chess piece is one shade; a checker has a main shade and an accent.
struct piece_colour_entry {
    const char* name;
    float chess[3];
    float checkersMain[3], checkersAccent[3];
};

inline constexpr piece_colour_entry pieceColours[] = {
    { "Black", { 0.2f, 0.2f, 0.2f }, { 0.1f, 0.1f, 0.1f }, { 0.2f, 0.2f, 0.2f } },
    { "White", { 0.8f, 0.8f, 0.8f }, { 0.8f, 0.8f, 0.8f }, { 0.6f, 0.6f, 0.6f } },
    { "Grey", { 0.5f, 0.5f, 0.5f }, { 0.6f, 0.6f, 0.6f }, { 0.4f, 0.4f, 0.4f } },
    { "Red", { 0.8f, 0, 0 }, { 0.8f, 0, 0 }, { 0.6f, 0, 0 } },
    { "Green", { 0, 0.8f, 0 }, { 0, 0.8f, 0 }, { 0, 0.6f, 0 } },
    { "Blue", { 0, 0, 0.8f }, { 0, 0, 0.8f }, { 0, 0, 0.6f } },
    { "Brown", { 0.72f, 0.52f, 0 }, { 0.72f, 0.52f, 0 }, { 0.62f, 0.42f, 0 } },
};

inline constexpr int boardSchemeCount = static_cast<int>(std::size(boardSchemes));
inline constexpr int pieceColourCount = static_cast<int>(std::size(pieceColours));

// The entry for a number from the menu, or null for any other number.
inline const board_scheme_entry* boardScheme(int scheme)
{
    return scheme >= 0 && scheme < boardSchemeCount ? &boardSchemes[scheme] : nullptr;
}
inline const piece_colour_entry* pieceColour(int colour)
{
    return colour >= 0 && colour < pieceColourCount ? &pieceColours[colour] : nullptr;
}

// Gives either game the square colours of a scheme from the menu; any other number changes
// nothing.
template <typename Game> void useBoardScheme(Game& g, int scheme)
{
    if (const board_scheme_entry* entry = boardScheme(scheme)) {
        std::copy_n(entry->dark, 3, g.darkSquareColor);
        std::copy_n(entry->light, 3, g.lightSquareColor);
    }
}
