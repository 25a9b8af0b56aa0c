#include "match/ui/match_fixture.h"
#include "support/match_positions.h"

using namespace match_test;

namespace {

const QColor kRed(255, 0, 0);
const QColor kSilver(192, 192, 192);

QColor LeftPlate() { return Find<TShape>(frmBattle, "Shape6")->Brush(); }
QColor RightPlate() { return Find<TShape>(frmBattle, "Shape7")->Brush(); }

} // namespace

TEST_P(MatchScreenIn, SetUpPutsThePlayerLeftWhenMovingFirstAndStartsTheBoard)
{
    DBoard->Board.Cells[CellIndex(1, 1)] = White;  // the last match's leftovers
    frmBattle->StartMatch(Sides(false));
    EXPECT_TRUE(frmBattle->isVisible());
    EXPECT_FALSE(frmBattle->isEnabled());
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 64);
    EXPECT_TRUE(IsMirroredFace(Find<TImage>(frmBattle, "imgChar1")->Picture(), frmData->Picture("imgHelo")));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmBattle, "imgChar2")->Picture(), frmData->Picture("imgChar01")));
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblChar1")->text(), Utf(PlayerName()));
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblChar2")->text(), Said("ズモル玉ねぎ", "Zumoru Onion"));
    LooksEnglish();
    EXPECT_EQ(Find<TShape>(frmBattle, "shpMessage")->pos(), QPoint(472, 16));
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblMessage")->pos(), QPoint(480, 24));
    EXPECT_EQ(LeftPlate(), kRed);
    EXPECT_EQ(RightPlate(), kSilver);
    EXPECT_EQ(Find<GameTimer>(frmBattle, "timStart")->Interval(), 170);
    EXPECT_EQ(Find<GameTimer>(frmBattle, "timPieceCount")->Interval(), 120);
    EXPECT_EQ(Find<GameTimer>(frmBattle, "timGameEnd")->Interval(), 500);
    EXPECT_EQ(Find<GameTimer>(frmBattle, "timMessage")->Interval(), 100);

    // Pressing before the fourth disc is down does nothing.
    QTest::mousePress(Find<TImage>(frmBattle, "imgBoard"), Qt::LeftButton, Qt::NoModifier, SquareCentre(4, 3));
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 64);

    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timStart")->isActive(); }));
    EXPECT_TRUE(frmBattle->isEnabled());
    EXPECT_EQ(DBoard->Board.At(4, 4), White);
    EXPECT_EQ(DBoard->Board.At(5, 5), White);
    EXPECT_EQ(DBoard->Board.At(4, 5), Black);
    EXPECT_EQ(DBoard->Board.At(5, 4), Black);
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 60);
    EXPECT_EQ(PlayedFiles(PlayerPutSound), std::vector<std::string>(4, "sdp00.dat"));
    EXPECT_EQ(frmBattle->Flow().StartStep, 0);
    LetSpeechEnd();
    EXPECT_EQ(spoken, std::vector<std::string>{"L0"});
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblMessage")->isHidden());
}

