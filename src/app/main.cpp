#include "app/game_application.h"
#include "app/screens.h"
#include "app/window_exits.h"
#include "frontend/ui/frm_start.h"
#include "platform/instance_lock.h"
#include "platform/ui/desktop.h"
#include "platform/ui/desktop_start.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    // The language of the player's desktop, for every text from here on.
    UseLanguage(ChooseLanguage(DesktopLanguageSettings()));
    // The display server and the scale, chosen before Qt reads them.
    PrepareDesktop(argc, argv);

    // A copy of the game already running keeps this one from starting.
    InstanceLock lock("ZumoruProgram");
    if (!lock.Acquire()) {
        const char* const running = "アプリケーションはすでに実行されています";
        std::fprintf(stderr, "%s\n", Tr(running).c_str());
        GameApplication refusal(argc, argv);
        ShowGameMessageBox(QMessageBox::NoIcon, QString(), TrQ(running), QMessageBox::Ok);
        return 0;
    }

    // The application object outlives everything below, so that a failure at
    // any point can still be shown in a message box.
    GameApplication app(argc, argv);
    DesktopServices desktop;
    InstallPlatform(&desktop);
    const bool ran = RunGuarded(
        [] {
            CreateProgramObjects();
            WindowExits exits;
            exits.WatchScreens();
            frmStart->show();
            QApplication::exec();
        },
        DestroyProgramObjects);
    if (ran)
        RunGuarded(DestroyProgramObjects);
    InstallPlatform(nullptr);
    lock.Release();
    return 0;
}
