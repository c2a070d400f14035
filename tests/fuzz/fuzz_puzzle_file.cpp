// Any bytes as a .vdr file. A file the decoder accepts is loaded as the
// window loads it and solved; whatever the solver leaves must save, and the
// saved bytes must load back as the same record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

// Encodes the record, which must succeed, and decodes the bytes again.
PuzzleRecord SavedAndLoaded(const PuzzleRecord& record, const char* what)
{
    std::vector<std::uint8_t> disk;
    ReadError error;
    Require(EncodePuzzle(record, disk, error), std::string(what) + " does not save: " + ReadErrorText(error));
    PuzzleRecord back;
    Require(DecodePuzzle(disk, back, error), std::string(what) + " saves, but does not load back: " + ReadErrorText(error));

    // A second pass gives the very same bytes.
    std::vector<std::uint8_t> again;
    Require(EncodePuzzle(back, again, error) && again == disk, std::string(what) + " saves differently twice");
    return back;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> disk(data, data + size);
    PuzzleRecord record;
    ReadError error;
    if (!DecodePuzzle(disk, record, error)) {
        Require(error.problem != ReadProblem::None, "a refused file without a reason");
        return 0;
    }
    RequireSameRecord(SavedAndLoaded(record, "the loaded file"), record, "the loaded file after a save");

    ResetGameState();
    ApplyPuzzle(record);
    AutoSolve(GameState);
    const PuzzleRecord solved = CapturePuzzle();
    RequireSameRecord(SavedAndLoaded(solved, "the solved board"), solved, "the solved board after a save");
    return 0;
}
