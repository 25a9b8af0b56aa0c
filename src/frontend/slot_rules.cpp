#include "frontend/slot_rules.h"

#include "platform/catalogue.h"
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
        return {Tr(SlotIndex::kEmptySlot), false};
    const std::string name = FromShiftJis(index.Name(slot));
    return {name.empty() ? Tr(kNamelessSlot) : name, true};
}

std::string EraseQuestion(int slot)
{
    switch (slot) {
    case 1: return Tr("保存場所１番のデータは消去されます。\nよろしいですか？");
    case 2: return Tr("保存場所２番のデータは消去されます。\nよろしいですか？");
    default: return Tr("保存場所３番のデータは消去されます。\nよろしいですか？");
    }
}

} // namespace frontend
