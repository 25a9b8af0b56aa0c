#pragma once
#include <optional>
#include <string>
#include <string_view>

// Every text the game stores (names, speech files) is Shift-JIS (code page 932).
// Inside the program texts travel as UTF-8; these two functions are the edge.

// UTF-8 to Shift-JIS bytes; nothing when a character has no Shift-JIS form.
std::optional<std::string> ToShiftJis(std::string_view utf8);
// Shift-JIS bytes to UTF-8. Undecodable bytes become U+FFFD, never an error.
std::string FromShiftJis(std::string_view sjis);

// Shift-JIS bytes are counted for the name limits; a double-byte character is
// never split. Returns the longest prefix of `sjis` of at most `maxBytes` bytes.
std::string_view ShiftJisPrefix(std::string_view sjis, std::size_t maxBytes);
