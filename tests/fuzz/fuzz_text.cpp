// Any bytes as text for the board readers: the notation, puzzle URLs and
// pzprv3 files. Whatever a reader accepts must come back unchanged from the
// writer that belongs to it. Each reader is one entry of kReaders; a new text
// format adds its own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "exchange/PuzzLink.h"
#include "exchange/Pzprv3.h"
#include "fuzz_support.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "model/Grid.h"

namespace {

bool SaneGrid(const Grid& grid)
{
    return IsGridSize(grid.width, grid.height) &&
           grid.cells.size() == static_cast<std::size_t>(grid.width) * grid.height;
}

// The notation for boards of 5..15: format, parse again, and save as a .vdr
// file, which must load back as the same record.
void BoardNotation(const std::string& text)
{
    PuzzleRecord record;
    ReadError error;
    if (!ParseNotation(text, record, error)) {
        Require(error.problem != ReadProblem::None, "notation refused without a reason");
        return;
    }
    const std::string formatted = FormatNotation(record);
    PuzzleRecord again;
    Require(ParseNotation(formatted, again, error), "formatted notation does not parse: " + ReadErrorText(error));
    RequireSameRecord(again, record, "notation after formatting");
    Require(FormatNotation(again) == formatted, "notation formats differently twice");

    std::vector<std::uint8_t> disk;
    Require(EncodePuzzle(record, disk, error), "a board from the notation does not save: " + ReadErrorText(error));
    PuzzleRecord loaded;
    Require(DecodePuzzle(disk, loaded, error), "a board from the notation does not load back: " + ReadErrorText(error));
    RequireSameRecord(loaded, record, "a board from the notation after a save");

    // The reader for any size must read the same board.
    Grid grid;
    Require(ParseGridNotation(text, grid, error), "board notation refused for a grid: " + ReadErrorText(error));
    Require(grid == GridFromRecord(record), "the grid reader reads another board");
}

// The notation for boards of 1..64.
void GridNotation(const std::string& text)
{
    Grid grid;
    ReadError error;
    if (!ParseGridNotation(text, grid, error)) {
        Require(error.problem != ReadProblem::None, "grid notation refused without a reason");
        return;
    }
    Require(SaneGrid(grid), "grid of a bad size from the notation");
    const std::string formatted = FormatGridNotation(grid);
    Grid again;
    Require(ParseGridNotation(formatted, again, error), "formatted grid does not parse: " + ReadErrorText(error));
    Require(again == grid, "grid after formatting");
    Require(FormatGridNotation(again) == formatted, "grid formats differently twice");
}

// A URL carries the given stones alone.
void PuzzleUrl(const std::string& text)
{
    Grid grid;
    ReadError error;
    if (!ParsePuzzLinkUrl(text, grid, error)) {
        Require(error.problem != ReadProblem::None, "URL refused without a reason");
        return;
    }
    Require(SaneGrid(grid), "grid of a bad size from a URL");
    Require(grid == GivensOf(grid), "a URL gave placed stones");
    const std::string url = FormatPuzzLinkUrl(grid);
    Grid again;
    ReadWarning warning = ReadWarning::ShortBody;
    Require(ParsePuzzLinkUrl(url, again, error, &warning), "a formatted URL does not parse: " + ReadErrorText(error));
    Require(warning == ReadWarning::None, "a formatted URL is not read as exactly its board");
    Require(again == grid, "grid after a URL round trip");
    Require(FormatPuzzLinkUrl(again) == url, "URL formats differently twice");
}

// A pzprv3 file carries the givens and the answer's placed stones; its URL
// is the URL of its givens.
void Pzprv3Text(const std::string& text)
{
    Grid grid;
    ReadError error;
    if (!ParsePzprv3(text, grid, error)) {
        Require(error.problem != ReadProblem::None, "pzprv3 refused without a reason");
        return;
    }
    Require(SaneGrid(grid), "grid of a bad size from a pzprv3 file");
    const std::string file = FormatPzprv3(grid);
    Grid again;
    Require(ParsePzprv3(file, again, error), "a formatted pzprv3 file does not parse: " + ReadErrorText(error));
    Require(again == grid, "grid after a pzprv3 round trip");
    Require(FormatPzprv3(again) == file, "pzprv3 formats differently twice");

    Grid givens;
    Require(ParsePuzzLinkUrl(FormatPuzzLinkUrl(grid), givens, error), "the URL of a pzprv3 board: " + ReadErrorText(error));
    Require(givens == GivensOf(grid), "the URL of a pzprv3 board holds other givens");
}

void (*const kReaders[])(const std::string&) = {
    BoardNotation,
    GridNotation,
    PuzzleUrl,
    Pzprv3Text,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (auto reader : kReaders)
        reader(text);
    return 0;
}
