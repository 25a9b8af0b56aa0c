#include "frontend/slot_rules.h"

#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

#include <optional>

namespace frontend {

TitleSlots ReadTitleSlots()
{
    TitleSlots reading;
    const std::optional<std::string> bytes = ReadStoredFile(IndexFilePath(), SlotIndex::kSize);
    reading.index = SlotIndex::FromBytes(bytes ? std::string_view(*bytes) : std::string_view());
    reading.complete = bytes && bytes->size() >= SlotIndex::kSize;
    return reading;
}

SlotLabel LabelForSlot(const SlotIndex& index, int slot)
{
    if (index.IsEmpty(slot))
        return {std::string(SlotIndex::kEmptySlot), false};
    const std::string name = FromShiftJis(index.Name(slot));
    return {name.empty() ? kNamelessSlot : name, true};
}

std::string EraseQuestion(int slot)
{
    const char* number = slot == 1 ? "１" : slot == 2 ? "２" : "３";
    return std::string("保存場所") + number + "番のデータは消去されます。\nよろしいですか？";
}

} // namespace frontend
