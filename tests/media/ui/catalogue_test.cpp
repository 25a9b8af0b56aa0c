#include "media/ui/art.h"
#include "media/ui/frm_data.h"
#include "platform/ui/widgets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

TEST(MediaCatalogue, EveryPictureIdentifierYieldsItsPictureAtItsSize)
{
    TfrmData catalogue;
    EXPECT_EQ(catalogue.windowTitle(), QStringLiteral("データ集"));
    QStringList faces;
    for (const char* stage : {"0", "1", "2"})
        for (const char* opponent : {"0", "1", "2", "3"})
            for (const char* kind : {"", "w", "l"})
                faces << QStringLiteral("imgChar%1%2%3").arg(stage, opponent, kind);
    faces << "imgHelo" << "imgHeloW" << "imgHeloL" << "imgHeroine" << "imgHeroineW" << "imgHeroineL";
    for (int strength = 1; strength <= 5; ++strength)
        faces << QStringLiteral("imgEgg%1").arg(strength);
    for (const QString& face : faces) {
        const QPixmap picture = catalogue.Picture(face);
        ASSERT_FALSE(picture.isNull()) << face.toStdString();
        const QSize expected = face == "imgChar23w" ? QSize(90, 89) : QSize(90, 90);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), expected) << face.toStdString();
        // A face is a picture, not an empty square: its middle is opaque.
        EXPECT_EQ(picture.toImage().pixelColor(45, 45).alpha(), 255) << face.toStdString();
    }
    EXPECT_EQ(catalogue.Picture("imgBack").deviceIndependentSize().toSize(), QSize(100, 100));
    EXPECT_TRUE(catalogue.Picture("noSuchPicture").isNull());
    EXPECT_NE(catalogue.Picture("imgChar00").toImage(), catalogue.Picture("imgChar00w").toImage());
    EXPECT_EQ(catalogue.ActiveColour(), QColor(Qt::red));
    EXPECT_EQ(catalogue.InactiveColour(), QColor(192, 192, 192));
    EXPECT_EQ(catalogue.findChild<TShape*>(QStringLiteral("shpColorSample1"))->Brush(), QColor(Qt::red));
}

TEST(MediaCatalogue, PicturesWithoutABackdropAreTransparentAroundTheFigure)
{
    const QImage disc = RenderArt("BitBtn1", 1.0, false).toImage();
    EXPECT_EQ(disc.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(disc.pixelColor(20, 20).alpha(), 255);
    const QImage chick = RenderArt("imgEgg3", 1.0, true).toImage();
    EXPECT_EQ(chick.pixelColor(1, 1).alpha(), 0) << "the chick's backdrop is left out";
}

TEST(MediaCatalogue, TheBuildsDrawingsAreTheSvgArtPixelForPixel)
{
    const QStringList files = QDir(QStringLiteral(":/art")).entryList({QStringLiteral("*.svg")});
    ASSERT_GT(files.size(), 60);
    for (const QString& file : files) {
        const QString identifier = file.chopped(4);
        const QString svg = QStringLiteral(":/art/") + file;
        for (const int ratio : {1, 2}) {
            SCOPED_TRACE(identifier.toStdString() + " at " + std::to_string(ratio));
            // Drawn by the build for every picture and both densities, and
            // not stale: what the SVG draws today.
            ASSERT_TRUE(QFile::exists(PrerenderedArtPath(identifier, ratio)));
            const QImage shipped = RenderArt(identifier, ratio, false).toImage();
            EXPECT_EQ(shipped.devicePixelRatio(), ratio);
            EXPECT_EQ(shipped.convertToFormat(QImage::Format_ARGB32_Premultiplied), DrawSvgArt(svg, ratio, false));
        }
    }
    // Any other density is drawn from the SVG.
    const QPixmap between = RenderArt(QStringLiteral("imgBack"), 1.5, false);
    EXPECT_EQ(between.size(), QSize(150, 150));
    EXPECT_EQ(between.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), DrawSvgArt(QStringLiteral(":/art/imgBack.svg"), 1.5, false));
}
