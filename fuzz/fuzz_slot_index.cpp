// The slot index file as the title screen and a save read it: any bytes in
// data/index.dat, then one save writing a name into one column. The first
// input byte picks the slot, the second the length of the name that follows;
// the rest is the file.
#include "frontend/slot_rules.h"
#include "fuzz_support.h"
#include "platform/data_files.h"
#include "profile/slot_index.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::MakeScratchGameFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int slot = data[0] % 3 + 1;
    const std::size_t nameLength = std::min<std::size_t>(data[1] % 16, size - 2);
    const std::string_view name(reinterpret_cast<const char*>(data) + 2, nameLength);
    const std::string_view stored(reinterpret_cast<const char*>(data) + 2 + nameLength, size - 2 - nameLength);

    fuzz::WriteDataFile("index.dat", stored);
    fuzz::InScratchFolder inside;
    const frontend::TitleSlots title = frontend::ReadTitleSlots();
    const auto read = ReadSlotIndex();
    FUZZ_CHECK(read.has_value(), "an existing index file can be read");
    const std::string plain = FromStoredForm(stored);
    FUZZ_CHECK(title.complete == (plain.size() >= SlotIndex::kSize), "complete exactly when all columns are there");
    FUZZ_CHECK(read->Bytes() == title.index.Bytes(), "both readers see the same columns");

    for (int s = 1; s <= 3; ++s) {
        const std::size_t start = static_cast<std::size_t>(s - 1) * SlotIndex::kColumn;
        const bool covered = plain.size() >= start + SlotIndex::kColumn;
        const std::string text = read->Name(s);
        FUZZ_CHECK(text.size() < SlotIndex::kColumn + 1 && text.find('\0') == std::string::npos, "column text");
        if (covered)
            FUZZ_CHECK(read->columns[s - 1] == plain.substr(start, SlotIndex::kColumn), "a covered column is the file's");
        else
            FUZZ_CHECK(read->IsEmpty(s), "a column the file does not cover is an empty slot");
        const frontend::SlotLabel label = frontend::LabelForSlot(*read, s);
        FUZZ_CHECK(fuzz::IsUtf8(label.caption) && !label.caption.empty(), "a slot button always reads something");
        FUZZ_CHECK(label.used == !read->IsEmpty(s), "used exactly when not 'no-file'");
    }

    // A save writes one column: the name and its NUL, the rest unchanged.
    SlotIndex saved = *read;
    saved.SetName(slot, name);
    const std::string bytes = saved.Bytes();
    FUZZ_CHECK(bytes.size() == SlotIndex::kSize, "the index file is always 33 bytes");
    const std::string old = read->Bytes();
    for (int s = 1; s <= 3; ++s) {
        const std::size_t start = static_cast<std::size_t>(s - 1) * SlotIndex::kColumn;
        if (s != slot) {
            FUZZ_CHECK(bytes.compare(start, SlotIndex::kColumn, old, start, SlotIndex::kColumn) == 0,
                       "other columns stay byte for byte");
            continue;
        }
        const std::size_t copied = std::min(name.size(), SlotIndex::kColumn - 1);
        FUZZ_CHECK(bytes.compare(start, copied, name.data(), copied) == 0, "the name is copied");
        FUZZ_CHECK(bytes[start + copied] == '\0', "the name ends with its NUL");
        FUZZ_CHECK(bytes.compare(start + copied + 1, SlotIndex::kColumn - copied - 1, old, start + copied + 1,
                                 SlotIndex::kColumn - copied - 1) == 0,
                   "bytes after the NUL keep what the file held");
    }
    FUZZ_CHECK(SlotIndex::FromBytes(FromStoredForm(ToStoredForm(bytes))).Bytes() == bytes,
               "the written index reads back as written");
    return 0;
}
