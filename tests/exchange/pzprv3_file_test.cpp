// Reading pzprv3 files from disk: only regular files are read.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "exchange/PuzzleInput.h"
#include "io/io_test_support.h"

namespace {

// The read runs in a child process that an alarm ends should it block on
// the FIFO, which has no writer.
TEST(Pzprv3FileTest, FifoOrDirectoryIsRefusedWithoutWaiting)
{
    TempDir dir;
    const std::string fifo = dir.File("pipe.pzprv3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EXIT(
        {
            ::alarm(10);
            PuzzleInput in;
            ReadError error;
            const bool read = ReadPuzzleInput(fifo, in, error, InputFormat::Pzprv3);
            std::fprintf(stderr, "%s\n", ReadErrorText(error).c_str());
            std::exit(read ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "^cannot read: not a regular file\n$");

    PuzzleInput in;
    ReadError error;
    EXPECT_FALSE(ReadPuzzleInput(dir.Path(), in, error, InputFormat::Pzprv3));
    EXPECT_EQ(ReadErrorText(error), "cannot read: Is a directory");
}

}  // namespace
