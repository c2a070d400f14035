// Shared set-up of the solver tests: a clean GameState and boards built from
// the text notation (W B w b .).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "io/Notation.h"
#include "model/GameState.h"
#include "solver/Solver.h"

class SolverTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }

    // Loads a board and, as the solver's own start would, zeroes the solver
    // marks and counts the stones, so a single pass can be run on it.
    static void Board(const std::string& rows)
    {
        std::string error;
        ASSERT_TRUE(LoadNotation(rows, &error)) << error;
        CountStones();
    }

    static void CountStones()
    {
        GameState.emptyCount = GameState.whiteCount = GameState.blackCount = 0;
        GameState.whiteClosedCount = GameState.blackClosedCount = 0;
        for (int x = 1; x <= GameState.width; ++x) {
            for (int y = 1; y <= GameState.height; ++y) {
                Cell& cell = GameState.board[x][y];
                cell.closed = cell.visited = 0;
                const int c = colour(cell.code);
                if (cell.code == Empty)
                    ++GameState.emptyCount;
                else if (c == 1)
                    ++GameState.whiteCount;
                else if (c == 2)
                    ++GameState.blackCount;
            }
        }
        GameState.status = StatusNone;
        GameState.progressFlag = 0;
    }

    static int Code(int x, int y) { return GameState.board[x][y].code; }

    // Solves the puzzle and returns the board it leaves.
    static std::string Solve(const std::string& rows)
    {
        std::string error;
        EXPECT_TRUE(LoadNotation(rows, &error)) << error;
        AutoSolve(GameState);
        return FormatBoard();
    }
};
