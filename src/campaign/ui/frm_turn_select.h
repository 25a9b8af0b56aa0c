#pragma once
#include <QWidget>

// The small window that asks whether the player moves first or second.
class TfrmTurnSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTurnSelect(QWidget* parent = nullptr);
};
