// Opponents' speech files missing or outside their layout: a missing file
// stops the pick with the game's message and nothing else; a file in any
// other shape still gives a whole match in which the bubble shows only lines
// of the file (never a marker), always closes, and never holds the game up.
#include "damage/ui/damage_fixture.h"

#include "match/speech.h"
#include "platform/shift_jis.h"

#include <algorithm>
#include <filesystem>
#include <random>

using damage_test::DamagedGame;
using namespace ui_test;

namespace {

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> FixedLines()
{
    std::vector<std::string> lines;
    for (int i = 0; i <= 17; ++i)
        lines.push_back("line" + std::to_string(i));
    return lines;
}

struct Variant {
    const char* what;
    std::string bytes;
};

std::vector<Variant> SpeechFilesOutsideTheLayout()
{
    std::vector<Variant> variants;
    variants.push_back({"an empty file", ""});
    variants.push_back({"three lines", *ToShiftJis("やあ\r\nかった\r\nまけた")});
    auto open = FixedLines();
    open.insert(open.end(), {"**", "first, never ended", "**", "second, never ended"});
    variants.push_back({"entries without *END and *MesEnd", Lines(open)});
    auto single = FixedLines();
    single.insert(single.end(), {"**", "the only one", "*END", "*MesEnd"});
    variants.push_back({"one random entry", Lines(single)});
    auto many = FixedLines();
    for (int i = 0; i < 150; ++i)
        many.insert(many.end(), {"**", "remark " + std::to_string(i), "*END"});
    many.push_back("*MesEnd");
    variants.push_back({"150 random entries", Lines(many)});
    auto markers = FixedLines();
    for (auto& line : markers)
        line = "**";
    markers.insert(markers.end(), {"*END", "*MesEnd", "**"});
    variants.push_back({"markers everywhere", Lines(markers)});
    std::mt19937 random(7);
    std::string noise(3000, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    variants.push_back({"noise", noise});
    // Filled in place: moving a 20000-byte string into the vector trips a
    // false array-bounds warning in GCC 12.
    variants.push_back({"one long line", {}});
    variants.back().bytes.assign(20000, 'a');
    return variants;
}

} // namespace

TEST_F(DamagedGame, AMissingSpeechFileStopsOnlyThatPick)
{
    std::filesystem::remove(folder.Data() / "ms00.dat");
    NewGame(1, QStringLiteral("Ken"), 0);
    EXPECT_FALSE(PickOpponent(0, 0));
    EXPECT_EQ(Messages(), "エラー: ファイルを開けません\n" + DataPath("/data/ms00.dat") + "\n");
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled()) << "the selection still takes a pick";
    EXPECT_FALSE(frmBattle->isVisible());

    platform.messages.clear();
    PlayAMatch(0, 1);
    QuitGame();
    EXPECT_EQ(Messages(), "");
    PlayerRecord saved;
    saved.Fill(FromStoredForm(folder.Read("user01.usr")));
    EXPECT_EQ(saved.GetPlayerName(), "Ken");
}

TEST_F(DamagedGame, SpeechFilesOutsideTheLayoutNeverHoldTheGameUp)
{
    // Every line the bubble shows, as it shows it.
    std::vector<std::string> shown;
    NewGame(3, QStringLiteral("Yumi"), 0);
    const auto watch = QObject::connect(Find<GameTimer>(frmBattle, "timMessage"), &QTimer::timeout, frmBattle, [&] {
        if (!Find<TLabel>(frmBattle, "lblMessage")->isHidden())
            shown.push_back(Find<TLabel>(frmBattle, "lblMessage")->text().toStdString());
    });

    for (const Variant& variant : SpeechFilesOutsideTheLayout()) {
        SCOPED_TRACE(variant.what);
        folder.Write("ms00.dat", variant.bytes);
        shown.clear();
        PlayAMatch(0, 0);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timMessage")->isActive(); })) << "the bubble never closed";
        EXPECT_TRUE(Find<TLabel>(frmBattle, "lblMessage")->isHidden());

        std::vector<std::string> lines;
        for (const std::string& line : SpeechScript::SplitLines(variant.bytes))
            lines.push_back(FromShiftJis(line));
        for (const std::string& text : shown) {
            EXPECT_FALSE(speech::IsMarker(text)) << "a marker was said";
            EXPECT_NE(std::find(lines.begin(), lines.end(), text), lines.end()) << "not a line of the file: " << text;
        }
    }
    QObject::disconnect(watch);
    QuitGame();
    EXPECT_EQ(Messages(), "");
    PlayerRecord saved;
    saved.Fill(FromStoredForm(folder.Read("user03.usr")));
    EXPECT_EQ(saved.GetPlayerName(), "Yumi");
}
