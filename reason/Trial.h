// Trial: suppose a free cell has one colour and let the simpler techniques
// run; when a rule breaks, the cell has the other colour.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "reason/Techniques.h"

namespace reason {

// How a supposition ends: a broken rule after `rounds` rounds, a standstill
// (a round that decides nothing), or the limit of rounds reached.
enum class TrialEnd { Broken, Standstill, Limit };

// Rounds of the techniques of grades 1 to 3 on b, each round running every
// one of them in turn over the whole board and placing what it found, until a rule
// breaks, nothing more is found or maxRounds rounds have run. rounds counts
// the rounds run so far and goes on from its value; witness gets the cells
// of the broken rule.
TrialEnd Propagate(Techniques& t, Board& b, int maxRounds, int& rounds, std::vector<int>* witness);

// The trial that breaks a rule in the fewest rounds, among every free cell
// and both colours, cells with more stones around them first. When no
// supposition breaks a rule, a step of Either: a cell whose two colours
// both lead to the same colour somewhere else. False when neither is found
// (or when cancelled). known, when given, is the colour of each cell in
// every solution (kFree where they differ): it only saves work, the step
// found is the same.
bool FindTrial(Techniques& t, const Board& b, Finding& out, const std::atomic<bool>* cancel,
               const std::vector<std::uint8_t>* known = nullptr);

// The free cells, those with more stones among their eight neighbours first,
// then in board order: the order in which trial and search look at them.
std::vector<int> CandidateOrder(const Board& b);

}  // namespace reason
