#include "io/PuzzleFile.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/InputFile.h"

namespace {

constexpr int kHeaderBytes = 9;
constexpr int kUndoBytes = 3 * kUndoEntries;
constexpr int kTrailerBytes = 4;
constexpr std::uint8_t kNewline = 10;
constexpr std::uint8_t kReturn = 13;
constexpr std::uint8_t kEndOfFile = 26;

// Only the first cells of a file matter; anything after the last undo entry
// is ignored, so there is no need to read a huge file to the end. Even if
// every byte were a folded 13, 10 pair this covers the largest board.
constexpr std::size_t kMaxReadBytes = 4096;

std::uint8_t Offset(int value) { return static_cast<std::uint8_t>(48 + value); }

int FromOffset(std::uint8_t byte) { return static_cast<int>(byte) - 48; }

// The logical length of a file up to its last undo entry.
int BodyBytes(int width, int height) { return kHeaderBytes + (width + 2) * (height + 2) + kUndoBytes; }

ReadError Problem(ReadProblem problem, long long value, int high = 0)
{
    ReadError e(problem);
    e.value = value;
    e.high = high;
    return e;
}

bool CheckHeader(const PuzzleRecord& r, ReadError& error)
{
    if (r.mode < CreateMode || r.mode > SolveFinished) {
        error = Problem(ReadProblem::BadMode, r.mode);
        return false;
    }
    if (!IsBoardSize(r.width, r.height)) {
        error = ReadError(ReadProblem::BadFileSize);
        error.width = r.width;
        error.height = r.height;
        error.low = kMinSize;
        error.high = kMaxSize;
        return false;
    }
    // The count is the solver's, left from its latest run, which may have
    // been on a board of another size: any value 0..225 can be saved with
    // any board.
    if (r.emptyCount < 0 || r.emptyCount > kMaxSize * kMaxSize) {
        error = Problem(ReadProblem::BadEmptyCount, r.emptyCount, kMaxSize * kMaxSize);
        return false;
    }
    if (r.undoCount < 0 || r.undoCount >= kUndoEntries) {
        error = Problem(ReadProblem::BadUndoCount, r.undoCount, kUndoEntries - 1);
        return false;
    }
    return true;
}

// The solver walks neighbours without bounds checks and relies on the ring,
// so a board without it is refused rather than repaired.
bool CheckCells(const PuzzleRecord& r, ReadError& error)
{
    for (int x = 0; x <= r.width + 1; ++x) {
        for (int y = 0; y <= r.height + 1; ++y) {
            const int code = r.codes[x][y];
            const bool ring = x == 0 || y == 0 || x == r.width + 1 || y == r.height + 1;
            if (code > PlacedBlack || (ring && code != Wall)) {
                error = Problem(code > PlacedBlack ? ReadProblem::BadCellCode : ReadProblem::BorderNotWall, code);
                error.column = x;
                error.line = y;
                return false;
            }
        }
    }
    return true;
}

// The disk bytes folded back into logical ones. Stops at a byte 26.
struct Unfolded {
    std::vector<std::uint8_t> bytes;
    std::size_t diskBytes = 0;  // disk bytes before the end (the 26, if any)
    bool stoppedAt26 = false;
};

Unfolded Unfold(const std::vector<std::uint8_t>& disk)
{
    Unfolded u;
    u.bytes.reserve(disk.size());
    std::size_t i = 0;
    for (; i < disk.size(); ++i) {
        const std::uint8_t b = disk[i];
        if (b == kEndOfFile) {
            u.stoppedAt26 = true;
            break;
        }
        if (b == kReturn && i + 1 < disk.size() && disk[i + 1] == kNewline) {
            u.bytes.push_back(kNewline);
            ++i;
            continue;
        }
        u.bytes.push_back(b);
    }
    u.diskBytes = i;
    return u;
}

// A file that ends before the header (width 0) or the board of width x
// height is complete.
ReadError TooShort(const Unfolded& u, int width, int height, std::size_t neededDisk)
{
    ReadError e(u.stoppedAt26 ? ReadProblem::EndsAt26 : u.diskBytes == 0 ? ReadProblem::EmptyFile
                                                                          : ReadProblem::TooShort);
    e.column = static_cast<int>(u.diskBytes);
    e.value = static_cast<long long>(u.diskBytes);
    e.expected = static_cast<long long>(neededDisk);
    e.width = width;
    e.height = height;
    return e;
}

std::string Errno() { return std::strerror(errno); }

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Splits a path into its folder and file name; "p.vdr" lives in ".".
void SplitPath(const std::string& path, std::string& dir, std::string& base)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        dir = ".";
        base = path;
    } else {
        dir = slash == 0 ? "/" : path.substr(0, slash);
        base = path.substr(slash + 1);
    }
}

