#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>

// The match screen: one game of Reversi against the current opponent.
class TfrmBattle : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBattle(QWidget* parent = nullptr);

    // Connects the one board to this screen's drawing and sounds.
    void AttachBoard();

    int OpponentSoundSet = 1;  // 1..12, which disc sounds the computer makes

    // Replaces the opponent's speech lines with the lines of a Shift-JIS
    // message file; false (and nothing changed) when it cannot be read.
    bool LoadOpponentMessage(const std::string& path);

    // What the turn dialog's side buttons do: the player and the opponent take
    // their sides (the left picture mirrored), the speech bubble goes to the
    // opponent's corner, and the match starts with Black to move.
    void SetUpMatch(bool playerIsSecond, const QPixmap& playerPicture, const QString& playerName,
                    const QPixmap& opponentPicture, const QString& opponentName);
};
