#include "frontend/name_rules.h"

#include "platform/shift_jis.h"

#include <algorithm>

namespace frontend {

namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

} // namespace

NameInput CheckNameInput(std::string_view utf8)
{
    const auto sjis = ToShiftJis(utf8);
    if (!sjis)
        return NameInput::Unstorable;
    return sjis->size() > kNameByteLimit ? NameInput::TooLong : NameInput::Fits;
}

std::string NameBytes(std::string_view utf8)
{
    std::string sjis;
    if (const auto whole = ToShiftJis(utf8)) {
        sjis = *whole;
    } else {
        // Convert character by character and leave out what has no code.
        for (std::size_t at = 0; at < utf8.size();) {
            const std::size_t length = std::min(SequenceLength(static_cast<unsigned char>(utf8[at])),
                                                utf8.size() - at);
            if (const auto one = ToShiftJis(utf8.substr(at, length)))
                sjis += *one;
            at += length;
        }
    }
    return sjis;
}

bool IsBlankName(std::string_view utf8)
{
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) > 0x20)
            return false;
    return true;
}

} // namespace frontend
