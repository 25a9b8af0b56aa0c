#include "support/game_folder.h"

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <unistd.h>

#ifndef ZUMORU_SOURCE_DIR
#define ZUMORU_SOURCE_DIR "."
#endif

GameFolder::GameFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zumoru-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary game folder");
    root_ = pattern;
    std::filesystem::create_directory(Data());
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(root_);
}

GameFolder::~GameFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    // A test may have made the folder read-only; give the permissions back first.
    std::filesystem::permissions(Data(), std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(root_, ignored);
}

void GameFolder::Write(const std::string& name, std::string_view bytes) const
{
    std::ofstream out(Data() / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string GameFolder::Read(const std::string& name) const
{
    std::ifstream in(Data() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool GameFolder::Exists(const std::string& name) const
{
    return std::filesystem::exists(Data() / name);
}

void GameFolder::CopyDeliveredData() const
{
    std::filesystem::copy(DeliveredData(), Data(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

std::filesystem::path DeliveredData()
{
    return std::filesystem::path(ZUMORU_SOURCE_DIR) / "data";
}

bool DoneWithoutWaitingOn(const std::filesystem::path& fifo, const std::function<void()>& work,
                          std::chrono::milliseconds patience)
{
    using namespace std::chrono_literals;
    std::atomic<bool> done{false};
    const auto start = std::chrono::steady_clock::now();
    std::thread writer([&] {
        while (!done && std::chrono::steady_clock::now() - start < patience)
            std::this_thread::sleep_for(10ms);
        for (; !done; std::this_thread::sleep_for(10ms))
            if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0)
                ::close(fd);
    });
    work();
    done = true;
    writer.join();
    return std::chrono::steady_clock::now() - start < patience;
}
