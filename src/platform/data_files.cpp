#include "platform/data_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

std::string AppDir()
{
    std::error_code error;
    const auto dir = std::filesystem::current_path(error);
    return error ? std::string{"."} : dir.string();
}

std::string DataPath(std::string_view tail)
{
    return AppDir() + std::string{tail};
}

std::string ToStoredForm(std::string_view data)
{
    std::string stored;
    stored.reserve(data.size() + 8);
    for (char c : data) {
        if (c == '\n')
            stored.push_back('\r');
        stored.push_back(c);
    }
    return stored;
}

std::string FromStoredForm(std::string_view stored)
{
    std::string data;
    data.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n')
            continue;  // the pair becomes the single 0x0A that follows
        data.push_back(stored[i]);
    }
    return data;
}

std::optional<std::string> ReadRawFile(const std::string& path, std::size_t limit)
{
    // Plain POSIX reads: whatever is in the way is simply a file that cannot
    // be read, never an exception, a wait or a read without end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    while (bytes.size() < limit) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

std::optional<std::string> ReadStoredFile(const std::string& path, std::size_t dataBytes)
{
    // Cutting the stored bytes after twice the data cannot change the data's
    // own bytes: a pair split by the cut lies wholly beyond them.
    const auto raw = ReadRawFile(path, 2 * dataBytes);
    if (!raw)
        return std::nullopt;
    std::string data = FromStoredForm(*raw);
    if (data.size() > dataBytes)
        data.resize(dataBytes);
    return data;
}

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolderOf(const std::filesystem::path& file)
{
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path{"."};
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteStoredFileAtomically(const std::string& path, std::string_view data)
{
    const std::filesystem::path target{path};
    // A file the player may not write (made read-only, say) is not replaced.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return false;
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    // Keep the permissions an ordinary file of ours would have.
    ::fchmod(fd, 0644);
    const std::string stored = ToStoredForm(data);
    bool ok = WriteAll(fd, stored);
    ok = (::fsync(fd) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = (::rename(temp.c_str(), path.c_str()) == 0);
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolderOf(target);
    return true;
}
