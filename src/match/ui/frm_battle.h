#pragma once
#include <QWidget>

// The match screen: one game of Reversi against the current opponent.
class TfrmBattle : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBattle(QWidget* parent = nullptr);

    // Connects the one board to this screen's drawing and sounds.
    void AttachBoard();
};
