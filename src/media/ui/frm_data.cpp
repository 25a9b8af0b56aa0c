#include "media/ui/frm_data.h"

#include "platform/ui/sdl_wave_player.h"
#include "platform/ui/widgets.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {
TfrmData* catalogue = nullptr;
}

TfrmData& Media() { return *catalogue; }

static void InitialiseArt()
{
    // Loading the compiled-in art once; the title screen may draw before the
    // catalogue exists.
#ifdef ZUMORU_HAS_ART
    static const bool loaded = [] {
        Q_INIT_RESOURCE(art);
        return true;
    }();
    (void)loaded;
#endif
}

QPixmap RenderArt(const QString& identifier, qreal devicePixelRatio, bool figureOnly)
{
    InitialiseArt();
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(identifier));
    if (!renderer.isValid())
        return {};
    const QSize size = renderer.defaultSize();
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString figure = QStringLiteral("figure");
    if (figureOnly && renderer.elementExists(figure)) {
        const QRectF box = renderer.viewBoxF();
        painter.scale(size.width() / box.width(), size.height() / box.height());
        renderer.render(&painter, figure, renderer.boundsOnElement(figure));
    } else {
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return picture;
}

QPixmap RenderArt(const QString& identifier, bool figureOnly)
{
    return RenderArt(identifier, qApp ? qApp->devicePixelRatio() : 1.0, figureOnly);
}

TfrmData::TfrmData(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("データ集"));
    InitialiseArt();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QStringList files = QDir(QStringLiteral(":/art")).entryList({QStringLiteral("*.svg")});
    for (const QString& file : files) {
        const QString identifier = file.chopped(4);
        const QPixmap picture = RenderArt(identifier, ratio, false);
        auto* image = new TImage(this, identifier.toLatin1().constData(),
                                 QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
        image->SetPicture(picture);
        image->hide();
    }
    shpColorSample1 = new TShape(this, "shpColorSample1", QRect(0, 0, 16, 16), TShape::Kind::Rectangle, Qt::red);
    shpColorSample2 = new TShape(this, "shpColorSample2", QRect(0, 0, 16, 16), TShape::Kind::Rectangle,
                                 QColor(192, 192, 192));
    shpColorSample1->hide();
    shpColorSample2->hide();

    SdlWavePlayer::OpenDevice();
    std::array<WavePlayer*, 5> players{};
    for (int i = 0; i < 5; ++i) {
        ownPlayers_[i] = std::make_unique<SdlWavePlayer>(i);
        players[i] = ownPlayers_[i].get();
    }
    sounds_ = std::make_unique<SoundBank>(players);
    catalogue = this;
}

TfrmData::~TfrmData()
{
    if (catalogue == this)
        catalogue = nullptr;
    sounds_.reset();
    for (auto& player : ownPlayers_)
        player.reset();
    SdlWavePlayer::CloseDevice();
}

QColor TfrmData::ActiveColour() const { return shpColorSample1->Brush(); }
QColor TfrmData::InactiveColour() const { return shpColorSample2->Brush(); }

TImage* TfrmData::Image(const QString& identifier) const
{
    return findChild<TImage*>(identifier, Qt::FindDirectChildrenOnly);
}

QPixmap TfrmData::Picture(const QString& identifier) const
{
    const TImage* image = Image(identifier);
    return image ? image->Picture() : QPixmap();
}

void TfrmData::UsePlayers(const std::array<WavePlayer*, 5>& players)
{
    sounds_ = std::make_unique<SoundBank>(players);
}
