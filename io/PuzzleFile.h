// Reading and writing .vdr puzzle files.
//
// The logical content is a byte sequence (W = width, H = height):
//
//   0      mode          raw byte 0..3
//   1      layoutState   raw byte
//   2      width         raw byte 5..15
//   3      height        raw byte 5..15
//   4      boardFlag     48 + value
//   5, 6   emptyCount    48 + n / 100, then 48 + n % 100 (the second byte
//   7, 8   undoCount       runs up to 147, it is not a decimal digit)
//   9      cell codes    48 + code for every cell of the board and its Wall
//                        ring, column by column: x = 0..W+1 outside,
//                        y = 0..H+1 inside
//   9 + (W+2)(H+2)       200 undo entries, each 48 + undoX, 48 + undoY,
//                        48 + undoPrev, whatever undoCount is
//   609 + (W+2)(H+2)     four bytes 10
//
// On disk every logical 10 is stored as 13, 10 (a 9 x 9 file is 738 bytes).
// Reading folds 13, 10 back into 10, keeps a 13 not followed by 10, and takes
// a byte 26 as the end of the file. A file may stop right after the last undo
// entry; anything after it is ignored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "io/PuzzleRecord.h"
#include "io/ReadError.h"

// Why a write failed, for callers that put the reason in words of their own;
// the error text says the same in English. Set by the writing functions
// below when they are given somewhere to put it.
enum class WriteFailure {
    None,
    NoSuchFolder,        // a folder on the way is missing or is not a folder
    PermissionDenied,
    ReadOnlyFileSystem,
    DiskFull,            // no space left, or the disk quota is used up
    NameTooLong,
    NotRegularFile,      // the path names a folder, device, pipe or socket
    NotAFileName,        // the path ends in "/", "." or ".."
    InvalidPuzzle,       // the record would not load back (EncodePuzzle refused it)
    Other,               // errorNumber says why
};

struct WriteError {
    WriteFailure failure = WriteFailure::None;
    int errorNumber = 0;  // the system's errno, 0 when none
};

// The failure an errno value from opening, writing or renaming stands for.
WriteFailure WriteFailureFromErrno(int errorNumber);

// The on-disk bytes of a record. False, with the reason, when the record
// holds something that would not load back (a size outside 5..15, a bad mode,
// cell code, Wall ring or undo count, or a value that encodes as byte 26).
bool EncodePuzzle(const PuzzleRecord& record, std::vector<std::uint8_t>& disk, ReadError& error);

// Decodes and checks on-disk bytes. out is written only on success; on
// failure error says what is wrong (TooShort, BadFileSize, ...).
bool DecodePuzzle(const std::vector<std::uint8_t>& disk, PuzzleRecord& out, ReadError& error);

// Reads and checks a whole file into a record; false with the reason when it
// cannot be read or is not a valid puzzle.
bool ReadPuzzleFile(const std::string& path, PuzzleRecord& out, ReadError& error);

// Writes the record to path through a temporary file beside it that replaces
// the target only when every byte was written and closed; false with a
// message naming the file and the reason, the target untouched.
bool WritePuzzleFile(const std::string& path, const PuzzleRecord& record, std::string& error,
                     WriteError* failure = nullptr);

// The program's load: on success GameState holds the file (ApplyPuzzle); on
// failure only status changes, to StatusLoadFailed.
bool LoadPuzzleFile(const std::string& path, ReadError& error);

// The program's save of GameState; never changes GameState.
bool SavePuzzleFile(const std::string& path, std::string& error, WriteError* failure = nullptr);

// Replaces the file at path with data, all or nothing: the bytes go to a new
// file in the same folder, which is flushed to disk, closed and then renamed
// over path. On failure the temporary file is gone, path is as it was, and
// error reads "PATH: what failed: reason". A path that names a directory or
// another non-regular file is refused; a symbolic link is followed and the
// file it points to is replaced, or created if it does not exist yet.
bool WriteFileSafely(const std::string& path, const std::vector<std::uint8_t>& data, std::string& error,
                     WriteError* failure = nullptr);
