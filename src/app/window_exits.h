#pragma once
#include <QObject>

class QWidget;

// The screens have no close buttons, but a window manager can still close them
// (Alt+F4, logging out, a title bar that Qt draws itself on Wayland). Such a
// close never leaves the game running without a window: the player is asked,
// and on Yes the campaign saves as every exit does, whatever screen is on top,
// and the program ends.
//
// The game's own closes go through CloseFromGame. Any other close is the
// window system's: on X it comes as a spontaneous event, but Qt on Wayland
// hands a compositor's close on as if the game had closed the window itself.
class WindowExits : public QObject {
    Q_OBJECT
public:
    explicit WindowExits(QObject* parent = nullptr);

    // Closes a window for the game itself: no question.
    static void CloseFromGame(QWidget* window);

    // Watches the six screens of the program.
    void WatchScreens();
    // A close asked for by the window manager; true when the program ends.
    bool CloseFromWindowManager();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ending_ = false;
};
