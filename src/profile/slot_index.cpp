#include "profile/slot_index.h"

#include "platform/data_files.h"

#include <algorithm>

namespace {

std::string EmptyColumn()
{
    std::string column(SlotIndex::kEmptySlot);
    column.resize(SlotIndex::kColumn, '\0');
    return column;
}

} // namespace

SlotIndex SlotIndex::FromBytes(std::string_view bytes)
{
    SlotIndex index;
    for (std::size_t slot = 0; slot < 3; ++slot) {
        const std::size_t start = slot * kColumn;
        if (start + kColumn <= bytes.size())
            index.columns[slot] = std::string(bytes.substr(start, kColumn));
        else
            index.columns[slot] = EmptyColumn();
    }
    return index;
}

std::string SlotIndex::Bytes() const
{
    return columns[0] + columns[1] + columns[2];
}

std::string SlotIndex::Name(int slot) const
{
    const std::string& column = columns.at(static_cast<std::size_t>(slot - 1));
    return column.substr(0, std::min(column.find('\0'), column.size()));
}

void SlotIndex::SetName(int slot, std::string_view sjisName)
{
    std::string& column = columns.at(static_cast<std::size_t>(slot - 1));
    const std::size_t length = std::min(sjisName.size(), kColumn - 1);
    column.replace(0, length, sjisName.substr(0, length));
    column[length] = '\0';
}

std::string IndexFilePath()
{
    return DataPath("/data/index.dat");
}

std::optional<SlotIndex> ReadSlotIndex()
{
    const auto bytes = ReadStoredFile(IndexFilePath(), SlotIndex::kSize);
    if (!bytes)
        return std::nullopt;
    return SlotIndex::FromBytes(*bytes);
}
