// The answer check: what is wrong with the stones on a board, given and placed
// alike, against the rules and against the puzzle's one solution.
//
// Plain C++, no Qt, no GameState; x and y are 0-based as in Grid.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Grid.h"

struct AnswerReport {
    // 2 x 2 blocks whose four cells hold stones of one colour.
    int blocks = 0;
    // For each colour the number of groups its stones fall into that can no
    // longer join: on a full board its orthogonally connected groups; with
    // empty cells left, groups that reach each other through empty cells
    // count as one. 0 when the colour has no stone.
    int whiteGroups = 0;
    int blackGroups = 0;
    // Placed stones whose colour differs from the solution (MarkWrongStones).
    int wrongStones = 0;
    int emptyCells = 0;
    // 1 for every cell concerned, row by row like Grid::cells: the four cells
    // of every block, the stones of every group but the largest of a colour,
    // the wrong stones.
    std::vector<std::uint8_t> marks;

    bool RulesBroken() const { return blocks > 0 || whiteGroups > 1 || blackGroups > 1; }
    // The board is full and obeys every rule.
    bool Correct() const { return emptyCells == 0 && !RulesBroken(); }
};

// The rule part of the check: blocks, split colours and empty cells.
AnswerReport CheckAnswerRules(const Grid& board);

// Counts and marks the placed stones of board whose colour differs from
// solution (a board of the same size, every cell a stone).
void MarkWrongStones(const Grid& board, const Grid& solution, AnswerReport& report);