TEST_F(MatchScreen, ClicksOffTheGridOrOnIllegalSquaresAreIgnored)
{
    StartMatch(false);
    ForgetSounds();
    const auto before = DBoard->Board.Cells;
    // The margin, the last grid line and the pixel after it, an occupied and
    // an illegal square.
    for (const QPoint at : {QPoint(5, 100), QPoint(100, 3), QPoint(310, 120), QPoint(120, 311), QPoint(312, 312),
                            SquareCentre(4, 4), SquareCentre(1, 1), SquareCentre(3, 3)}) {
        QTest::mousePress(Find<TImage>(frmBattle, "imgBoard"), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(DBoard->Board.Cells, before) << at.x() << "," << at.y();
    }
    EXPECT_TRUE(frmBattle->isEnabled());
    for (const auto& player : sounds.players)
        EXPECT_TRUE(player.played.empty());
    // The first pixel of a square counts: (3,4) at its top-left corner.
    PressBoard(QPoint(6 + 2 * 38, 6 + 3 * 38));
    EXPECT_EQ(DBoard->Board.At(3, 4), Black);
}

TEST_P(MatchScreenIn, AWonMatchFeedsTheEggAndMarksTheOpponentBeatenTogether)
{
    StartMatch(false);
    PlayToTheEnd(StrongMove);
    EXPECT_EQ(pausesWhileEnabled, 0);

    // The count layout holds the final result.
    const int black = DBoard->Board.CountDiscs(Black);
    const int white = DBoard->Board.CountDiscs(White);
    ASSERT_GT(black, white) << "the careful player should beat the one-ply computer";
    const int margin = white == 0 ? 64 : black - white;
    EXPECT_EQ(frmBattle->Flow().MatchResult, -1);
    EXPECT_TRUE(frmBattle->Flow().PlayerWon);
    EXPECT_EQ(DUser->Record.GetNutrition(), margin);
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblWinner")->text(), Said("たろうさんの\n勝ちです！", "Wilhelmina\nwins!"));
    EXPECT_FALSE(Find<TLabel>(frmBattle, "lblWinner")->isHidden());
    LooksEnglish();
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblScore")->text(), QStringLiteral("Score +%1").arg(margin));
    EXPECT_FALSE(Find<TLabel>(frmBattle, "lblScore")->isHidden());
    EXPECT_TRUE(IsMirroredFace(Find<TImage>(frmBattle, "imgChar1")->Picture(), frmData->Picture("imgHeloW")));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmBattle, "imgChar2")->Picture(), frmData->Picture("imgChar01l")));
    EXPECT_EQ(Plays(MultiSound, "sdm02.dat"), 1);
    EXPECT_EQ(Plays(MultiSound, "sdm03.dat"), 0);
    // One count sound per step of the longer block; the computer's own discs
    // sound with its set (8).
    EXPECT_EQ(Plays(ComPutSound, "sdc01.dat"), std::max(black, white));
    EXPECT_GT(Plays(ComPutSound, "sdc05.dat"), 0);
    EXPECT_GT(Plays(ComTurnSound, "sdc14.dat"), 0);
    EXPECT_GT(Plays(PlayerTurnSound, "sdp02.dat"), 0);
    LetSpeechEnd();
    ASSERT_FALSE(spoken.empty());
    EXPECT_EQ(spoken.back(), "L4");
    // Fed and marked beaten at the same moment: a save on the result holds
    // the whole win.
    EXPECT_EQ(DUser->Record.OpponentKnockDown(0, 1), 1);

    // "対局終了" blinks with its hint.
    QStringList captions;
    ASSERT_TRUE(RunUntil([&] {
        const QString caption = Find<TLabel>(frmBattle, "lblFinish")->text();
        if (captions.empty() || captions.back() != caption)
            captions.push_back(caption);
        return captions.size() >= 4;
    }));
    EXPECT_TRUE(captions.contains(QString()));
    EXPECT_TRUE(captions.contains(Said("対局終了\nクリック!", "Game over\nClick!")));
    ASSERT_TRUE(RunUntil([] { return !Find<TLabel>(frmBattle, "lblFinish")->text().isEmpty(); }));
    LooksEnglish();

    ForgetSounds();
    QTest::mousePress(Find<TLabel>(frmBattle, "lblFinish"), Qt::RightButton);
    EXPECT_TRUE(frmBattle->isHidden());
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblScore")->isHidden());
    EXPECT_TRUE(Find<TPanel>(frmBattle, "pnlFinish")->isHidden());
    EXPECT_FALSE(Find<GameTimer>(frmBattle, "timGameEnd")->isActive());
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 64);
    EXPECT_EQ(DUser->Record.OpponentKnockDown(0, 1), 1);
    EXPECT_EQ(PlayedFiles(MultiSound).front(), "sdm01.dat");
    // The selection screen crosses the opponent out.
    EXPECT_TRUE(Find<GameTimer>(frmCharSelect, "timDes")->isActive());
    EXPECT_FALSE(frmCharSelect->isEnabled());
}

