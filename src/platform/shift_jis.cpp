#include "platform/shift_jis.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion with glibc's iconv. When `lenient`, an unconvertible or broken
// input sequence is replaced by `replacement` and skipped by `skip` bytes.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   bool lenient, std::string_view replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out;
    char buffer[256];
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    bool failed = false;
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (!lenient) {
            failed = true;
            break;
        }
        // EILSEQ or EINVAL (truncated sequence): replace one byte and go on.
        out.append(replacement);
        ++inPtr;
        --inLeft;
    }
    if (!failed) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
    }
    iconv_close(cd);
    if (failed)
        return std::nullopt;
    return out;
}

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

std::optional<std::string> ToShiftJis(std::string_view utf8)
{
    return Convert("CP932", "UTF-8", utf8, false, {});
}

std::string FromShiftJis(std::string_view sjis)
{
    return Convert("UTF-8", "CP932", sjis, true, "\xEF\xBF\xBD").value_or(std::string{});
}

std::string_view ShiftJisPrefix(std::string_view sjis, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < sjis.size()) {
        const std::size_t width = IsLeadByte(static_cast<unsigned char>(sjis[end])) ? 2 : 1;
        if (end + width > maxBytes || end + width > sjis.size())
            break;
        end += width;
    }
    return sjis.substr(0, end);
}
