#pragma once
#include <optional>
#include <string>
#include <string_view>

// The game keeps every file under "data/" in its working directory, read anew at
// each open (the game never changes its working directory).
std::string AppDir();
// AppDir followed by a tail such as "/data/user01.usr".
std::string DataPath(std::string_view tail);

// Stored files use text-mode line ends: each 0x0A byte of the data is written as
// 0x0D 0x0A, and a 0x0D 0x0A pair reads back as 0x0A. Every other byte, 0x0D and
// 0x1A included, is kept as it is.
std::string ToStoredForm(std::string_view data);
std::string FromStoredForm(std::string_view stored);

// Reads the whole file and undoes the line-end translation; nothing when the
// file cannot be opened.
std::optional<std::string> ReadStoredFile(const std::string& path);

// Replaces the file with `data` in stored form so that it holds either its old
// bytes or all of the new ones, whatever happens meanwhile: the bytes go to a
// temporary file in the same folder, every write and the close are checked and
// flushed to disk, then the temporary file is renamed over the old one.
// Returns false (and leaves the old file untouched) on any failure.
bool WriteStoredFileAtomically(const std::string& path, std::string_view data);

// Reads a text file's lines (LF or CR LF ends, bytes unchanged otherwise).
std::optional<std::string> ReadRawFile(const std::string& path);
