#include "io/PuzzleFile.h"

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string Str(int n) { return std::to_string(n); }

std::uint8_t Offset(int value) { return static_cast<std::uint8_t>(48 + value); }

int FromOffset(std::uint8_t byte) { return static_cast<int>(byte) - 48; }

// The logical length of a file up to its last undo entry.
int BodyBytes(int width, int height) { return kHeaderBytes + (width + 2) * (height + 2) + kUndoBytes; }

bool CheckHeader(const PuzzleRecord& r, std::string& error)
{
    if (r.mode < CreateMode || r.mode > SolveFinished) {
        error = "bad mode " + Str(r.mode) + " (must be 0..3)";
        return false;
    }
    if (r.width < kMinSize || r.width > kMaxSize || r.height < kMinSize || r.height > kMaxSize) {
        error = "bad size " + Str(r.width) + " x " + Str(r.height) + " (width and height must be 5..15)";
        return false;
    }
    // The count is the solver's, left from its latest run, which may have
    // been on a board of another size: any value 0..225 can be saved with
    // any board.
    if (r.emptyCount < 0 || r.emptyCount > kMaxSize * kMaxSize) {
        error = "bad empty-cell count " + Str(r.emptyCount) + " (must be 0..225)";
        return false;
    }
    if (r.undoCount < 0 || r.undoCount >= kUndoEntries) {
        error = "bad undo count " + Str(r.undoCount) + " (must be 0..199)";
        return false;
    }
    return true;
}

