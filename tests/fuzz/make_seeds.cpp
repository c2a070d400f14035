// Writes the seed corpus of the fuzz targets from boards in the notation:
//   fuzz_seeds DIR   makes DIR/puzzle_file/*.vdr and DIR/text/*
// The files are written by the program's own writers, so they are exactly
// what the program saves.
#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "exchange/PuzzLink.h"
#include "exchange/Pzprv3.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

const char* const k5x5 =
    ".....\n"
    "....B\n"
    "B...B\n"
    "...BW\n"
    "WWW..\n";

const char* const k9x9 =
    "B........\n"
    ".B.......\n"
    "...WWWWW.\n"
    ".B.......\n"
    "...WWWWW.\n"
    ".B.......\n"
    ".WWWWWWW.\n"
    ".........\n"
    "W........\n";

const char* const k10x13 =
    "..W.......\n"
    ".B....W...\n"
    "..........\n"
    "WWWW..BB..\n"
    "..........\n"
    ".B...W....\n"
    "..........\n"
    "...BBB..W.\n"
    "..........\n"
    "W.......B.\n"
    "..........\n"
    ".WW...B...\n"
    "..........\n";

const char* const k15x15 =
    "B...W.WW.WW.W..\n"
    "BBBBBB..BBB.B.W\n"
    "....WWWWWWWWWWW\n"
    "BBB..BBBB..BB..\n"
    ".W.WWWWWWWWWWW.\n"
    "BBBBBBB...B.BBW\n"
    ".W...WWWWWWWWWW\n"
    ".BBBBBBB...B.BB\n"
    "..WWW.WWWWWWWW.\n"
    ".BBBBBB.B...B..\n"
    "..W..W.WWWWWWWW\n"
    ".BBBBBB.BB..B..\n"
    ".WWWWWWWWWWWWW.\n"
    "...BBBBBB.BB.B.\n"
    "B.WWWWWW.....WW\n";

bool failed = false;

void Fail(const std::string& message)
{
    std::fprintf(stderr, "fuzz_seeds: %s\n", message.c_str());
    failed = true;
}

void Load(const char* rows)
{
    std::string error;
    if (!LoadNotation(rows, &error))
        Fail(error);
}

void Save(const std::string& path)
{
    std::string error;
    if (!SavePuzzleFile(path, error))
        Fail(error);
}

void WriteText(const std::string& path, const std::string& text)
{
    std::string error;
    if (!WriteFileSafely(path, std::vector<std::uint8_t>(text.begin(), text.end()), error))
        Fail(error);
}

// A hand move in solve mode, recorded as the board's undo history does.
void Move(int x, int y, int code)
{
    UndoHistory& undo = GameState.undo;
    undo.undoX[undo.undoCount] = static_cast<std::uint8_t>(x);
    undo.undoY[undo.undoCount] = static_cast<std::uint8_t>(y);
    undo.undoPrev[undo.undoCount] = GameState.board[x][y].code;
    ++undo.undoCount;
    GameState.board[x][y].code = static_cast<std::uint8_t>(code);
    GameState.mode = SolveInProgress;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    const std::string files = std::string(argv[1]) + "/puzzle_file";
    const std::string texts = std::string(argv[1]) + "/text";
    ::mkdir(argv[1], 0755);
    ::mkdir(files.c_str(), 0755);
    ::mkdir(texts.c_str(), 0755);

    // Create mode, solved, and left unsolved by the solver.
    Load(k5x5);
    Save(files + "/5x5-create.vdr");
    AutoSolve(GameState);
    GameState.mode = SolveFinished;
    Save(files + "/5x5-solved.vdr");
    Load(".....\n.....\n.....\n.....\n.....\n");
    AutoSolve(GameState);
    GameState.mode = SolveFinished;
    Save(files + "/5x5-unsolvable.vdr");

    // Solve mode with an undo history: four moves, the last one erasing a
    // stone; the entries above the count are left over from it.
    Load(k9x9);
    GameState.mode = SolveStart;
    Move(2, 1, PlacedWhite);
    Move(3, 1, PlacedBlack);
    Move(9, 9, PlacedBlack);
    Move(3, 1, Empty);
    Move(5, 5, PlacedWhite);
    GameState.undo.undoCount = 4;
    GameState.board[5][5].code = Empty;
    Save(files + "/9x9-solve-with-undo.vdr");

    // Sizes whose bytes hold 10 and 13 on disk.
    Load(k10x13);
    Save(files + "/10x13-create.vdr");
    Load(k15x15);
    Save(files + "/15x15-create.vdr");
    AutoSolve(GameState);
    GameState.mode = SolveFinished;
    Save(files + "/15x15-solved.vdr");

    WriteText(texts + "/5x5.txt", k5x5);
    WriteText(texts + "/9x9.txt", k9x9);
    WriteText(texts + "/10x13.txt", k10x13);
    WriteText(texts + "/15x15.txt", k15x15);
    Load(k5x5);
    AutoSolve(GameState);
    WriteText(texts + "/5x5-solved-spaced.txt", FormatBoard());
    WriteText(texts + "/grid-3x1.txt", "W.b\n");
    std::string big;
    for (int y = 0; y < 20; ++y) {
        std::string row(20, '.');
        row[y] = y % 2 ? 'W' : 'b';
        big += row + "\n";
    }
    WriteText(texts + "/grid-20x20.txt", big);

    // The same boards as puzzle URLs and pzprv3 files, the solved one with
    // its answer.
    Grid grid;
    ReadError error;
    for (const char* rows : {k5x5, k10x13, k15x15}) {
        if (!ParseGridNotation(rows, grid, error))
            Fail(ReadErrorText(error));
        const std::string size = std::to_string(grid.width) + "x" + std::to_string(grid.height);
        WriteText(texts + "/" + size + ".url", FormatPuzzLinkUrl(grid) + "\n");
        WriteText(texts + "/" + size + ".pzprv3", FormatPzprv3(grid));
    }
    if (!ParseGridNotation(FormatBoard(), grid, error))
        Fail(ReadErrorText(error));
    WriteText(texts + "/5x5-solved.pzprv3", FormatPzprv3(grid));
    WriteText(texts + "/20x20.url", "https://puzz.link/p?yinyang/v:/20/20/" + std::string(134, '0') + "\n");
    return failed ? 1 : 0;
}