TEST_P(MatchScreenIn, ALostMatchMovingSecondShowsTheOpponentsTriumph)
{
    DUser->Record.SetPlayerCharacter(0);
    DBrains->SetStrength(StrengthParams{5, 7, 12, false});
    frmBattle->StartMatch(Sides(true));
    EXPECT_TRUE(IsMirroredFace(Find<TImage>(frmBattle, "imgChar1")->Picture(), frmData->Picture("imgChar01")));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmBattle, "imgChar2")->Picture(), frmData->Picture("imgHeroine")));
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblChar1")->text(), Said("ズモル玉ねぎ", "Zumoru Onion"));
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblChar2")->text(), Utf(PlayerName()));
    LooksEnglish();
    EXPECT_EQ(Find<TShape>(frmBattle, "shpMessage")->pos(), QPoint(8, 232));
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblMessage")->pos(), QPoint(16, 240));
    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timStart")->isActive() && frmBattle->isEnabled(); }));
    // The computer, Black, has made the first move; White is to move.
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 59);
    EXPECT_EQ(DBoard->Board.CountDiscs(Black), 4);
    EXPECT_EQ(LeftPlate(), kSilver);
    EXPECT_EQ(RightPlate(), kRed);

    PlayToTheEnd(FirstMove);
    EXPECT_EQ(pausesWhileEnabled, 0);
    const int black = DBoard->Board.CountDiscs(Black);
    const int white = DBoard->Board.CountDiscs(White);
    ASSERT_GT(black, white) << "the careless player should lose to the deep computer";
    EXPECT_EQ(frmBattle->Flow().MatchResult, -1);
    EXPECT_FALSE(frmBattle->Flow().PlayerWon);
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblWinner")->text(), Said("たろうさんの\n負けです！", "Wilhelmina\nloses!"));
    LooksEnglish();
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblScore")->isHidden());
    EXPECT_TRUE(SamePicture(Find<TImage>(frmBattle, "imgChar2")->Picture(), frmData->Picture("imgHeroineL")));
    EXPECT_TRUE(IsMirroredFace(Find<TImage>(frmBattle, "imgChar1")->Picture(), frmData->Picture("imgChar01w")));
    EXPECT_EQ(Plays(MultiSound, "sdm03.dat"), 1);
    EXPECT_EQ(Plays(MultiSound, "sdm02.dat"), 0);
    // The girl's discs.
    EXPECT_GT(Plays(PlayerPutSound, "sdp01.dat"), 0);
    EXPECT_GT(Plays(PlayerTurnSound, "sdp03.dat"), 0);
    EXPECT_EQ(Plays(PlayerTurnSound, "sdp02.dat"), 0);
    LetSpeechEnd();
    EXPECT_EQ(spoken.back(), "L1");
    EXPECT_EQ(DUser->Record.GetNutrition(), 0);

    QTest::mousePress(Find<TLabel>(frmBattle, "lblFinish"), Qt::LeftButton);
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(DUser->Record.OpponentKnockDown(0, 1), 0);
    EXPECT_FALSE(Find<GameTimer>(frmCharSelect, "timDes")->isActive());
}

