// Puzzle URLs as the online players and editors share them:
//
//   https://puzz.link/p?yinyang/W/H/BODY
//
// (also on pzv.jp/p.html and pzprxs.vercel.app/p, or just the part after the
// '?'). W is the number of columns, H of rows; segments before the size that
// are not numbers ("v:") are skipped. BODY lists the cells row by row from
// the top, each row from the left, as 0 none, 1 white, 2 black; three cells
// a, b, c make one base-27 digit 9a + 3b + c, written 0-9 then a-q, the last
// group padded with empty cells.
#pragma once

#include <string>

#include "io/ReadError.h"
#include "model/Grid.h"

// Reads a URL (blanks around it are allowed) into a grid of given stones of
// 1..kGridMaxSize columns and rows. A body shorter than the board leaves the
// rest empty (warning ShortBody); characters past the board, a further
// "/..." included, are ignored (ExtraData); a URL that holds exactly the
// board gives None. On failure out is unchanged and error says what is
// wrong, for a bad character with its position in text (1-based).
bool ParsePuzzLinkUrl(const std::string& text, Grid& out, ReadError& error, ReadWarning* warning = nullptr);

// The URL of the grid's given stones; placed stones are left out.
std::string FormatPuzzLinkUrl(const Grid& grid);

// True when text, apart from blanks around it, is one word that starts like
// a puzzle URL: "http://" or "https://" with a query, or "yinyang/". Says
// nothing about whether it parses.
bool LooksLikePuzzleUrl(const std::string& text);
