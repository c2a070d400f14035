// Short reads of the board for the solver's neighbour tests. The Wall ring
// keeps every neighbour of a playable cell inside the array.
#pragma once

#include "model/GameState.h"

inline int CodeAt(int x, int y) { return GameState.board[x][y].code; }
inline int ColourAt(int x, int y) { return colour(GameState.board[x][y].code); }
