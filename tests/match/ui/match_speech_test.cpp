#include "match/ui/match_fixture.h"

#include <filesystem>

using namespace match_test;

using MatchSpeech = MatchScreen;

TEST_F(MatchSpeech, MessageFilesAreReadAsShiftJisAndAnUnreadableOneChangesNothing)
{
    const auto lines = frmBattle->Flow().OpponentMessage.Lines();
    EXPECT_FALSE(SpeechScript::ReadFile(DataPath("/data/missing.dat")));
    EXPECT_FALSE(PrepareOpponent("/data/missing.dat"));
    EXPECT_EQ(frmBattle->Flow().OpponentMessage.Lines(), lines);

    folder.Write("msjp.dat", *ToShiftJis("こんにちは\r\n勝った！\r\n"));
    ASSERT_TRUE(PrepareOpponent("/data/msjp.dat"));
    EXPECT_EQ(frmBattle->Flow().OpponentMessage.Lines(), (std::vector<std::string>{"こんにちは", "勝った！"}));
    SpeakAndWait("GREETING");
    EXPECT_EQ(spoken, std::vector<std::string>{"こんにちは"});
    // A file this short has nothing for a pass; the bubble stays closed.
    SpeakAndWait("GIVE_PASS");
    EXPECT_EQ(spoken.size(), 1u);
    EXPECT_TRUE(Find<TShape>(frmBattle, "shpMessage")->isHidden());

    // In English the same pick reads the file of the same name in data/en/,
    // and the Japanese one when there is none there.
    SpeakIn(Language::English);
    folder.Write("en/msjp.dat", "Hello\r\nI won!\r\n");
    ASSERT_TRUE(PrepareOpponent("/data/msjp.dat"));
    EXPECT_EQ(frmBattle->Flow().OpponentMessage.Lines(), (std::vector<std::string>{"Hello", "I won!"}));
    std::filesystem::remove(folder.Data() / "en" / "msjp.dat");
    ASSERT_TRUE(PrepareOpponent("/data/msjp.dat"));
    EXPECT_EQ(frmBattle->Flow().OpponentMessage.Lines(), (std::vector<std::string>{"こんにちは", "勝った！"}));
}

// Every English remark, at the bubble's size in its bold type.
TEST_F(MatchSpeech, EveryEnglishRemarkFitsTheBubble)
{
    SpeakIn(Language::English);
    auto* bubble = Find<TLabel>(frmBattle, "lblMessage");
    int remarks = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DeliveredData() / "en")) {
        const auto bytes = ReadRawFile(entry.path().string(), speech::kMaxFileBytes);
        ASSERT_TRUE(bytes) << entry.path();
        for (const std::string& line : SpeechScript::SplitLines(*bytes))
            if (!speech::IsMarker(line)) {
                SCOPED_TRACE(entry.path().filename().string());
                ExpectFits(bubble, QString::fromStdString(line));
                ++remarks;
            }
    }
    EXPECT_GT(remarks, 12 * 25) << "the twelve English files";
}

TEST_F(MatchSpeech, BubbleShowsBesideTheOpponentAndCloses)
{
    StartMatch(false);
    LetSpeechEnd();
    // What the bubble looks like after each tick of its timer.
    struct Look {
        bool label;
        bool shape;
        QString text;
        int interval;
        bool active;
    };
    std::vector<Look> looks;
    QObject::connect(Find<GameTimer>(frmBattle, "timMessage"), &QTimer::timeout, frmBattle, [&] {
        looks.push_back({!Find<TLabel>(frmBattle, "lblMessage")->isHidden(), !Find<TShape>(frmBattle, "shpMessage")->isHidden(),
                         Find<TLabel>(frmBattle, "lblMessage")->text(), Find<GameTimer>(frmBattle, "timMessage")->Interval(),
                         Find<GameTimer>(frmBattle, "timMessage")->isActive()});
    });
    frmBattle->Flow().Speak("GET_PASS");
    EXPECT_TRUE(Find<GameTimer>(frmBattle, "timMessage")->isActive());
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblMessage")->isHidden());
    LetSpeechEnd();
    ASSERT_EQ(looks.size(), 2u);
    EXPECT_TRUE(looks[0].label && looks[0].shape);
    EXPECT_EQ(looks[0].text, QStringLiteral("L8"));
    EXPECT_EQ(looks[0].interval, 2000);
    EXPECT_TRUE(looks[0].active);
    EXPECT_FALSE(looks[1].label || looks[1].shape);
    EXPECT_EQ(looks[1].interval, 100);
    EXPECT_FALSE(looks[1].active);
    // The text sits inside the bubble, beside the opponent on the right.
    EXPECT_TRUE(Find<TShape>(frmBattle, "shpMessage")->geometry().contains(Find<TLabel>(frmBattle, "lblMessage")->geometry()));
    EXPECT_TRUE(Find<TShape>(frmBattle, "shpMessage")->geometry().intersects(QRect(466, 0, 138, 88)));
}

