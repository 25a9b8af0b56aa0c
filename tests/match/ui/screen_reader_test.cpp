// What a screen reader meets, through Qt's accessibility: the title's start
// button named and no hidden template, the selection's portraits with their
// strength and "倒した", hidden places not offered, the board as a table of 64
// named cells with the cursor's cell focused, and the moves, the pass and the
// result announced as they happen.
#include "match/ui/match_fixture.h"

#include "campaign/session.h"
#include "support/match_positions.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace match_test;

namespace {

// Every accessibility event, as (name of the object or cell, event type).
std::vector<std::pair<QString, QAccessible::Event>> heard;

// Each notification shown, with the object a reader on the bus would ask for
// its text afterwards: a reader speaks a notification as it becomes shown.
std::vector<std::pair<QAccessibleInterface*, QString>> told;

void Hear(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface)
        return;
    heard.emplace_back(iface->text(QAccessible::Name), event->type());
    if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification)
        told.emplace_back(iface, iface->text(QAccessible::Name));
}

// Everything offered under an object, depth first, as "role name" lines.
void Offered(QAccessibleInterface* iface, QStringList& lines)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child)
            continue;
        lines << QStringLiteral("%1 %2").arg(child->role()).arg(child->text(QAccessible::Name));
        if (child->role() != QAccessible::Table)
            Offered(child, lines);
    }
}

QStringList OfferedIn(QWidget* window)
{
    QStringList lines;
    Offered(QAccessible::queryAccessibleInterface(window), lines);
    return lines;
}

QString Line(QAccessible::Role role, const char* name) { return QStringLiteral("%1 %2").arg(role).arg(Utf(name)); }

// The moves, passes and results announced through the windows'
// notifications, in order, in either language.
QStringList Announced()
{
    QStringList said;
    for (const auto& [notification, name] : told)
        for (const char* mark : {"返しました", "パス", "枚、白", "turned", "must pass", " Black "})
            if (name.contains(Utf(mark))) {
                said << name;
                break;
            }
    return said;
}

class ScreenReader : public MatchScreen {
protected:
    void SetUp() override
    {
        heard.clear();
        told.clear();
        // As a screen reader on the bus would turn it on.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        MatchScreen::SetUp();
        // Every event is heard here, before the game sorts what it sends on.
        gameHandler_ = QAccessible::installUpdateHandler(Hear);
    }
    void TearDown() override
    {
        QAccessible::installUpdateHandler(gameHandler_);
        MatchScreen::TearDown();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

private:
    QAccessible::UpdateHandler gameHandler_ = nullptr;
};

} // namespace

TEST_F(ScreenReader, TheTitleAndTheSelectionOfferWhatIsSeenByName)
{
    frmStart->show();
    ASSERT_TRUE(RunUntil([] { return Find(frmStart, "bitStart")->isVisibleTo(frmStart); }));
    const QStringList title = OfferedIn(frmStart);
    EXPECT_TRUE(title.contains(Line(QAccessible::Button, "スタート"))) << title.join('|').toStdString();
    EXPECT_FALSE(title.join('|').contains(QStringLiteral("btnF")));
    EXPECT_FALSE(title.join('|').contains(Utf("はじめから"))) << "the menu page is still hidden";
    for (const QString& line : title)
        EXPECT_FALSE(line.startsWith(QStringLiteral("%1 ").arg(QAccessible::Graphic)) && line.endsWith(' '))
            << "a nameless picture";

    frmCharSelect->show();
    Campaign().NewGame(1);
    DUser->Record.SetOpponentKnockDown(0, 2, 1);
    frmCharSelect->DrawCross(0, 2);
    const QStringList selection = OfferedIn(frmCharSelect);
    EXPECT_TRUE(selection.contains(Line(QAccessible::Button, "迷いの森")));
    EXPECT_FALSE(selection.contains(Line(QAccessible::Button, "魔の山"))) << "a place not yet open";
    EXPECT_TRUE(selection.contains(Line(QAccessible::Button, "ズモル蝸牛 強さ 星1つ")));
    EXPECT_TRUE(selection.contains(Line(QAccessible::Button, "ズモル羊 強さ 星2つ、倒した")));
    EXPECT_FALSE(selection.join('|').contains(Utf("ズモル三兄弟"))) << "the mountain's portraits are hidden";
    EXPECT_TRUE(selection.contains(Line(QAccessible::Graphic, "あなた")));
    EXPECT_TRUE(selection.contains(Line(QAccessible::Button, "ゲームを終わる")));
}

using ScreenReaderIn = InEachLanguage<ScreenReader>;

