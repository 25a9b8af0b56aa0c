#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// All of a player's progress: one 56-byte record whose memory image is the user
// file, byte for byte (little-endian 32-bit integers, Shift-JIS names with a NUL).
class PlayerRecord {
public:
    static constexpr std::size_t kImageSize = 56;
    static constexpr std::size_t kNameField = 11;
    static constexpr std::size_t kNameBytes = 10;

    char PlayerName[kNameField];
    char ChickName[kNameField];
    std::uint8_t PlayerCharacter;  // 1 the boy, anything else the girl
    std::uint8_t Reserved23;
    std::int32_t Nutrition;
    std::int32_t SlotNumber;
    std::uint8_t KnockDown[12];    // stage * 4 + opponent; 1 = beaten
    std::uint8_t Reserved44[4];
    std::uint8_t Cleared;
    std::uint8_t Reserved49[3];
    std::int32_t Level;            // 0 やさしい, 1 普通, 2 難しい

    // Names are Shift-JIS bytes. Setting trims blanks and control characters
    // from both ends and keeps at most 10 bytes; the bytes after the NUL keep
    // whatever the field held.
    void SetPlayerName(std::string_view sjis);
    std::string GetPlayerName() const;
    void SetChickName(std::string_view sjis);
    std::string GetChickName() const;

    void SetPlayerCharacter(std::uint8_t figure) { PlayerCharacter = figure; }
    std::uint8_t GetPlayerCharacter() const { return PlayerCharacter; }
    void SetOpponentKnockDown(int stage, int opponent, std::uint8_t beaten) { KnockDown[stage * 4 + opponent] = beaten; }
    std::uint8_t OpponentKnockDown(int stage, int opponent) const { return KnockDown[stage * 4 + opponent]; }
    void SetCleared(std::uint8_t cleared) { Cleared = cleared; }
    std::uint8_t GetCleared() const { return Cleared; }
    void SetSlotNumber(std::int32_t slot) { SlotNumber = slot; }
    // A foreign or damaged file can hold any total: the sum stops at the
    // largest (or smallest) value the field holds instead of wrapping round.
    void AddNutrition(std::int32_t amount);
    std::int32_t GetNutrition() const { return Nutrition; }
    void SetLevel(std::int32_t level) { Level = level; }
    std::int32_t GetLevel() const { return Level; }

    // Writes the user file of slot SlotNumber and the slot's name into the slot
    // index file. Failures are shown to the player; an old save is never lost.
    void SaveRecord();
    // Reads user file `number` (0 the new-game template, 1..3 the slots).
    void LoadRecord(int number);

    std::string Image() const;
    // Fills the record from the front of `bytes`; the rest keeps its contents.
    void Fill(std::string_view bytes);
};

static_assert(sizeof(PlayerRecord) == PlayerRecord::kImageSize);
static_assert(offsetof(PlayerRecord, ChickName) == 11);
static_assert(offsetof(PlayerRecord, PlayerCharacter) == 22);
static_assert(offsetof(PlayerRecord, Nutrition) == 24);
static_assert(offsetof(PlayerRecord, SlotNumber) == 28);
static_assert(offsetof(PlayerRecord, KnockDown) == 32);
static_assert(offsetof(PlayerRecord, Cleared) == 48);
static_assert(offsetof(PlayerRecord, Level) == 52);

// The user file of number 0 (the new-game template) or 1..3 (the slots).
std::string UserFilePath(int number);

// The module that owns the one record of the run. It starts all zero, which is
// also what a new game gets when its template cannot be read.
class TDUser {
public:
    TDUser();
    void DUserCreate();
    PlayerRecord Record;
};
