// Reading input that may be anything: regular files only, never more than a
// bound, and decimal numbers of any length without overflow.
#pragma once

#include <cstddef>
#include <string>

#include "io/ReadError.h"

// A 64 x 64 board in any of the text formats is under 20 KiB; anything far
// larger is not a puzzle, and reading it all would only waste memory.
constexpr std::size_t kMaxInputBytes = 1 << 20;

// Opens a regular file for reading and returns its descriptor, or -1 with
// the reason. Anything else (a directory, a FIFO, a device) is refused
// before it is opened, so a pipe without a writer cannot block the program.
int OpenFileForReading(const std::string& path, ReadError& error);

// Reads from fd until its end or until limit bytes are in; the caller
// closes fd. False with CannotRead when a read fails.
bool ReadUpTo(int fd, std::size_t limit, std::string& out, ReadError& error);

// The whole text of a file, or of standard input for "-", refused with
// TooLarge beyond kMaxInputBytes.
bool ReadInputText(const std::string& path, std::string& text, ReadError& error);

// A whole decimal number of 0..max: digits only, leading zeros allowed,
// however many there are. False for anything else; out is then unchanged.
bool ParseDecimal(const std::string& text, unsigned long long max, unsigned long long& out);
