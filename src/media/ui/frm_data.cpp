#include "media/ui/frm_data.h"

#include "media/ui/art.h"
#include "platform/ui/sdl_wave_player.h"
#include "platform/ui/widgets.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

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
    // The build's drawing, when it drew this one at this density.
    const int wholeRatio = qRound(devicePixelRatio);
    if (!figureOnly && (wholeRatio == 1 || wholeRatio == 2) && qFuzzyCompare(devicePixelRatio, qreal(wholeRatio))) {
        QImage drawn(PrerenderedArtPath(identifier, wholeRatio));
        if (!drawn.isNull()) {
            drawn.setDevicePixelRatio(devicePixelRatio);
            return QPixmap::fromImage(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
    const QImage drawn = DrawSvgArt(QStringLiteral(":/art/%1.svg").arg(identifier), devicePixelRatio, figureOnly);
    return drawn.isNull() ? QPixmap() : QPixmap::fromImage(drawn);
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
    shpColorSample1 = new TShape(this, "shpColorSample1", QRect(0, 0, 16, 16), TShape::Kind::Rectangle, Qt::red);
    shpColorSample2 = new TShape(this, "shpColorSample2", QRect(0, 0, 16, 16), TShape::Kind::Rectangle,
                                 QColor(192, 192, 192));
    shpColorSample1->hide();
    shpColorSample2->hide();

    OpenSoundOnceShown();
    std::array<WavePlayer*, 5> players{};
    for (int i = 0; i < 5; ++i) {
        ownPlayers_[i] = std::make_unique<SdlWavePlayer>(i);
        players[i] = ownPlayers_[i].get();
    }
    sounds_ = std::make_unique<SoundBank>(players);
    catalogue = this;
}

// The sound device (and the library behind it) is opened once the first
// window of the game is on the screen, which it would otherwise keep waiting;
// the title's first sound comes some hundreds of milliseconds later. A sound
// asked for before then opens it at once.
void TfrmData::OpenSoundOnceShown()
{
    class FirstFrame : public QObject {
    public:
        explicit FirstFrame(TfrmData* catalogue) : QObject(catalogue) { qApp->installEventFilter(this); }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* window = qobject_cast<QWindow*>(watched);
            if (event->type() == QEvent::Expose && window && window->isExposed()) {
                // Once the window's first frame has been drawn, which this
                // event is about to do.
                QTimer::singleShot(0, parent(), [] { SdlWavePlayer::OpenDevice(); });
                qApp->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }
    };
    if (qApp)
        new FirstFrame(this);
    else
        SdlWavePlayer::OpenDevice();
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

QPixmap TfrmData::Picture(const QString& identifier) const
{
    // Each picture is drawn when it is first asked for (most are asked for
    // by the screens as they are made, the faces as opponents are picked),
    // and kept from then on.
    const auto kept = pictures_.constFind(identifier);
    if (kept != pictures_.constEnd())
        return *kept;
    const QPixmap picture = RenderArt(identifier);
    if (!picture.isNull())
        pictures_.insert(identifier, picture);
    return picture;
}

void TfrmData::UsePlayers(const std::array<WavePlayer*, 5>& players)
{
    sounds_ = std::make_unique<SoundBank>(players);
}
