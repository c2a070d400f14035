// The sentence ヒント shows for a step of the reasoner: what it decides and
// why, naming cells as (列,行).
#pragma once

#include <QString>

#include "reason/Board.h"
#include "reason/Techniques.h"

// board: any board that holds the stones of the step's reason (the one
// before the step or after it).
QString StepSentence(const reason::Finding& f, const reason::Board& board);