// The solver walks neighbours without bounds checks and relies on the ring,
// so a board without it is refused rather than repaired.
bool CheckCells(const PuzzleRecord& r, std::string& error)
{
    for (int x = 0; x <= r.width + 1; ++x) {
        for (int y = 0; y <= r.height + 1; ++y) {
            const int code = r.codes[x][y];
            const bool ring = x == 0 || y == 0 || x == r.width + 1 || y == r.height + 1;
            if (code > PlacedBlack) {
                error = "bad cell code " + Str(code) + " at column " + Str(x) + " row " + Str(y) +
                        " (must be 0..5)";
                return false;
            }
            if (ring && code != Wall) {
                error = "border cell at column " + Str(x) + " row " + Str(y) + " holds " + Str(code) +
                        ", not a wall (3)";
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

std::string TooShort(const Unfolded& u, const std::string& what, std::size_t neededDisk)
{
    if (u.stoppedAt26)
        return "too short: a byte 26 at offset " + std::to_string(u.diskBytes) + " ends the file; " + what +
               " needs at least " + std::to_string(neededDisk) + " bytes";
    if (u.diskBytes == 0)
        return "too short: the file is empty";
    return "too short: " + std::to_string(u.diskBytes) + " bytes; " + what + " needs at least " +
           std::to_string(neededDisk);
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

// Why a file of this kind cannot be read as a puzzle, or "" for a regular
// file. A FIFO without a writer would block the program for good, a device
// may never end.
std::string NotReadable(const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return "cannot read: " + std::string(std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode))
        return "cannot read: not a regular file";
    return "";
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

int OpenFileForReading(const std::string& path, std::string& error)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = path + ": cannot open: " + Errno();
        return -1;
    }
    std::string why = NotReadable(st);
    if (!why.empty()) {
        error = path + ": " + why;
        return -1;
    }
    // O_NONBLOCK keeps the open itself from waiting should the name have
    // been replaced by a FIFO meanwhile; what was opened is checked again.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = path + ": cannot open: " + Errno();
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !(why = NotReadable(st)).empty()) {
        error = path + ": " + (why.empty() ? "cannot read: " + Errno() : why);
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

bool EncodePuzzle(const PuzzleRecord& r, std::vector<std::uint8_t>& disk, std::string& error)
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
            error = "the value at byte " + std::to_string(i) +
                    " would be stored as 26, which marks the end of a file";
            return false;
        }
        if (bytes[i] == kNewline)
            out.push_back(kReturn);
        out.push_back(bytes[i]);
    }
    disk.swap(out);
    return true;
}

bool DecodePuzzle(const std::vector<std::uint8_t>& disk, PuzzleRecord& out, std::string& error)
{
    const Unfolded u = Unfold(disk);
    const std::vector<std::uint8_t>& b = u.bytes;
    if (b.size() < static_cast<std::size_t>(kHeaderBytes)) {
        error = TooShort(u, "the header", kHeaderBytes);
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
        error = TooShort(u, "a " + Str(r.width) + " x " + Str(r.height) + " puzzle", needed + folded);
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

bool ReadPuzzleFile(const std::string& path, PuzzleRecord& out, std::string& error)
{
    const int fd = OpenFileForReading(path, error);
    if (fd < 0)
        return false;
    std::vector<std::uint8_t> disk(kMaxReadBytes);
    std::size_t size = 0;
    while (size < disk.size()) {
        const ssize_t n = ::read(fd, disk.data() + size, disk.size() - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = path + ": cannot read: " + Errno();
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    disk.resize(size);

    std::string why;
    if (!DecodePuzzle(disk, out, why)) {
        error = path + ": " + why;
        return false;
    }
    return true;
}

bool WritePuzzleFile(const std::string& path, const PuzzleRecord& record, std::string& error,
                     WriteFailure* failure)
{
    std::vector<std::uint8_t> disk;
    std::string why;
    if (!EncodePuzzle(record, disk, why)) {
        error = path + ": cannot save this puzzle: " + why;
        if (failure)
            *failure = WriteFailure::Other;
        return false;
    }
    return WriteFileSafely(path, disk, error, failure);
}

bool LoadPuzzleFile(const std::string& path, std::string& error)
{
    PuzzleRecord record;
    if (!ReadPuzzleFile(path, record, error)) {
        GameState.status = StatusLoadFailed;
        return false;
    }
    ApplyPuzzle(record);
    return true;
}

bool SavePuzzleFile(const std::string& path, std::string& error, WriteFailure* failure)
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

bool WriteFileSafely(const std::string& path, const std::vector<std::uint8_t>& data, std::string& error,
                     WriteFailure* failure)
{
    WriteFailure unused;
    WriteFailure& why = failure ? *failure : unused;
    why = WriteFailure::None;
    // Replace what a symbolic link points to, or create it, and keep the
    // link itself.
    std::string target;
    bool exists = false;
    struct stat st {};
    if (!FollowLinks(path, target, exists, st, error)) {
        why = WriteFailureFromErrno(errno);
        return false;
    }
    mode_t keepMode = 0;
    if (exists) {
        // Renaming over a device such as /dev/null would replace the device.
        if (S_ISDIR(st.st_mode)) {
            error = path + ": cannot write: " + std::strerror(EISDIR);
            why = WriteFailure::NotRegularFile;
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error = path + ": cannot write: not a regular file";
            why = WriteFailure::NotRegularFile;
            return false;
        }
        keepMode = st.st_mode & 07777;
    }

    std::string dir, base;
    SplitPath(target, dir, base);
    if (base.empty() || base == "." || base == "..") {
        error = path + ": cannot write: not a file name";
        why = WriteFailure::Other;
        return false;
    }

    // The temporary file is made and renamed relative to the folder, under
    // a short name, so that its full name is never longer than the target's:
    // any path that can be written at all can be written this way.
    const int dirFd = ::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        why = WriteFailureFromErrno(errno);
        error = path + ": cannot create a temporary file in " + dir + ": " + Errno();
        return false;
    }
    // A hidden name; O_EXCL never reuses someone's file.
    std::string name;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        name = ".vdr" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::openat(dirFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == 99)) {
            error = path + ": cannot create a temporary file in " + dir + ": " + Errno();
            why = WriteFailureFromErrno(errno);
            ::close(dirFd);
            return false;
        }
    }
    const std::string temp = (dir == "/" ? "" : dir) + "/" + name;

    auto fail = [&](const std::string& what) {
        why = WriteFailureFromErrno(errno);
        error = path + ": " + what + ": " + Errno();
        if (fd >= 0)
            ::close(fd);
        ::unlinkat(dirFd, name.c_str(), 0);
        ::close(dirFd);
        return false;
    };
    if (exists && ::fchmod(fd, keepMode) != 0)
        return fail("cannot set the permissions of " + temp);
    if (!WriteAll(fd, data.data(), data.size()))
        return fail("cannot write " + temp);
    if (::fsync(fd) != 0)
        return fail("cannot flush " + temp + " to disk");
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail("cannot close " + temp);
    if (::renameat(dirFd, name.c_str(), dirFd, base.c_str()) != 0)
        return fail("cannot replace it with " + temp);

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
