#pragma once
#include <QWidget>

class TImage;
class TLabel;
struct MatchOpponent;

// The small window that shows who the picked opponent is and asks whether the
// player moves first or second.
class TfrmTurnSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTurnSelect(QWidget* parent = nullptr);

    // Makes the dialog a tool window owned by `owner` (the selection screen),
    // which it always stays above.
    void FloatOver(QWidget* owner);

    // The pick's hand-off: the opponent's name, strength, portrait and faces,
    // then the dialog shows itself with the focus.
    void AskAbout(const MatchOpponent& opponent);

signals:
    // "先手" (false) or "後手" (true): the match begins.
    void SideChosen(bool playerIsSecond);
    // "キャンセル": back to the selection.
    void Cancelled();

private:
    TLabel* name_;        // grpChar
    TLabel* strength_;    // Label2
    TImage* portrait_;    // imgChar
    TImage* winFace_;     // imgComWin, hidden
    TImage* lossFace_;    // imgComLoss, hidden
};