// Follows symbolic links from path to the name that a write must replace or
// create; the file at its end need not exist yet. found tells whether it
// does, st is then its status.
bool FollowLinks(const std::string& path, std::string& target, bool& found, struct stat& st, std::string& error)
{
    constexpr int kMaxLinks = 40;  // as the kernel allows
    target = path;
    for (int links = 0;; ++links) {
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                error = path + ": cannot write: " + Errno();
                return false;
            }
            found = false;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            found = true;
            return true;
        }
        if (links == kMaxLinks) {
            errno = ELOOP;
            error = path + ": cannot follow the link: " + std::strerror(ELOOP);
            return false;
        }
        std::string text(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), text.data(), text.size());
        if (n < 0 || static_cast<std::size_t>(n) == text.size()) {
            if (n >= 0)
                errno = ENAMETOOLONG;
            error = path + ": cannot follow the link: " + Errno();
            return false;
        }
        text.resize(static_cast<std::size_t>(n));
        if (text.empty()) {
            errno = ENOENT;
            error = path + ": cannot follow the link: " + Errno();
            return false;
        }
        // A relative link is read from the folder that holds the link.
        if (text[0] != '/') {
            const std::size_t slash = target.find_last_of('/');
            if (slash != std::string::npos)
                text = target.substr(0, slash + 1) + text;
        }
        target = text;
    }
}

}  // namespace

bool EncodePuzzle(const PuzzleRecord& r, std::vector<std::uint8_t>& disk, ReadError& error)
{
    if (!CheckHeader(r, error) || !CheckCells(r, error))
        return false;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(BodyBytes(r.width, r.height) + kTrailerBytes);
    bytes.push_back(static_cast<std::uint8_t>(r.mode));
    bytes.push_back(static_cast<std::uint8_t>(r.layoutState));
    bytes.push_back(static_cast<std::uint8_t>(r.width));
    bytes.push_back(static_cast<std::uint8_t>(r.height));
    bytes.push_back(Offset(r.boardFlag));
    bytes.push_back(Offset(r.emptyCount / 100));
    bytes.push_back(Offset(r.emptyCount % 100));
    bytes.push_back(Offset(r.undoCount / 100));
    bytes.push_back(Offset(r.undoCount % 100));
    for (int x = 0; x <= r.width + 1; ++x)
        for (int y = 0; y <= r.height + 1; ++y)
            bytes.push_back(Offset(r.codes[x][y]));
    for (int i = 0; i < kUndoEntries; ++i) {
        bytes.push_back(Offset(r.undoX[i]));
        bytes.push_back(Offset(r.undoY[i]));
        bytes.push_back(Offset(r.undoPrev[i]));
    }
    bytes.insert(bytes.end(), kTrailerBytes, kNewline);

    std::vector<std::uint8_t> out;
    out.reserve(bytes.size() + 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        // A 26 would end the file early on reading and the rest would be lost.
        if (bytes[i] == kEndOfFile) {
            error = ReadError(ReadProblem::WouldStore26);
            error.column = static_cast<int>(i);
            return false;
        }
        if (bytes[i] == kNewline)
            out.push_back(kReturn);
        out.push_back(bytes[i]);
    }
    disk.swap(out);
    return true;
}

