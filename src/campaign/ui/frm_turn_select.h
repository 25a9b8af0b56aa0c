#pragma once
#include <QWidget>

class TButton;
class TImage;
class TLabel;

// The small window that asks whether the player moves first or second. It also
// carries the opponent's name, portrait and faces for the length of a match.
class TfrmTurnSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTurnSelect(QWidget* parent = nullptr);

    // Makes the dialog a tool window owned by `owner` (the selection screen),
    // which it always stays above.
    void FloatOver(QWidget* owner);

    TLabel* grpChar;     // the opponent's name
    TLabel* Label2;      // the opponent's strength caption
    TImage* imgChar;     // the opponent's portrait
    TImage* imgComWin;   // hidden: the opponent's winning face
    TImage* imgComLoss;  // hidden: the opponent's losing face

private:
    void StartMatch(bool playerIsSecond);
    void Cancel();

    TButton* BitBtn1 = nullptr;  // 先手
    TButton* BitBtn2 = nullptr;  // 後手
    TButton* Button3 = nullptr;  // キャンセル
};
