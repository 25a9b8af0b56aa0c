#include "frontend/name_rules.h"

#include "platform/shift_jis.h"

namespace frontend {

namespace {

// Length of the UTF-8 character that starts at `at`; a stray or broken byte
// counts as a character of its own.
std::size_t CharacterLength(std::string_view utf8, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(utf8[at]);
    std::size_t expected = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        expected = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        expected = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        expected = 4;
    std::size_t length = 1;
    while (length < expected && at + length < utf8.size() &&
           (static_cast<unsigned char>(utf8[at + length]) & 0xC0) == 0x80)
        ++length;
    return length;
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
            const std::size_t length = CharacterLength(utf8, at);
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