bool DecodePuzzle(const std::vector<std::uint8_t>& disk, PuzzleRecord& out, ReadError& error)
{
    const Unfolded u = Unfold(disk);
    const std::vector<std::uint8_t>& b = u.bytes;
    if (b.size() < static_cast<std::size_t>(kHeaderBytes)) {
        error = TooShort(u, 0, 0, kHeaderBytes);
        return false;
    }

    PuzzleRecord r;
    r.mode = b[0];
    r.layoutState = b[1];
    r.width = b[2];
    r.height = b[3];
    r.boardFlag = FromOffset(b[4]);
    r.emptyCount = 100 * FromOffset(b[5]) + FromOffset(b[6]);
    r.undoCount = 100 * FromOffset(b[7]) + FromOffset(b[8]);
    if (!CheckHeader(r, error))
        return false;

    const int needed = BodyBytes(r.width, r.height);
    if (b.size() < static_cast<std::size_t>(needed)) {
        int folded = 0;  // header bytes stored as 13, 10 on disk
        for (int i = 0; i < 4; ++i)
            folded += b[i] == kNewline;
        error = TooShort(u, r.width, r.height, needed + folded);
        return false;
    }

    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            r.codes[x][y] = Wall;
    std::size_t pos = kHeaderBytes;
    for (int x = 0; x <= r.width + 1; ++x)
        for (int y = 0; y <= r.height + 1; ++y)
            r.codes[x][y] = static_cast<std::uint8_t>(FromOffset(b[pos++]));
    // Undo entries are taken as stored: the program itself writes (0, 0, 0)
    // entries below undoCount after a clear-all that kept the count.
    for (int i = 0; i < kUndoEntries; ++i) {
        r.undoX[i] = static_cast<std::uint8_t>(FromOffset(b[pos++]));
        r.undoY[i] = static_cast<std::uint8_t>(FromOffset(b[pos++]));
        r.undoPrev[i] = static_cast<std::uint8_t>(FromOffset(b[pos++]));
    }
    if (!CheckCells(r, error))
        return false;

    out = r;
    return true;
}

bool ReadPuzzleFile(const std::string& path, PuzzleRecord& out, ReadError& error)
{
    const int fd = OpenFileForReading(path, error);
    if (fd < 0)
        return false;
    std::string data;
    const bool read = ReadUpTo(fd, kMaxReadBytes, data, error);
    ::close(fd);
    return read && DecodePuzzle(std::vector<std::uint8_t>(data.begin(), data.end()), out, error);
}

bool WritePuzzleFile(const std::string& path, const PuzzleRecord& record, std::string& error, WriteError* failure)
{
    std::vector<std::uint8_t> disk;
    ReadError why;
    if (!EncodePuzzle(record, disk, why)) {
        error = path + ": cannot save this puzzle: " + ReadErrorText(why);
        if (failure)
            *failure = WriteError{WriteFailure::InvalidPuzzle, 0};
        return false;
    }
    return WriteFileSafely(path, disk, error, failure);
}

bool LoadPuzzleFile(const std::string& path, ReadError& error)
{
    PuzzleRecord record;
    if (!ReadPuzzleFile(path, record, error)) {
        GameState.status = StatusLoadFailed;
        return false;
    }
    ApplyPuzzle(record);
    return true;
}

bool SavePuzzleFile(const std::string& path, std::string& error, WriteError* failure)
{
    return WritePuzzleFile(path, CapturePuzzle(), error, failure);
}

WriteFailure WriteFailureFromErrno(int errorNumber)
{
    switch (errorNumber) {
    case 0: return WriteFailure::None;
    case ENOENT:
    case ENOTDIR: return WriteFailure::NoSuchFolder;
    case EACCES:
    case EPERM: return WriteFailure::PermissionDenied;
    case EROFS: return WriteFailure::ReadOnlyFileSystem;
    case ENOSPC:
    case EDQUOT: return WriteFailure::DiskFull;
    case ENAMETOOLONG: return WriteFailure::NameTooLong;
    case EISDIR: return WriteFailure::NotRegularFile;
    default: return WriteFailure::Other;
    }
}