TEST_P(MatchScreenIn, ADrawAddsNothingAndKeepsTheFaces)
{
    StartMatch(false);
    const QPixmap leftFace = Find<TImage>(frmBattle, "imgChar1")->Picture();
    // Black's last move on (8,8) turns one disc and fills the board 32 : 32.
    SetPosition({"XXXXOOOO",
                 "XXXXOOOO",
                 "XXXXOOOO",
                 "XXXXOOOO",
                 "XXXXOOOO",
                 "XXXXOOOO",
                 "XXXOOOXX",
                 "OOOOOXO."});
    ASSERT_EQ(DBoard->Board.CountDiscs(Black), 30);
    ASSERT_TRUE(DBoard->Board.CanPlace(8, 8, Black));
    LetSpeechEnd();
    spoken.clear();
    PressSquare(8, 8);
    ASSERT_TRUE(ResultShown());
    EXPECT_EQ(frmBattle->Flow().MatchResult, 0);
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblWinner")->text(), Said("引き分け", "Draw"));
    LooksEnglish();
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblScore")->isHidden());
    EXPECT_EQ(DUser->Record.GetNutrition(), 0);
    EXPECT_TRUE(SamePicture(Find<TImage>(frmBattle, "imgChar1")->Picture(), leftFace));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmBattle, "imgChar2")->Picture(), frmData->Picture("imgChar01")));
    EXPECT_EQ(Plays(MultiSound, "sdm04.dat"), 1);
    // A corner so late says nothing; the draw line does.
    LetSpeechEnd();
    EXPECT_EQ(spoken, std::vector<std::string>{"L3"});
    // The count: four rows of Black over four rows of White.
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column)
            EXPECT_EQ(DBoard->Board.At(column, row), row <= 4 ? Black : White) << column << "," << row;
    EXPECT_EQ(Plays(ComPutSound, "sdc01.dat"), 32);

    QTest::mousePress(Find<TLabel>(frmBattle, "lblFinish"), Qt::LeftButton);
    EXPECT_EQ(DUser->Record.OpponentKnockDown(0, 1), 0);
}

TEST_P(MatchScreenIn, PassesOfBothSides)
{
    StartMatch(false);
    LetSpeechEnd();
    spoken.clear();
    SetPosition(match_positions::kWhiteCannotAnswer);
    ASSERT_EQ(DBoard->Board.CountMoves(White), 0);
    ForgetSounds();
    PressSquare(3, 1);
    EXPECT_EQ(DBoard->Board.At(2, 1), Black);
    EXPECT_EQ(notices, std::vector<std::string>{Said("パスです!", "Pass!").toStdString()});
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblWinner")->isHidden());
    EXPECT_EQ(Plays(MultiSound, "sdm05.dat"), 1);
    EXPECT_EQ(LeftPlate(), kRed);
    LetSpeechEnd();
    PressSquare(3, 8);
    LetSpeechEnd();
    EXPECT_EQ(spoken, (std::vector<std::string>{"L8", "L9"}));
    EXPECT_EQ(Plays(MultiSound, "sdm05.dat"), 2);

    // Now Black's one move leaves the computer moving again and again.
    spoken.clear();
    notices.clear();
    SetPosition(match_positions::kBlackPassesUntilTheEnd);
    ASSERT_EQ(DBoard->Board.CountMoves(Black), 1);
    PressSquare(1, 3);
    ASSERT_TRUE(ResultShown());
    EXPECT_EQ(pausesWhileEnabled, 0);
    ASSERT_GE(notices.size(), 2u);
    for (const std::string& notice : notices)
        EXPECT_EQ(notice, Said("パスです!", "Pass!").toStdString());
    ASSERT_GE(spoken.size(), 3u);
    EXPECT_EQ(spoken[0], "L10");
    for (std::size_t i = 1; i + 1 < spoken.size(); ++i)
        EXPECT_EQ(spoken[i], "L11");
    LetSpeechEnd();
    EXPECT_EQ(spoken.back(), "L1");
    EXPECT_FALSE(frmBattle->Flow().PlayerWon);
}

TEST_P(MatchScreenIn, GivingUpAsksAndLeavesTheRecordAlone)
{
    StartMatch(false);
    PressSquare(4, 3);
    const PlayerRecord before = DUser->Record;
    const auto board = DBoard->Board.Cells;

    platform.answers = {false};
    QTest::mouseClick(Find<TButton>(frmBattle, "btmGiveUp"), Qt::LeftButton);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(Utf(platform.questions[0].text.c_str()), Said("投了してよろしいですか？", "Resign this match?"));
    EXPECT_EQ(Utf(platform.questions[0].title.c_str()), Said("投了", "Resign"));
    EXPECT_TRUE(frmBattle->isVisible());
    EXPECT_EQ(DBoard->Board.Cells, board);

    ForgetSounds();
    platform.answers = {true};
    QTest::mouseClick(Find<TButton>(frmBattle, "btmGiveUp"), Qt::LeftButton);
    EXPECT_TRUE(frmBattle->isHidden());
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 64);
    EXPECT_EQ(DUser->Record.Image(), before.Image());
    for (const auto& player : sounds.players)
        EXPECT_TRUE(player.played.empty());
}

