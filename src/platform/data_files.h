#pragma once
#include <cstddef>
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

// The first `dataBytes` bytes of a stored file, its line ends undone (fewer
// when the file is shorter); nothing when it cannot be read (ReadRawFile).
// A data byte takes at most two stored bytes, so at most twice as many bytes
// are read from the file.
std::optional<std::string> ReadStoredFile(const std::string& path, std::size_t dataBytes);

// Replaces the file with `data` in stored form so that it holds either its old
// bytes or all of the new ones, whatever happens meanwhile: the bytes go to a
// temporary file in the same folder, every write and the close are checked and
// flushed to disk, then the temporary file is renamed over the old one.
// Returns false (and leaves the old file untouched) on any failure.
bool WriteStoredFileAtomically(const std::string& path, std::string_view data);

// The first `limit` bytes of a file, unchanged (fewer when it is shorter).
// Only a regular file is read: a folder, a FIFO, a device (a link to
// /dev/zero, say) or a socket in its place is a file that cannot be read, and
// gives nothing, as a missing file does. The file is opened without waiting,
// so a FIFO never holds the game up waiting for a writer.
std::optional<std::string> ReadRawFile(const std::string& path, std::size_t limit);
