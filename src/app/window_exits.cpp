#include "app/window_exits.h"

#include "app/screens.h"
#include "campaign/session.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "platform/catalogue.h"
#include "platform/services.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {
// Set while the game closes one of its windows itself.
bool closingFromGame = false;
} // namespace

WindowExits::WindowExits(QObject* parent) : QObject(parent) {}

void WindowExits::CloseFromGame(QWidget* window)
{
    const bool outer = closingFromGame;
    closingFromGame = true;
    window->close();
    closingFromGame = outer;
}

void WindowExits::WatchScreens()
{
    for (QWidget* screen : std::initializer_list<QWidget*>{frmStart, frmTurnSelect, frmOpening, frmBattle, frmCharSelect})
        screen->installEventFilter(this);
}

bool WindowExits::CloseFromWindowManager()
{
    if (ending_)
        return true;
    if (!Platform().AskYesNo(Tr("ゲームを終了してよろしいですか？"), kGameCaption))
        return false;
    ending_ = true;
    Campaign().Save();
    CloseFromGame(frmStart);  // the main window: its close ends the program
    QCoreApplication::quit();
    return true;
}

bool WindowExits::eventFilter(QObject* watched, QEvent* event)
{
    // The game's own exits close the main window from code; only a close
    // that comes from the window system is a question for the player. Once
    // the main window has closed, the program is ending and the other
    // windows close with it.
    if (event->type() == QEvent::Close && closingFromGame && watched == frmStart)
        ending_ = true;
    if (event->type() == QEvent::Close && !closingFromGame && !ending_) {
        // Either way the window manager's close is handled here: on No the
        // window stays, on Yes the program has already been ended above.
        CloseFromWindowManager();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