TEST_F(MatchScreen, SecondMatchStartsAtTheSlowerPace)
{
    StartMatch(false);
    EXPECT_EQ(Find<GameTimer>(frmBattle, "timStart")->Interval(), 400);
    platform.answers = {true};
    QTest::mouseClick(Find<TButton>(frmBattle, "btmGiveUp"), Qt::LeftButton);
    ASSERT_TRUE(frmBattle->isHidden());

    // Every step of the second start sequence ticks at 400 ms.
    std::vector<int> intervals;
    const auto watch = QObject::connect(Find<GameTimer>(frmBattle, "timStart"), &QTimer::timeout, frmBattle,
                                        [&] { intervals.push_back(Find<GameTimer>(frmBattle, "timStart")->Interval()); });
    StartMatch(false);
    QObject::disconnect(watch);
    EXPECT_EQ(intervals, std::vector<int>(8, 400));
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 60);
    // And the match goes on as the first did.
    PressSquare(3, 4);
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 58);
}

TEST_F(MatchScreen, WipeOutScoresSixtyFourAndAWinAgainScoresZero)
{
    const std::array<std::string_view, 8> wipeOut{"XO......", "........", "........", "........",
                                                  "........", "........", "........", "........"};
    StartMatch(false);
    SetPosition(wipeOut);
    PressSquare(3, 1);
    ASSERT_TRUE(ResultShown());
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblScore")->text(), QStringLiteral("Score +64"));
    EXPECT_EQ(DUser->Record.GetNutrition(), 64);
    // Three Black discs counted out from the top-left corner.
    EXPECT_EQ(DBoard->Board.CountDiscs(Black), 3);
    EXPECT_EQ(DBoard->Board.At(3, 1), Black);
    EXPECT_EQ(DBoard->Board.CountDiscs(White), 0);
    QTest::mousePress(Find<TLabel>(frmBattle, "lblFinish"), Qt::LeftButton);
    EXPECT_EQ(DUser->Record.OpponentKnockDown(0, 1), 1);
    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmCharSelect, "timDes")->isActive(); }));

    // The same opponent beaten again in the same run feeds nothing, and the
    // score line says so rather than repeating the first win's amount.
    StartMatch(false);
    SetPosition(wipeOut);
    PressSquare(3, 1);
    ASSERT_TRUE(ResultShown());
    EXPECT_TRUE(frmBattle->Flow().PlayerWon);
    EXPECT_FALSE(Find<TLabel>(frmBattle, "lblScore")->isHidden());
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblScore")->text(), QStringLiteral("Score +0"));
    EXPECT_EQ(DUser->Record.GetNutrition(), 64);
    QTest::mousePress(Find<TLabel>(frmBattle, "lblFinish"), Qt::LeftButton);
    EXPECT_FALSE(Find<GameTimer>(frmCharSelect, "timDes")->isActive());
    EXPECT_TRUE(frmCharSelect->isEnabled());
}

TEST_F(MatchScreen, ColosseumIsSilentAndScoresNothing)
{
    ASSERT_TRUE(PrepareOpponent("/data/mstest.dat", campaign::kColosseum));
    const std::string keyBefore = frmBattle->Flow().Memory.LastMessageKey;
    StartMatch(false);
    SetPosition({"XO......", "........", "........", "........", "........", "........", "........", "........"});
    PressSquare(3, 1);
    ASSERT_TRUE(ResultShown());
    EXPECT_TRUE(frmBattle->Flow().PlayerWon);
    EXPECT_TRUE(Find<TLabel>(frmBattle, "lblScore")->isHidden());
    EXPECT_EQ(DUser->Record.GetNutrition(), 0);
    EXPECT_TRUE(spoken.empty());
    EXPECT_FALSE(Find<GameTimer>(frmBattle, "timMessage")->isActive());
    EXPECT_EQ(frmBattle->Flow().Memory.LastMessageKey, keyBefore);
    QTest::mousePress(Find<TLabel>(frmBattle, "lblFinish"), Qt::LeftButton);
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            EXPECT_EQ(DUser->Record.OpponentKnockDown(stage, opponent), 0);
}

