// New puzzles with exactly one solution: a random finished board, then its
// stones taken away one at a time in random order for as long as the exact
// engine proves the solution unique; level any tries several orders and
// keeps the fewest givens. Every stone left is needed: without any one of
// them the puzzle has two or more solutions.
//
// One seed, size and level give the same puzzle everywhere: the random
// numbers are the generator's own, and it uses only the engine's count of
// solutions, never which solutions the engine happened to find.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "model/Grid.h"

enum class GenerateLevel {
    Program,  // the automatic solver (AutoSolve) also solves it from the givens
    Any,      // only unique and minimal, the fewest givens of several tries
    // Unique, of exactly this grade (the reasoner's, 1..5), and minimal for
    // it: no given can go without a second solution or a harder grade.
    Grade1,
    Grade2,
    Grade3,
    Grade4,
    Grade5,
};
// The levels' names, sizes and rules are kept together in Generator.cpp
// (kLevels); a new level is one more row there.

// "program" or "any"; ParseLevel is false for any other word (the graded
// levels, named "grade1".."grade5", are chosen by number with GradeLevel).
const char* LevelName(GenerateLevel level);
bool ParseLevel(const std::string& word, GenerateLevel& level);

// The level of puzzles of exactly this grade (1..5); false for other numbers.
bool GradeLevel(int grade, GenerateLevel& level);
// The grade a level's puzzles have, 0 for program and any.
int LevelGrade(GenerateLevel level);

// Boards the level can be made for: 1..kGridMaxSize each way for any, the
// automatic solver's 5..15 for program and the graded levels.
bool LevelFitsSize(GenerateLevel level, int width, int height);

struct GenerateOptions {
    int width = 9;
    int height = 9;
    GenerateLevel level = GenerateLevel::Program;
    std::uint64_t seed = 0;
    // Polled throughout; when it becomes true the generator stops and the
    // result says cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Graded levels: called now and then with the boards tried so far, so a
    // caller can show that the search goes on. Any thread; may be empty.
    void (*progress)(int boards, void* context) = nullptr;
    void* progressContext = nullptr;
    // When above 0, the generator gives up after this many milliseconds and
    // the result says timedOut. Checked between stones, so it may run over
    // by the time one stone takes. A puzzle found within the limit is the
    // same as without it.
    long long timeLimitMs = 0;
};

struct GenerateResult {
    // False when cancelled, for a size the level cannot take, or when level
    // program or a graded level found no fitting puzzle on the boards it
    // tries (100 for program, kGradeBoards for the graded levels).
    bool ok = false;
    bool cancelled = false;
    bool timedOut = false;  // timeLimitMs ran out first (not ok, not cancelled)
    Grid puzzle;    // the givens, every other cell Empty
    Grid solution;  // its one solution, every cell a given
    int givens = 0;
    // Finished boards tried: level program starts again on a new board when
    // the stones the automatic solver needs are more than the minimum.
    int boards = 0;
    int grade = 0;  // graded levels, when ok: the grade of the puzzle; 0 otherwise
};

// Finished boards a graded level tries before it gives up.
constexpr int kGradeBoards = 400;
// The time limit that vandor-cli generate --grade and the window give a
// graded level unless told otherwise: most graded puzzles that are found at
// all come well within it, and without one a rare grade could keep the user
// waiting for hours.
constexpr int kGradeTimeLimitSeconds = 60;

GenerateResult GeneratePuzzle(const GenerateOptions& options);

// A fresh seed for a caller that has none, from std::random_device.
std::uint64_t RandomSeed();

// Whether AutoSolve, started on exactly these givens, ends with the board
// full and status solved. It solves a record of its own and leaves GameState
// alone, so it runs on any thread. Sizes 5..15 only (false otherwise).
bool SolvedByAutoSolve(const Grid& givens);
