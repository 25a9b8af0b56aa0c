#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <unistd.h>

namespace fuzz {

namespace {
std::filesystem::path scratch;

void RemoveScratch()
{
    std::error_code ignored;
    if (!scratch.empty())
        std::filesystem::remove_all(scratch, ignored);
}
} // namespace

void MakeScratchGameFolder()
{
    // A memory file system where there is one: millions of small writes.
    std::error_code error;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
    std::string pattern = (base / "zumoru-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        Fail("cannot make a scratch game folder");
    scratch = pattern;
    std::filesystem::create_directory(scratch / "data");
    std::atexit(RemoveScratch);
}

InScratchFolder::InScratchFolder() : previous_(::open(".", O_RDONLY | O_DIRECTORY))
{
    if (previous_ < 0 || ::chdir(scratch.c_str()) != 0)
        Fail("cannot enter the scratch game folder");
}

InScratchFolder::~InScratchFolder()
{
    if (::fchdir(previous_) != 0)
        Fail("cannot leave the scratch game folder");
    ::close(previous_);
}

void WriteDataFile(const std::string& name, std::string_view bytes)
{
    std::ofstream out(scratch / "data" / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        Fail("cannot write the scratch file " + name);
}

void Fail(const std::string& message)
{
    std::fprintf(stderr, "\n*** property broken: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

bool IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length;
        char32_t code;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace fuzz
