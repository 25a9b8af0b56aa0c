#pragma once
#include <QWidget>

// The title screen and main menu, with the save-slot pages. It is the main window: closing it ends the program.
class TfrmStart : public QWidget {
    Q_OBJECT
public:
    explicit TfrmStart(QWidget* parent = nullptr);
};
