// Random finished boards for the generator to take givens away from.
#pragma once

#include <atomic>

#include "generator/Random.h"
#include "model/Grid.h"

// A random board of width x height (1..kGridMaxSize each) that obeys every
// rule, every cell GivenWhite or GivenBlack. On boards of 2 x 2 and more both
// colours are present and no stripe is too long (HasLongStripe). An empty
// grid when cancel became true.
Grid RandomSolution(int width, int height, Rng& rng, const std::atomic<bool>* cancel = nullptr);

// The longest straight run of one colour that a row or column of `length`
// cells away from the border may hold on a generated board. The border
// itself is not limited: it is always split into one arc of each colour, so
// long runs there cannot be avoided.
int StripeLimit(int length);

// True when a row or column away from the border runs through one colour for
// longer than StripeLimit.
bool HasLongStripe(const Grid& board);
