#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

// The slot index file: three 11-byte name columns, slot 1 first. A column whose
// text is "no-file" marks an empty slot.
struct SlotIndex {
    static constexpr std::size_t kColumn = 11;
    static constexpr std::size_t kSize = 3 * kColumn;
    static constexpr std::string_view kEmptySlot = "no-file";

    std::array<std::string, 3> columns;  // each exactly 11 bytes

    // Columns that the bytes do not cover read as "no-file".
    static SlotIndex FromBytes(std::string_view bytes);
    std::string Bytes() const;
    // The column text up to its NUL (never past the column), Shift-JIS.
    std::string Name(int slot) const;
    bool IsEmpty(int slot) const { return Name(slot) == kEmptySlot; }
    // Copies the name with its NUL into the slot's column; later bytes stay.
    void SetName(int slot, std::string_view sjisName);
};

// The slot index file, data/index.dat in the game folder.
std::string IndexFilePath();
// Reads the slot index file; nothing when it cannot be opened.
std::optional<SlotIndex> ReadSlotIndex();