TEST_P(ScreenReaderIn, TheBoardIsATableOfNamedCellsAndTheMatchIsAnnounced)
{
    StartMatch(false);
    QCoreApplication::processEvents();
    // The window opens with no notification shown empty.
    for (const auto& [notification, text] : told)
        EXPECT_FALSE(text.isEmpty()) << "a notification shown with nothing to say";
    QWidget* board = Find(frmBattle, "imgBoard");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), Said("盤面", "Board"));
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 8);
    EXPECT_EQ(table->tableInterface()->columnCount(), 8);
    ASSERT_EQ(table->childCount(), 64);
    QStringList cells;
    for (int i = 0; i < 64; ++i)
        cells << table->child(i)->text(QAccessible::Name);
    EXPECT_EQ(cells.at(0), Said("a1 空き", "a1 empty"));
    EXPECT_EQ(cells.at(3 * 8 + 3), Said("d4 白", "d4 white"));
    EXPECT_EQ(cells.at(3 * 8 + 4), Said("e4 黒", "e4 black"));
    EXPECT_EQ(cells.at(4 * 8 + 3), Said("d5 黒", "d5 black"));
    EXPECT_EQ(cells.at(63), Said("h8 空き", "h8 empty"));
    EXPECT_EQ(table->tableInterface()->cellAt(2, 3)->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(table->indexOfChild(table->child(27)), 27);
    const QStringList offered = OfferedIn(frmBattle);
    EXPECT_TRUE(offered.contains(Line(QAccessible::Graphic, InEnglish() ? "Wilhelmina (first, black)" : "たろう（先手、黒）")));
    EXPECT_TRUE(offered.contains(Line(QAccessible::Graphic, InEnglish() ? "Zumoru Onion (second, white)" : "ズモル玉ねぎ（後手、白）")))
        << offered.join('|').toStdString();

    // The cursor's cell has the focus; typed "d3" and played, the move and
    // the computer's answer are announced and the cells renamed.
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClicks(board, QStringLiteral("d3"));
    QAccessibleInterface* focused = table->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), Said("d3 空き", "d3 empty"));
    EXPECT_TRUE(focused->state().focused);
    heard.clear();
    told.clear();
    QTest::keyClick(board, Qt::Key_Return);
    ASSERT_TRUE(RunUntil([] { return frmBattle->isEnabled(); }));
    EXPECT_EQ(table->child(2 * 8 + 3)->text(QAccessible::Name), Said("d3 黒", "d3 black"));
    const QStringList moves = Announced();
    ASSERT_EQ(moves.size(), 2) << moves.join('|').toStdString();
    EXPECT_EQ(moves.at(0), Said("あなた d3、1 枚返しました", "You played d3 and turned 1 disc."));
    EXPECT_TRUE(moves.at(1).startsWith(Said("ズモル玉ねぎ ", "Zumoru Onion played "))) << moves.at(1).toStdString();
    const auto renamed = std::count_if(heard.begin(), heard.end(), [this](const auto& event) {
        return event.second == QAccessible::NameChanged && event.first == Said("d3 黒", "d3 black");
    });
    EXPECT_GE(renamed, 1);
    // A reader on the bus asks for an announcement's text only after the
    // game has gone on: the player's move still reads as told once the
    // computer's answer has been told too.
    ASSERT_GE(told.size(), 2u);
    for (const auto& [notification, text] : told)
        EXPECT_EQ(notification->text(QAccessible::Name).toStdString(), text.toStdString());

    // The computer cannot answer: its pass is announced; then the last move
    // and the result with the count.
    SetPosition(match_positions::kWhiteCannotAnswer);
    told.clear();
    PressSquare(3, 1);
    EXPECT_TRUE(Announced().contains(Said("ズモル玉ねぎはパスです", "Zumoru Onion must pass.")))
        << Announced().join('|').toStdString();
    SetPosition(match_positions::kLastMoveFillsTheBoard);
    told.clear();
    PressSquare(8, 8);
    ASSERT_TRUE(RunUntil([this] { return ResultShown(); }));
    EXPECT_EQ(Announced().last(),
              Said("たろうさんの勝ちです！ 黒 36 枚、白 28 枚、Score +8", "Wilhelmina wins! Black 36, white 28. Score +8"));
    // "対局終了" is a button for the reader, whatever its blinking shows.
    QAccessibleInterface* finish = QAccessible::queryAccessibleInterface(Find(frmBattle, "lblFinish"));
    EXPECT_EQ(finish->role(), QAccessible::Button);
    EXPECT_EQ(finish->text(QAccessible::Name), Said("対局終了", "Game over"));
    EXPECT_TRUE(finish->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

IN_EACH_LANGUAGE(ScreenReaderIn);
