#pragma once
#include <QWidget>

// Name, figure and level, the egg story; later the hatching and the game clear.
class TfrmOpening : public QWidget {
    Q_OBJECT
public:
    explicit TfrmOpening(QWidget* parent = nullptr);

    // The game clear hand-off: shows the hatching page and starts its animation.
    void StartHatching();
};