TEST_F(MatchSpeech, RandomRemarksRunLineByLineAndNeverRepeat)
{
    // The generator is seeded from the clock at every remark, so keep asking
    // for a while until the two-line entry has come up.
    bool sawTwoLines = false;
    int previous = frmBattle->Flow().Memory.LastRandomEntry;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 30 || (!sawTwoLines && clock.elapsed() < 3000); ++i) {
        spoken.clear();
        SpeakAndWait("RANDOM");
        const int entry = frmBattle->Flow().Memory.LastRandomEntry;
        ASSERT_NE(entry, previous);
        previous = entry;
        const std::vector<std::vector<std::string>> expected{{"R1"}, {"R2a", "R2b"}, {"R3"}};
        ASSERT_EQ(spoken, expected.at(static_cast<std::size_t>(entry)));
        sawTwoLines = sawTwoLines || entry == 1;
    }
    EXPECT_TRUE(sawTwoLines);
}

TEST_F(MatchSpeech, OddRandomListsNeitherHangNorReadPastTheFile)
{
    folder.Write("msone.dat", TestMessageFile().substr(0, TestMessageFile().find("**")) + "**\r\nonly\r\n*END\r\n*MesEnd\r\n");
    ASSERT_TRUE(PrepareOpponent("/data/msone.dat"));
    frmBattle->Flow().Memory.LastRandomEntry = 0;
    SpeakAndWait("RANDOM");
    SpeakAndWait("RANDOM");
    EXPECT_EQ(spoken, (std::vector<std::string>{"only", "only"}));

    spoken.clear();
    folder.Write("msnone.dat", TestMessageFile().substr(0, TestMessageFile().find("**")) + "*MesEnd\r\n");
    ASSERT_TRUE(PrepareOpponent("/data/msnone.dat"));
    frmBattle->Flow().Speak("RANDOM");
    EXPECT_FALSE(Find<GameTimer>(frmBattle, "timMessage")->isActive());

    // No end markers at all: the remark ends with the file.
    folder.Write("msopen.dat", TestMessageFile().substr(0, TestMessageFile().find("**")) + "**\r\nx1\r\nx2");
    ASSERT_TRUE(PrepareOpponent("/data/msopen.dat"));
    SpeakAndWait("RANDOM");
    EXPECT_EQ(spoken, (std::vector<std::string>{"x1", "x2"}));
}

TEST_F(MatchSpeech, CornersTakenEarlyAreCommentedFirstAndAgain)
{
    StartMatch(false);
    SetPosition({".OX.....",
                 "........",
                 "........",
                 "...OX...",
                 "...XO...",
                 ".....X..",
                 "......O.",
                 "........"});
    LetSpeechEnd();
    spoken.clear();
    PressSquare(1, 1);
    EXPECT_TRUE(frmBattle->Flow().PlayerTookCorner);
    ASSERT_FALSE(spoken.empty());
    EXPECT_EQ(spoken[0], "L12");
    LetSpeechEnd();
    ASSERT_TRUE(DBoard->Board.CanPlace(8, 8, Black));
    spoken.clear();
    PressSquare(8, 8);
    ASSERT_FALSE(spoken.empty());
    EXPECT_EQ(spoken[0], "L13");
}

TEST_F(MatchSpeech, ComputerCornerIsCommented)
{
    StartMatch(false);
    // White's only answer to Black's one move is the corner (8,8).
    SetPosition({"XO......",
                 "........",
                 "........",
                 "........",
                 "........",
                 "........",
                 "........",
                 ".....OX."});
    LetSpeechEnd();
    spoken.clear();
    PressSquare(3, 1);
    EXPECT_TRUE(frmBattle->Flow().ComputerTookCorner);
    LetSpeechEnd();
    // The corner remark, then the last word on the 3 : 3 draw.
    EXPECT_EQ(spoken, (std::vector<std::string>{"L14", "L3"}));
}
