#pragma once
// Helpers for the save-fault tests: running a piece of a test in a forked
// child (to give up root, to mount a file system privately, or to be killed),
// and looking at what a save left in the data folder.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace faults {


// Runs `body` in a forked child and returns what it reported: an empty text
// when every check in it held, else the failures, one a line. A child that
// dies or cannot report is a failure too.
inline std::string InChild(const std::function<std::string()>& body)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "cannot make a pipe\n";
    const pid_t child = ::fork();
    if (child < 0)
        return "cannot fork\n";
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string report;
        try {
            report = body();
        } catch (const std::exception& error) {
            report = std::string("exception in the child: ") + error.what() + "\n";
        }
        const char* at = report.data();
        std::size_t left = report.size();
        while (left > 0) {
            const ssize_t n = ::write(pipeEnds[1], at, left);
            if (n <= 0)
                break;
            at += n;
            left -= static_cast<std::size_t>(n);
        }
        ::close(pipeEnds[1]);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            report.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        report += "the child did not finish normally (status " + std::to_string(status) + ")\n";
    return report;
}

// Gives up root in the current (child) process, so that file permissions
// apply to it. False when that is not possible.
inline bool DropRoot()
{
    if (::geteuid() != 0)
        return true;
    return ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::geteuid() == 65534;
}

// Moves the current (child) process into a mount namespace of its own and
// mounts a tmpfs of `bytes` bytes over `folder`; the mount disappears with the
// process. Empty on success, else why it failed.
inline std::string MountSmallTmpfs(const std::filesystem::path& folder, std::size_t bytes)
{
    if (::unshare(CLONE_NEWNS) != 0)
        return std::string("unshare: ") + std::strerror(errno);
    // Keep the mount from spreading back into the test's own namespace.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("making / private: ") + std::strerror(errno);
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
        return std::string("mounting a tmpfs: ") + std::strerror(errno);
    return {};
}

// Whether this process may mount file systems (root with CAP_SYS_ADMIN in a
// namespace that lets it), with the reason when not.
inline bool CanMount(std::string& why)
{
    if (::geteuid() != 0) {
        why = "not running as root, so no small file system can be mounted to fill up";
        return false;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "zumoru-mount-probe-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        why = "cannot make a folder to mount on";
        return false;
    }
    const std::filesystem::path probe = pattern;
    std::error_code ignored;
    const std::string failure = InChild([&] { return MountSmallTmpfs(probe, 16 * 1024); });
    std::filesystem::remove(probe, ignored);
    if (!failure.empty()) {
        why = "cannot mount a tmpfs here (" + failure.substr(0, failure.find('\n')) + ")";
        return false;
    }
    return true;
}

// Fills the file system holding `folder` completely with a file named `name`,
// then gives back `spare` bytes of it. False if the disk never filled.
inline bool FillFileSystem(const std::filesystem::path& folder, const std::string& name, std::size_t spare)
{
    const std::filesystem::path filler = folder / name;
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const std::string block(4096, 'f');
    std::size_t written = 0;
    bool full = false;
    for (int round = 0; round < 1 << 20; ++round) {
        const ssize_t n = ::write(fd, block.data(), block.size());
        if (n < 0 && errno == ENOSPC) {
            full = true;
            break;
        }
        if (n < 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    const bool ok = full && ::ftruncate(fd, static_cast<off_t>(written >= spare ? written - spare : 0)) == 0;
    ::close(fd);
    return ok;
}

// The names of the files in `folder`, sorted.
inline std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// True for the name of a temporary file a save makes beside `target`
// ("user01.usr.Ab3dEf").
inline bool IsTemporaryOf(const std::string& name, const std::string& target)
{
    return name.size() == target.size() + 7 && name.compare(0, target.size(), target) == 0 &&
           name[target.size()] == '.';
}

} // namespace faults


// Inside a child body: collects a failure instead of stopping.
#define FAULT_CHECK(report, condition, what)                                   \
    do {                                                                       \
        if (!(condition))                                                      \
            (report) += std::string(what) + " [" #condition "]\n";             \
    } while (0)
