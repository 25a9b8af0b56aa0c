#pragma once
#include <QWidget>

// The media catalogue: every picture of the game and the five sound players.
// It is never shown.
class TfrmData : public QWidget {
    Q_OBJECT
public:
    explicit TfrmData(QWidget* parent = nullptr);
};
