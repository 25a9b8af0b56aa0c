#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace frontend {

// The rules of the name boxes (the player's name and the chick's name). The
// game stores names as Shift-JIS bytes, at most 10 of them (five full-width
// characters), so the boxes count bytes, not characters, and refuse any
// character that Shift-JIS has no code for: it could not be saved.

inline constexpr std::size_t kNameByteLimit = 10;

enum class NameInput {
    Fits,        // storable and within the byte limit
    TooLong,     // storable but longer than 10 Shift-JIS bytes
    Unstorable,  // holds a character with no Shift-JIS code (emoji, most foreign scripts)
};

// Judges the text of a name box (UTF-8).
NameInput CheckNameInput(std::string_view utf8);

// The Shift-JIS bytes of a name for the record, which trims them and keeps at
// most 10: characters without a Shift-JIS code are left out. (The boxes never
// let such text in; this keeps text put there by other means from being stored
// as garbage.)
std::string NameBytes(std::string_view utf8);

// True when nothing is left once blanks and control characters (every code up
// to the blank) are removed from both ends. A full-width space is not a blank
// here, just as it is not removed when the name is stored.
bool IsBlankName(std::string_view utf8);

} // namespace frontend
