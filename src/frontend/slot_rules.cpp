#include "frontend/slot_rules.h"

#include "frontend/opening_script.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

#include <exception>
#include <optional>

namespace frontend {

TitleSlots ReadTitleSlots()
{
    TitleSlots reading;
    std::optional<std::string> bytes;
    try {
        bytes = ReadStoredFile(IndexFilePath());
    } catch (const std::exception&) {
        // The standard library throws when a read fails half-way (the name
        // belongs to a folder, say): the file is as good as missing.
        bytes.reset();
    }
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

namespace {

bool StageBeaten(const PlayerRecord& record, int stage)
{
    for (int opponent = 0; opponent < 4; ++opponent)
        if (record.OpponentKnockDown(stage, opponent) != 1)
            return false;
    return true;
}

} // namespace

ContinuePlan PlanContinue(const PlayerRecord& record)
{
    ContinuePlan plan;
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            if (record.OpponentKnockDown(stage, opponent) == 1)
                plan.crosses.emplace_back(stage + 1, opponent + 1);
    plan.levelCaption = ContinueLevelCaption(record.GetLevel());
    plan.playerName = FromShiftJis(record.GetPlayerName());
    plan.score = std::to_string(record.GetNutrition());
    plan.playerPicture = record.GetPlayerCharacter() == 1 ? "imgHelo" : "imgHeroine";
    plan.openPlace2 = StageBeaten(record, 0);
    plan.openPlace3 = StageBeaten(record, 1);
    plan.cleared = record.GetCleared() == 1;
    plan.hatchingDue = record.GetCleared() == 0 && plan.crosses.size() == 12;
    if (plan.cleared) {
        plan.chickName = FromShiftJis(record.GetChickName());
        plan.nutritionCaption = NutritionCaption(record.GetNutrition());
        plan.eggStrength = EggStrength(record.GetNutrition());
        plan.strengthCaption = StrengthCaption(plan.eggStrength);
        plan.chickPicture = ChickPicture(plan.eggStrength);
    }
    plan.selectPlace = plan.cleared ? 4 : plan.openPlace3 ? 3 : plan.openPlace2 ? 2 : 0;
    return plan;
}

} // namespace frontend
