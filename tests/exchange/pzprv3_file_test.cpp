// Reading pzprv3 files from disk: only regular files are read.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "exchange/Pzprv3.h"
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
            Grid grid;
            std::string error;
            const bool read = ReadPzprv3File(fifo, grid, error);
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(read ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "^" + fifo + ": cannot read: not a regular file\n$");

    Grid grid;
    std::string error;
    EXPECT_FALSE(ReadPzprv3File(dir.Path(), grid, error));
    EXPECT_EQ(error, dir.Path() + ": cannot read: Is a directory");
}

}  // namespace