namespace {

// Where a write goes: the folder and name that a symbolic link at path
// leads to, and the permissions of the file found there.
struct WriteTarget {
    std::string dir, base;
    bool exists = false;
    mode_t mode = 0;
};

WriteError ErrnoFailure()
{
    return WriteError{WriteFailureFromErrno(errno), errno};
}

// Replace what a symbolic link points to, or create it, and keep the link
// itself; renaming over a device such as /dev/null would replace the device.
bool FindTarget(const std::string& path, WriteTarget& t, std::string& error, WriteError& why)
{
    std::string target;
    struct stat st {};
    if (!FollowLinks(path, target, t.exists, st, error)) {
        why = ErrnoFailure();
        return false;
    }
    if (t.exists && !S_ISREG(st.st_mode)) {
        error = path + ": cannot write: " + (S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file");
        why = WriteError{WriteFailure::NotRegularFile, S_ISDIR(st.st_mode) ? EISDIR : 0};
        return false;
    }
    t.mode = t.exists ? st.st_mode & 07777 : 0;
    SplitPath(target, t.dir, t.base);
    if (t.base.empty() || t.base == "." || t.base == "..") {
        error = path + ": cannot write: not a file name";
        why = WriteError{WriteFailure::NotAFileName, 0};
        return false;
    }
    return true;
}

// A new hidden file in the target's folder; O_EXCL never reuses someone's
// file. The name is short, so that the temporary file's full name is never
// longer than the target's: any path that can be written at all can be
// written this way.
int CreateTemporary(const std::string& path, const WriteTarget& t, int dirFd, std::string& name,
                    std::string& error, WriteError& why)
{
    for (int attempt = 0;; ++attempt) {
        name = ".vdr" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::openat(dirFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST || attempt == 99) {
            error = path + ": cannot create a temporary file in " + t.dir + ": " + Errno();
            why = ErrnoFailure();
            return -1;
        }
    }
}

// Fills the temporary file, makes it durable and renames it over the
// target. Returns what failed, or "" when the target is replaced; fd is
// closed either way.
std::string FillAndRename(int dirFd, int fd, const std::string& name, const WriteTarget& t,
                          const std::vector<std::uint8_t>& data)
{
    const std::string temp = (t.dir == "/" ? "" : t.dir) + "/" + name;
    std::string failed;
    if (t.exists && ::fchmod(fd, t.mode) != 0)
        failed = "cannot set the permissions of " + temp;
    else if (!WriteAll(fd, data.data(), data.size()))
        failed = "cannot write " + temp;
    else if (::fsync(fd) != 0)
        failed = "cannot flush " + temp + " to disk";
    const int saved = errno;
    const int closed = ::close(fd);
    if (!failed.empty()) {
        errno = saved;
        return failed;
    }
    if (closed != 0)
        return "cannot close " + temp;
    if (::renameat(dirFd, name.c_str(), dirFd, t.base.c_str()) != 0)
        return "cannot replace it with " + temp;
    return "";
}

}  // namespace

bool WriteFileSafely(const std::string& path, const std::vector<std::uint8_t>& data, std::string& error,
                     WriteError* failure)
{
    WriteError unused;
    WriteError& why = failure ? *failure : unused;
    why = WriteError();
    WriteTarget t;
    if (!FindTarget(path, t, error, why))
        return false;
    // The temporary file is made and renamed relative to the folder.
    const int dirFd = ::open(t.dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        why = ErrnoFailure();
        error = path + ": cannot create a temporary file in " + t.dir + ": " + Errno();
        return false;
    }
    std::string name;
    const int fd = CreateTemporary(path, t, dirFd, name, error, why);
    if (fd < 0) {
        ::close(dirFd);
        return false;
    }
    const std::string failed = FillAndRename(dirFd, fd, name, t, data);
    if (!failed.empty()) {
        why = ErrnoFailure();
        error = path + ": " + failed + ": " + Errno();
        ::unlinkat(dirFd, name.c_str(), 0);
        ::close(dirFd);
        return false;
    }
    // Make the new name itself durable. The file is complete and in place
    // already; if this fails a crash can at worst bring back the old file.
    const int syncFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (syncFd >= 0) {
        ::fsync(syncFd);
        ::close(syncFd);
    }
    ::close(dirFd);
    return true;
}
