#include "io/InputFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ReadError Errno(ReadProblem problem)
{
    ReadError e(problem);
    e.value = errno;
    return e;
}

// Why a file of this kind is not read, or None for a regular file. A FIFO
// without a writer would block the program for good, a device may never end.
ReadError Refusal(const struct stat& st)
{
    if (S_ISREG(st.st_mode))
        return ReadError();
    if (!S_ISDIR(st.st_mode))
        return ReadError(ReadProblem::NotRegularFile);
    ReadError e(ReadProblem::CannotRead);
    e.value = EISDIR;
    return e;
}

}  // namespace

int OpenFileForReading(const std::string& path, ReadError& error)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = Errno(ReadProblem::CannotOpen);
        return -1;
    }
    if (Refusal(st).problem != ReadProblem::None) {
        error = Refusal(st);
        return -1;
    }
    // O_NONBLOCK keeps the open itself from waiting should the name have
    // been replaced by a FIFO meanwhile; what was opened is checked again.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = Errno(ReadProblem::CannotOpen);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || Refusal(st).problem != ReadProblem::None) {
        error = Refusal(st).problem != ReadProblem::None ? Refusal(st) : Errno(ReadProblem::CannotRead);
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

bool ReadUpTo(int fd, std::size_t limit, std::string& out, ReadError& error)
{
    std::string data;
    char chunk[4096];
    while (data.size() < limit) {
        const std::size_t want = limit - data.size() < sizeof chunk ? limit - data.size() : sizeof chunk;
        const ssize_t n = ::read(fd, chunk, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = Errno(ReadProblem::CannotRead);
            return false;
        }
        if (n == 0)
            break;
        data.append(chunk, static_cast<std::size_t>(n));
    }
    out.swap(data);
    return true;
}

bool ReadInputText(const std::string& path, std::string& text, ReadError& error)
{
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : OpenFileForReading(path, error);
    if (fd < 0)
        return false;
    std::string data;
    const bool read = ReadUpTo(fd, kMaxInputBytes + 1, data, error);
    if (!standardInput)
        ::close(fd);
    if (!read)
        return false;
    if (data.size() > kMaxInputBytes) {
        error = ReadError(ReadProblem::TooLarge);
        return false;
    }
    text.swap(data);
    return true;
}

bool ParseDecimal(const std::string& text, unsigned long long max, unsigned long long& out)
{
    if (text.empty())
        return false;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (value > (max - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    out = value;
    return true;
}
