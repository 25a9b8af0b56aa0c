// Every screen's widgets where the game's design puts them: place, size, type,
// colours and caption of each widget, as the design gives them (what it leaves
// open is not checked), against the live screens.
#include "ui_support/screen_fixture.h"

#include "support/expected_tables.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <tuple>
#include <gtest/gtest.h>

namespace {

using expected::A;
using expected::kLayout;
using expected::LayoutRow;

const std::pair<const char*, QColor> kColourWords[] = {
    {"red", QColor(255, 0, 0)}, {"white", QColor(255, 255, 255)}, {"black", QColor(0, 0, 0)},
    {"blue", QColor(0, 0, 255)}, {"yellow", QColor(255, 255, 0)}, {"grey", QColor(128, 128, 128)},
};

QWidget* Window(const char* name)
{
    for (QWidget* window : {static_cast<QWidget*>(frmStart), static_cast<QWidget*>(frmOpening),
                            static_cast<QWidget*>(frmCharSelect), static_cast<QWidget*>(frmTurnSelect),
                            static_cast<QWidget*>(frmBattle)})
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

// What a widget shows as its caption, its text colour and its face.
QString CaptionOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* panel = qobject_cast<TPanel*>(widget))
        return panel->Caption();
    return {};
}
QColor TextColourOf(QWidget* widget)
{
    if (auto* panel = qobject_cast<TPanel*>(widget))
        return panel->CaptionColour();
    return widget->palette().color(qobject_cast<QPushButton*>(widget) ? QPalette::ButtonText : QPalette::WindowText);
}
std::string Name(const QColor& colour) { return colour.name().toStdString(); }
Qt::Alignment AlignmentOf(QWidget* widget)
{
    auto* label = qobject_cast<QLabel*>(widget);
    return label ? label->alignment() & Qt::AlignHorizontal_Mask : Qt::AlignHCenter;
}

class Layout : public ui_test::ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        StartProgram();
    }
};

} // namespace

TEST_F(Layout, EveryWidgetStandsWhereTheDesignPutsIt)
{
    for (const LayoutRow& row : kLayout) {
        QWidget* window = Window(row.window);
        ASSERT_NE(window, nullptr) << row.window;
        const QList<QWidget*> found = window->findChildren<QWidget*>(QString::fromLatin1(row.name));
        const std::string where = std::string(row.window) + "." + row.name;
        ASSERT_EQ(found.size(), 1) << where << ": one widget of that name";
        QWidget* widget = found.front();
        const QRect at = widget->geometry();
        for (const auto& [expected, actual, what] : {std::tuple{row.x, at.x(), "x"}, {row.y, at.y(), "y"},
                                                     {row.width, at.width(), "width"},
                                                     {row.height, at.height(), "height"}}) {
            if (expected != A) {
                EXPECT_EQ(actual, expected) << where << " " << what;
            }
        }
        if (row.caption) {
            EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(row.caption)) << where;
        }

        const QFont font = widget->font();
        for (const QString& word : QString::fromLatin1(row.look).split(' ', Qt::SkipEmptyParts)) {
            if (word.endsWith(QLatin1String("px")))
                EXPECT_EQ(font.pixelSize(), word.chopped(2).toInt()) << where;
            else if (word == QLatin1String("bold") || word == QLatin1String("regular"))
                EXPECT_EQ(font.bold(), word == QLatin1String("bold")) << where;
            else if (word == QLatin1String("italic"))
                EXPECT_TRUE(font.italic()) << where;
            else if (word == QLatin1String("centred") || word == QLatin1String("left"))
                EXPECT_EQ(AlignmentOf(widget), word == QLatin1String("left") ? Qt::AlignLeft : Qt::AlignHCenter)
                    << where;
            else if (word.startsWith(QLatin1String("face=")))
                EXPECT_EQ(Name(qobject_cast<TPanel*>(widget)->Colour()), Name(QColor(word.mid(5)))) << where;
            else {
                const auto colour = std::find_if(std::begin(kColourWords), std::end(kColourWords),
                                                 [&](const auto& pair) { return word == QLatin1String(pair.first); });
                ASSERT_NE(colour, std::end(kColourWords)) << "unknown word " << word.toStdString();
                EXPECT_EQ(Name(TextColourOf(widget)), Name(colour->second)) << where << " " << word.toStdString();
            }
        }
    }
}

TEST_F(Layout, WindowsFiguresAndEmptySlots)
{
    for (const auto& [name, width, height] : {std::tuple{"frmStart", 265, 185}, {"frmOpening", 271, 185},
                                              {"frmCharSelect", 510, 333}, {"frmTurnSelect", 271, 202},
                                              {"frmBattle", 604, 350}})
        EXPECT_EQ(Window(name)->size(), QSize(width, height)) << name;

    // The two figures to pick are drawn whole inside their narrower panels.
    for (const char* figure : {"Image5", "Image6"}) {
        auto* image = frmOpening->findChild<TImage*>(QString::fromLatin1(figure));
        const QImage picture = image->Picture().toImage();
        const qreal ratio = image->Picture().devicePixelRatio();
        QRect drawn;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qAlpha(picture.pixel(x, y)) > 25)
                    drawn |= QRect(static_cast<int>(x / ratio), static_cast<int>(y / ratio), 1, 1);
        ASSERT_FALSE(drawn.isEmpty()) << figure;
        const QRect inPanel = drawn.translated(image->pos());
        EXPECT_TRUE(image->parentWidget()->rect().adjusted(1, 1, -1, -1).contains(inPanel))
            << figure << " drawn at " << inPanel.x() << ".." << inPanel.right();
    }

    // The egg slot of the selection screen holds no picture.
    EXPECT_TRUE(frmCharSelect->findChild<TImage*>(QStringLiteral("imgEgg"))->Picture().isNull());
}