TEST_F(MatchScreen, AnEarlyMoveKeepsTheScreenShutUntilTheComputerHasAnswered)
{
    // Right after the fourth disc (step 40 of the start sequence) the window
    // system delivers a press: first the player's move, in the next match a
    // press on "投了", while the rest of the start sequence still runs.
    std::function<void()> atTheFourthDisc;
    QObject::connect(Find<GameTimer>(frmBattle, "timStart"), &QTimer::timeout, frmBattle, [&] {
        if (frmBattle->Flow().StartStep == 50 && atTheFourthDisc)
            QMetaObject::invokeMethod(frmBattle, std::exchange(atTheFourthDisc, nullptr), Qt::QueuedConnection);
    });
    const auto setUp = [this] {
        frmBattle->StartMatch(Sides(false));
    };

    // While the computer answers, the player goes on pressing every square
    // it could take and "投了": none of it is taken.
    platform.answers = {true, true, true};
    int pressesDuringTheAnswer = 0;
    platform.onPause = [fixtureHook = platform.onPause, &pressesDuringTheAnswer](int ms) {
        fixtureHook(ms);
        if (DBoard->Board.CountDiscs(White) == 1)
            return;  // still the player's own move
        for (int column = 1; column <= 8; ++column)
            for (int row = 1; row <= 8; ++row)
                if (DBoard->Board.CanPlace(column, row, Black)) {
                    QTest::mousePress(Find<TImage>(frmBattle, "imgBoard"), Qt::LeftButton, Qt::NoModifier, SquareCentre(column, row));
                    ++pressesDuringTheAnswer;
                }
        QTest::mouseClick(Find<TButton>(frmBattle, "btmGiveUp"), Qt::LeftButton);
    };
    atTheFourthDisc = [] { QTest::mousePress(Find<TImage>(frmBattle, "imgBoard"), Qt::LeftButton, Qt::NoModifier, SquareCentre(3, 4)); };
    setUp();
    ASSERT_TRUE(RunUntil([] { return DBoard->Board.CountDiscs(Empty) == 58 && frmBattle->isEnabled(); }));
    EXPECT_GT(pressesDuringTheAnswer, 0);
    EXPECT_EQ(pausesWhileEnabled, 0);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(DBoard->Board.At(3, 4), Black);
    EXPECT_EQ(DBoard->Board.CountDiscs(White) + DBoard->Board.CountDiscs(Black), 6) << "one move each";
    EXPECT_FALSE(Find<GameTimer>(frmBattle, "timStart")->isActive());
    EXPECT_EQ(frmBattle->Flow().StartStep, 0);
    EXPECT_EQ(LeftPlate(), kRed) << "the indicator is back on the player";

    // Giving up between the fourth disc and the greeting ends that start
    // sequence too: the next match starts from its first step.
    platform.onPause = nullptr;
    platform.answers = {true, true};
    QTest::mouseClick(Find<TButton>(frmBattle, "btmGiveUp"), Qt::LeftButton);
    ASSERT_TRUE(frmBattle->isHidden());
    atTheFourthDisc = [] { QTest::mouseClick(Find<TButton>(frmBattle, "btmGiveUp"), Qt::LeftButton); };
    setUp();
    ASSERT_TRUE(RunUntil([] { return frmBattle->isHidden(); }));
    EXPECT_FALSE(Find<GameTimer>(frmBattle, "timStart")->isActive());
    EXPECT_EQ(frmBattle->Flow().StartStep, 0);
    StartMatch(false);
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 60);
}

IN_EACH_LANGUAGE(MatchScreenIn);
