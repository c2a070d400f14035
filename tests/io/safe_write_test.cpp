// Writing replaces a file all at once or not at all.
#include <gtest/gtest.h>

#include <cerrno>

#include <climits>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/PuzzleFile.h"
#include "io/io_test_support.h"

namespace {

const Bytes kOld = ToBytes("the old contents\n");
const Bytes kNew = ToBytes("new contents, longer than the old ones\n");

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

class SafeWriteTest : public ::testing::Test {
protected:
    TempDir dir_;
};

TEST_F(SafeWriteTest, NewFileIsWrittenAndNoTemporaryFileRemains)
{
    const std::string path = dir_.File("new.vdr");
    std::string error;
    ASSERT_TRUE(WriteFileSafely(path, kNew, error)) << error;
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"new.vdr"});
}

TEST_F(SafeWriteTest, ReplacingAFileKeepsItsPermissions)
{
    const std::string path = dir_.File("private.vdr");
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(path, kNew, error)) << error;
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(dir_.Names().size(), 1u);
}

TEST_F(SafeWriteTest, SymbolicLinkIsFollowedAndKept)
{
    const std::string target = dir_.File("real.vdr");
    const std::string link = dir_.File("link.vdr");
    WriteBytes(target, kOld);
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(link, kNew, error)) << error;
    EXPECT_EQ(ReadBytes(target), kNew);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(SafeWriteTest, DanglingLinkCreatesTheFileItPointsToAndStays)
{
    ASSERT_EQ(::mkdir(dir_.File("sub").c_str(), 0755), 0);
    // One absolute link, one relative to the folder the link is in, and a
    // link to a link.
    const std::string absolute = dir_.File("absolute.vdr");
    const std::string relative = dir_.File("sub/relative.vdr");
    const std::string chained = dir_.File("chained.vdr");
    ASSERT_EQ(::symlink(dir_.File("first.vdr").c_str(), absolute.c_str()), 0);
    ASSERT_EQ(::symlink("../second.vdr", relative.c_str()), 0);
    ASSERT_EQ(::symlink("sub/relative.vdr", chained.c_str()), 0);
    const struct {
        std::string link;
        std::string target;
        Bytes data;
    } cases[] = {{absolute, dir_.File("first.vdr"), kOld}, {relative, dir_.File("second.vdr"), kOld},
                 {chained, dir_.File("second.vdr"), kNew}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        std::string error;
        ASSERT_TRUE(WriteFileSafely(c.link, c.data, error)) << error;
        EXPECT_EQ(ReadBytes(c.target), c.data);
        struct stat st {};
        ASSERT_EQ(::lstat(c.link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        ASSERT_EQ(::lstat(c.target.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
    }
    EXPECT_EQ(dir_.Names().size(), 5u);  // three links, two files, the folder
}

TEST_F(SafeWriteTest, LinkLoopIsRefused)
{
    const std::string a = dir_.File("a.vdr"), b = dir_.File("b.vdr");
    ASSERT_EQ(::symlink(b.c_str(), a.c_str()), 0);
    ASSERT_EQ(::symlink(a.c_str(), b.c_str()), 0);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(a, kNew, error));
    EXPECT_EQ(error, a + ": cannot follow the link: Too many levels of symbolic links");
    EXPECT_EQ(dir_.Names().size(), 2u);
}

// A new file whose absolute name is PATH_MAX - 1 bytes long, the longest
// that a plain open accepts, ending in a name of nameLength bytes.
std::string LongestPath(const std::string& top, std::size_t nameLength)
{
    const std::size_t folderLength = PATH_MAX - 2 - nameLength;
    std::string folder = top;
    EXPECT_EQ(::mkdir(folder.c_str(), 0755), 0);
    while (folder.size() + 1 + 200 + 2 <= folderLength) {
        folder += "/" + std::string(200, 'd');
        EXPECT_EQ(::mkdir(folder.c_str(), 0755), 0);
    }
    folder += "/" + std::string(folderLength - folder.size() - 1, 'e');
    EXPECT_EQ(::mkdir(folder.c_str(), 0755), 0);
    return folder + "/" + std::string(nameLength, 'f');
}

TEST_F(SafeWriteTest, PathJustShortOfTheLimitIsWritten)
{
    for (std::size_t nameLength : {1u, 13u, 100u}) {
        SCOPED_TRACE(nameLength);
        const std::string path = LongestPath(dir_.File(std::to_string(nameLength)), nameLength);
        ASSERT_EQ(path.size(), static_cast<std::size_t>(PATH_MAX - 1));
        std::string error;
        ASSERT_TRUE(WriteFileSafely(path, kOld, error)) << error;
        ASSERT_TRUE(WriteFileSafely(path, kNew, error)) << error;
        EXPECT_EQ(ReadBytes(path), kNew);
    }
}

TEST_F(SafeWriteTest, DirectoryOrSpecialFileAsTargetIsRefusedUntouched)
{
    const std::string sub = dir_.File("folder.vdr");
    ASSERT_EQ(::mkdir(sub.c_str(), 0755), 0);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(sub, kNew, error));
    EXPECT_EQ(error, sub + ": cannot write: Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(sub));

    // Renaming over a device or pipe would replace it with a plain file.
    const std::string fifo = dir_.File("pipe.vdr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_FALSE(WriteFileSafely(fifo, kNew, error));
    EXPECT_EQ(error, fifo + ": cannot write: not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(dir_.Names().size(), 2u);
}

// Makes file access checks apply to this thread even when the tests run as
// root: a non-zero file-system user id drops the override capabilities.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser() : old_(::setfsuid(65534)) {}
    ~AsUnprivilegedUser() { ::setfsuid(old_); }

private:
    int old_;
};

TEST_F(SafeWriteTest, ReadOnlyFolderLeavesOldFileUnchanged)
{
    const std::string path = dir_.File("kept.vdr");
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0555), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    bool ok;
    std::string error;
    {
        AsUnprivilegedUser user;
        const std::string probe = dir_.File("probe");
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
            GTEST_SKIP() << "cannot make a folder read-only for this process";
        }
        ok = WriteFileSafely(path, kNew, error);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, path + ": cannot create a temporary file in " + dir_.Path() + ": Permission denied");
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(dir_.Names().size(), 1u);
}

TEST_F(SafeWriteTest, WriteErrorLeavesOldFileAndNoTemporaryFile)
{
    const std::string path = dir_.File("full.vdr");
    WriteBytes(path, kOld);
    // A file size limit makes write() fail part way, like a full disk.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 10;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool ok = WriteFileSafely(path, kNew, error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(error.rfind(path + ": cannot write " + dir_.Path() + "/.", 0), 0u) << error;
    EXPECT_NE(error.find(": File too large"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"full.vdr"});
}

// The reason comes out with the English message for callers that word it
// themselves; each target is made to fail for real.
TEST_F(SafeWriteTest, FailureNamesItsReasonForTheCommonCauses)
{
    WriteBytes(dir_.File("plain"), kOld);
    ASSERT_EQ(::mkdir(dir_.File("folder.vdr").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(dir_.File("pipe.vdr").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir(dir_.File("locked").c_str(), 0555), 0);
    const std::string longName(300, 'n');

    const struct {
        std::string path;
        WriteFailure expected;
        int errorNumber;  // the system's reason handed on with it
        bool unprivileged;
    } cases[] = {
        {dir_.File("missing/p.vdr"), WriteFailure::NoSuchFolder, ENOENT, false},
        {dir_.File("plain/p.vdr"), WriteFailure::NoSuchFolder, ENOTDIR, false},
        {dir_.File("folder.vdr"), WriteFailure::NotRegularFile, EISDIR, false},
        {dir_.File("pipe.vdr"), WriteFailure::NotRegularFile, 0, false},
        {"/dev/null", WriteFailure::NotRegularFile, 0, false},
        {dir_.File(longName + ".vdr"), WriteFailure::NameTooLong, ENAMETOOLONG, false},
        {dir_.File("locked/p.vdr"), WriteFailure::PermissionDenied, EACCES, true},
        {dir_.File("ok.vdr"), WriteFailure::None, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string error;
        WriteError failure{WriteFailure::Other, -1};
        bool ok;
        if (c.unprivileged) {
            AsUnprivilegedUser user;
            ok = WriteFileSafely(c.path, kNew, error, &failure);
        } else {
            ok = WriteFileSafely(c.path, kNew, error, &failure);
        }
        EXPECT_EQ(ok, c.expected == WriteFailure::None) << error;
        EXPECT_EQ(failure.failure, c.expected) << error;
        EXPECT_EQ(failure.errorNumber, c.errorNumber) << error;
    }
}

}  // namespace
