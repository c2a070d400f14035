// The six lines of the status line, in UTF-8. Each is exactly 44 half-width
// cells wide (a full-width character takes two cells, an ASCII space one), so
// any line painted over another covers it completely.
#pragma once

#include "model/GameState.h"

constexpr int kStatusTextCount = 6;
constexpr int kStatusTextCells = 44;

inline constexpr const char* kStatusText[kStatusTextCount] = {
    // StatusNone: 22 ideographic spaces.
    "　　　　　　　　　　　　　　　　　　　　　　",
    // StatusContradiction
    "この問題は成立していません   　　 　　　　  ",
    // StatusUnsolvable
    "このプログラムでは解けません 　　 　　　　  ",
    // StatusLoadFailed
    "問題が正常に読み込めません    　　 　　　　 ",
    // StatusAnalyzing
    "自動解析中！　しばらくお待ちください　　　　",
    // StatusMultipleSolutions
    "この問題は別解があります（○がしろまる）　　",
};

// The text for a status value, or nullptr for a value outside 0..5.
inline const char* StatusText(int status)
{
    return status >= 0 && status < kStatusTextCount ? kStatusText[status] : nullptr;
}
