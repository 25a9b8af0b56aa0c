#pragma once
// Shared by the fuzz targets: a scratch game folder to read files from, and a
// way to stop with a message when a property of the game does not hold.
#include <string>
#include <string_view>

namespace fuzz {

// Makes a fresh temporary folder with data/ inside (removed at exit). Call once.
void MakeScratchGameFolder();

// The game reads every file relative to its working directory: for the life
// of this object the working directory is the scratch folder (libFuzzer's own
// paths stay relative to where it was started).
class InScratchFolder {
public:
    InScratchFolder();
    ~InScratchFolder();
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

private:
    int previous_;
};

// Writes `bytes` as data/<name> in the scratch folder.
void WriteDataFile(const std::string& name, std::string_view bytes);

// Prints the message and aborts, so libFuzzer keeps the input as a crash.
[[noreturn]] void Fail(const std::string& message);

// True when the bytes are well-formed UTF-8 (what every text reaching the
// screens must be).
bool IsUtf8(std::string_view text);

} // namespace fuzz

#define FUZZ_CHECK(condition, message)                                                    \
    do {                                                                                  \
        if (!(condition))                                                                 \
            ::fuzz::Fail(std::string(#condition) + ": " + std::string(message));          \
    } while (0)
