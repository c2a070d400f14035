// Writes one benchmark board in the notation to standard output:
//
//   make_boards random W H PERCENT SEED   a random finished board with
//                                         PERCENT % of its cells kept as givens
//   make_boards checker W H PERCENT SEED  the same, and a 2 x 2 block of givens
//                                         with one colour on each diagonal
//   make_boards ring W H PERCENT SEED     the same, and four givens round the
//                                         border: white, black, white, black
//   make_boards empty W H                 no givens at all
//
// The planted boards have no solution by the rules alone. One seed gives the
// same board everywhere (the generator's own random numbers).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "generator/Random.h"
#include "generator/SolutionBoard.h"
#include "io/Notation.h"

namespace {

int Usage()
{
    std::fputs("usage: make_boards random|checker|ring W H PERCENT SEED | make_boards empty W H\n", stderr);
    return 2;
}

// Keeps `percent` % of the solution's cells, chosen at random.
Grid KeepGivens(const Grid& solution, int percent, Rng& rng)
{
    std::vector<std::size_t> order(solution.cells.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    rng.Shuffle(order);
    Grid puzzle(solution.width, solution.height);
    const std::size_t keep = order.size() * static_cast<std::size_t>(percent) / 100;
    for (std::size_t k = 0; k < keep; ++k)
        puzzle.cells[order[k]] = solution.cells[order[k]];
    return puzzle;
}

void PlantChecker(Grid& g, Rng& rng)
{
    const int x = static_cast<int>(rng.Below(g.width - 1)), y = static_cast<int>(rng.Below(g.height - 1));
    g.at(x, y) = g.at(x + 1, y + 1) = GivenWhite;
    g.at(x + 1, y) = g.at(x, y + 1) = GivenBlack;
}

// Four cells in order round the border, white and black in turn.
void PlantRing(Grid& g, Rng& rng)
{
    std::vector<int> ring;
    for (int x = 0; x < g.width; ++x)
        ring.push_back(x);
    for (int y = 1; y < g.height; ++y)
        ring.push_back(y * g.width + g.width - 1);
    for (int x = g.width - 2; x >= 0; --x)
        ring.push_back((g.height - 1) * g.width + x);
    for (int y = g.height - 2; y >= 1; --y)
        ring.push_back(y * g.width);
    std::vector<int> picked;
    while (picked.size() < 4) {
        const int k = static_cast<int>(rng.Below(ring.size()));
        bool fresh = true;
        for (int p : picked)
            fresh = fresh && p != k;
        if (fresh)
            picked.push_back(k);
    }
    std::sort(picked.begin(), picked.end());
    for (int j = 0; j < 4; ++j)
        g.cells[ring[picked[j]]] = j % 2 ? GivenBlack : GivenWhite;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return Usage();
    const std::string kind = argv[1];
    const int w = std::atoi(argv[2]), h = std::atoi(argv[3]);
    if (w < 2 || h < 2 || w > kGridMaxSize || h > kGridMaxSize)
        return Usage();
    Grid board(w, h);
    if (kind != "empty") {
        if (argc != 6 || (kind != "random" && kind != "checker" && kind != "ring"))
            return Usage();
        Rng rng(std::strtoull(argv[5], nullptr, 10));
        board = KeepGivens(RandomSolution(w, h, rng), std::atoi(argv[4]), rng);
        if (kind == "checker")
            PlantChecker(board, rng);
        if (kind == "ring")
            PlantRing(board, rng);
    }
    std::fputs(FormatGridNotation(board).c_str(), stdout);
    return 0;
}
