#pragma once
#include <QObject>

class QWidget;

// The screens have no close buttons, but a window manager can still close them
// (Alt+F4, logging out). Such a close never leaves the game running without a
// window: the player is asked, and on Yes the campaign saves as every exit
// does, whatever screen is on top, and the program ends.
class WindowExits : public QObject {
    Q_OBJECT
public:
    explicit WindowExits(QObject* parent = nullptr);

    // Watches the six screens of the program.
    void WatchScreens();
    // A close asked for by the window manager; true when the program ends.
    bool CloseFromWindowManager();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ending_ = false;
};
