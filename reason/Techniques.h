// The techniques of the reasoner, from the simplest to the hardest, and the
// scans that find where each one decides a free cell.
//
// Every technique is monotone: what it finds on a board stays true on any
// board that has the same stones and more, so the findings of one scan may
// all be placed together. A sink must not change the board while the scan
// runs: a scan keeps what it has seen of the board so far.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "reason/Board.h"

namespace reason {

enum class Technique : std::uint8_t { Block, Checker, Ring, Escape, Reach, Cut, Trial, Either, Parity, Search };
constexpr int kTechniqueCount = 10;
constexpr int kSimpleCount = 6;  // Block .. Cut, grades 1 to 3
constexpr int kMaxGrade = 5;

struct TechniqueInfo {
    const char* id;    // "block"
    const char* name;  // the short Japanese name
    int grade;         // 1 (入門) .. 5 (最上級)
};

const TechniqueInfo& InfoOf(Technique technique);

// What one technique decides at one place, and why.
struct Finding {
    Technique technique = Technique::Block;
    int colour = kFree;         // every decided cell takes this colour
    std::vector<int> cells;     // the decided cells, ascending
    std::vector<int> because;   // the cells the reason rests on, ascending
    int depth = 0;              // trial: rounds until a rule broke; either: the longer standstill
};

// Gets each finding of a scan; returns true to stop the scan.
using Sink = std::function<bool(const Finding&)>;

// The scans, with scratch space for one board size. Each scan calls sink for
// every finding it sees until sink returns true, and returns whether it was
// stopped. With reasons off, Finding::because stays empty (faster).
class Techniques {
public:
    Techniques(int width, int height);

    bool reasons = true;

    bool Block(const Board& b, const Sink& sink);
    bool Checker(const Board& b, const Sink& sink);
    bool Ring(const Board& b, const Sink& sink);
    bool Escape(const Board& b, const Sink& sink);
    bool Reach(const Board& b, const Sink& sink);
    bool Cut(const Board& b, const Sink& sink);
    // The colour changes round the ring only where the line between the
    // colours can end (exact/BorderParity.h): a free ring cell beside a
    // stone across an edge where it cannot takes that stone's colour.
    bool Parity(const Board& b, const Sink& sink);
    // One technique of grades 1 to 3.
    bool Run(Technique technique, const Board& b, const Sink& sink);
    // Every technique of grades 1 to 3, simplest first.
    bool Simple(const Board& b, const Sink& sink);

    // A rule that no solution can break, broken by the stones on the board:
    // a 2 x 2 of one colour or a checkerboard, the outer ring with more than
    // one arc of a colour, a colour cut into parts that can never meet.
    // witness gets the cells that show it.
    bool Broken(const Board& b, std::vector<int>* witness);

private:
    bool EscapeOf(const Board& b, int colour, const Sink& sink);
    bool ReachOf(const Board& b, int colour, const Sink& sink);
    bool CutOf(const Board& b, int colour, const Sink& sink);
    bool RingBroken(const Board& b, std::vector<int>* witness);
    bool SplitOf(const Board& b, int colour, std::vector<int>* witness);
    // Cells of colour or free reached from the seeds already in queue_;
    // marks them with mark_ in seen_.
    void Flood(const Board& b, int colour);
    // The nearest stone of colour from cell through cells that are not
    // the other colour and for which inside(cell) holds.
    int NearestStone(const Board& b, int from, int colour, const std::function<bool(int)>& inside);
    int NewMark();
    // Calls f(neighbour) for each orthogonal neighbour of cell: up, left,
    // right, down, as Board::ForNeighbours does.
    template <typename F>
    void Around(int cell, F f) const
    {
        const int* n = &around_[static_cast<std::size_t>(cell) * 4];
        for (int k = 0; k < 4; ++k)
            if (n[k] >= 0)
                f(n[k]);
    }

    std::vector<int> ring_;
    std::vector<std::uint8_t> ringParity_;  // per ring edge, see exact/BorderParity.h
    std::vector<int> seen_, queue_;
    int mark_ = 0;
    std::vector<int> disc_, low_, count_, stone_, end_, parent_, next_;
    std::vector<int> around_;  // four per cell, as Around gives them; -1 off the board
    Finding finding_;
};

}  // namespace reason
