// The window's words for why an input was refused, a save failed or a URL
// was not quite as written: the one table of them.
#pragma once

#include <QString>

#include "io/PuzzleFile.h"
#include "io/ReadError.h"

// "3行目 5文字目: 使えない文字 'x' があります。" and the like.
QString ReadErrorMessage(const ReadError& error);

// Why a save failed, the system's own words for a rare cause.
QString WriteErrorMessage(const WriteError& error);

// 「URLのデータが盤面より短いため、残りのマスを空にしました」 and the like; empty for None.
QString ReadWarningMessage(ReadWarning warning);

// The name of a puzzle's grade, 1 入門 .. 5 最上級; empty for any other number.
QString GradeName(int grade);
