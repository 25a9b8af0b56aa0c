#include "profile/player_record.h"

#include "platform/catalogue.h"
#include "platform/data_files.h"
#include "platform/services.h"
#include "platform/shift_jis.h"
#include "profile/slot_index.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

const std::string kCannotOpen = "ファイルを開けません\n";
const std::string kCannotOpenIndex = "ファイルを開けません r\n";

// Blanks and control characters (codes up to the blank) go from both ends.
// In Shift-JIS such a byte is never part of a double-byte character.
std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.remove_suffix(1);
    return text;
}

void StoreName(char (&field)[PlayerRecord::kNameField], std::string_view sjis)
{
    const std::string_view name = TrimBlanks(ShiftJisPrefix(TrimBlanks(sjis), PlayerRecord::kNameBytes));
    std::memcpy(field, name.data(), name.size());
    field[name.size()] = '\0';
}

std::string ReadName(const char (&field)[PlayerRecord::kNameField])
{
    // A damaged file may leave no NUL: never read past the field.
    const char* end = std::find(field, field + PlayerRecord::kNameField, '\0');
    return std::string(field, end);
}

} // namespace

void PlayerRecord::SetPlayerName(std::string_view sjis) { StoreName(PlayerName, sjis); }
std::string PlayerRecord::GetPlayerName() const { return ReadName(PlayerName); }
void PlayerRecord::SetChickName(std::string_view sjis) { StoreName(ChickName, sjis); }
std::string PlayerRecord::GetChickName() const { return ReadName(ChickName); }

void PlayerRecord::AddNutrition(std::int32_t amount)
{
    const std::int64_t sum = std::int64_t{Nutrition} + amount;
    Nutrition = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string PlayerRecord::Image() const
{
    return std::string(reinterpret_cast<const char*>(this), kImageSize);
}

void PlayerRecord::Fill(std::string_view bytes)
{
    std::memcpy(reinterpret_cast<char*>(this), bytes.data(), std::min(bytes.size(), kImageSize));
}

std::string UserFilePath(int number)
{
    return DataPath("/data/user0" + std::to_string(number) + ".usr");
}

void PlayerRecord::LoadRecord(int number)
{
    const std::string path = UserFilePath(number);
    const auto bytes = ReadStoredFile(path, kImageSize);
    if (!bytes) {
        Platform().ShowMessage(Tr(kCannotOpen) + path, Tr("ダメ"));
        return;
    }
    Fill(*bytes);
}

void PlayerRecord::SaveRecord()
{
    const std::string userPath = UserFilePath(SlotNumber);
    if (!WriteStoredFileAtomically(userPath, Image())) {
        Platform().ShowMessage(Tr(kCannotOpen) + userPath, Tr("エラー"));
        return;
    }
    const std::string indexPath = IndexFilePath();
    auto index = ReadSlotIndex();
    if (!index) {
        Platform().ShowMessage(Tr(kCannotOpenIndex) + indexPath, Tr("エラー"));
        return;
    }
    if (SlotNumber >= 1 && SlotNumber <= 3)
        index->SetName(SlotNumber, GetPlayerName());
    if (!WriteStoredFileAtomically(indexPath, index->Bytes()))
        Platform().ShowMessage(Tr(kCannotOpenIndex) + indexPath, Tr("エラー"));
}

TDUser::TDUser() { DUserCreate(); }

void TDUser::DUserCreate()
{
    std::memset(static_cast<void*>(&Record), 0, sizeof Record);
}
