// Short reads of the board for the solver's neighbour tests. The Wall ring
// keeps every neighbour of a playable cell inside the array.
#pragma once

#include "model/GameState.h"

inline int CodeAt(const GameStateRecord& state, int x, int y) { return state.board[x][y].code; }
inline int ColourAt(const GameStateRecord& state, int x, int y) { return colour(state.board[x][y].code); }
