#pragma once
#include "campaign/selection.h"

#include <QWidget>

class TImage;
class TLabel;

// The small window that asks whether the player moves first or second. It
// also carries the opponent's name, portrait and faces for the length of a
// match.
class TfrmTurnSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTurnSelect(QWidget* parent = nullptr);

    // Makes the dialog a tool window owned by `owner` (the selection screen),
    // which it always stays above.
    void FloatOver(QWidget* owner);

    // The pick's hand-off: the opponent's name, strength, portrait and faces,
    // then the dialog shows itself with the focus.
    void AskAbout(const campaign::OpponentCard& opponent);
    // The opponent it asks about.
    const campaign::OpponentCard& Opponent() const { return opponent_; }

signals:
    // "先手" (false) or "後手" (true): the match begins.
    void SideChosen(bool playerIsSecond);
    // "キャンセル": back to the selection.
    void Cancelled();

private:
    campaign::OpponentCard opponent_;

    TLabel* name_;        // grpChar
    TLabel* strength_;    // Label2
    TImage* portrait_;    // imgChar
    TImage* winFace_;     // imgComWin, hidden
    TImage* lossFace_;    // imgComLoss, hidden
};
