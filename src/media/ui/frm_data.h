#pragma once
#include "media/sound_bank.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

class TShape;

// The media catalogue: every picture of the game and the five sound players.
// It is never shown. Each picture is known by its identifier ("imgChar00",
// "imgBack", ...) and drawn from our art at the screen's pixel density; other
// screens copy pictures out of it.
class TfrmData : public QWidget {
    Q_OBJECT
public:
    explicit TfrmData(QWidget* parent = nullptr);
    ~TfrmData() override;

    // The picture of an identifier (a null pixmap for an unknown one).
    QPixmap Picture(const QString& identifier) const;
    QPixmap Picture(const std::string& identifier) const { return Picture(QString::fromStdString(identifier)); }
    QPixmap Picture(const char* identifier) const { return Picture(QString::fromUtf8(identifier)); }

    void PlayEffect(Effect effect) { sounds_->PlayEffect(effect); }
    void PlayPlayerPut(int v) { sounds_->PlayPlayerPut(v); }
    void PlayPlayerTurn(int v) { sounds_->PlayPlayerTurn(v); }
    void PlayComPut(int n) { sounds_->PlayComPut(n); }
    void PlayComTurn(int n) { sounds_->PlayComTurn(n); }

    // Tests put recording players in place of the SDL ones.
    void UsePlayers(const std::array<WavePlayer*, 5>& players);

    // The fill colours of the two colour samples: the turn plate of the side
    // to move (shpColorSample1, red) and of the other (shpColorSample2, silver).
    QColor ActiveColour() const;
    QColor InactiveColour() const;

private:
    void OpenSoundOnceShown();

    TShape* shpColorSample1;
    TShape* shpColorSample2;
    // The pictures drawn so far, by identifier.
    mutable QHash<QString, QPixmap> pictures_;
    std::array<std::unique_ptr<WavePlayer>, 5> ownPlayers_;
    std::unique_ptr<SoundBank> sounds_;
};

// The media catalogue of the running program, for every screen's pictures and
// sounds (it exists from the second object of the start-up on).
TfrmData& Media();

// One of our pictures at its own size and the given pixel density (the
// screen's, by default) on a transparent ground: as the build drew it, or
// drawn from its SVG now. With `figureOnly`, a picture that has a backdrop of
// its own (a chick, a face) is drawn without it, to lie over another picture.
QPixmap RenderArt(const QString& identifier, qreal devicePixelRatio, bool figureOnly);
QPixmap RenderArt(const QString& identifier, bool figureOnly = false);
