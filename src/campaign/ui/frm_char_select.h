#pragma once
#include <QWidget>

// Stage and opponent selection, with the defeat animation and the bonus stage.
class TfrmCharSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCharSelect(QWidget* parent = nullptr);
};
