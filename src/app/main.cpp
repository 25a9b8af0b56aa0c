#include "app/screens.h"
#include "app/window_exits.h"
#include "frontend/ui/frm_start.h"
#include "platform/instance_lock.h"
#include "platform/ui/desktop.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    // A copy of the game already running keeps this one from starting.
    InstanceLock lock("ZumoruProgram");
    if (!lock.Acquire()) {
        std::fputs("アプリケーションはすでに実行されています\n", stderr);
        QApplication refusal(argc, argv);
        QMessageBox box(QMessageBox::NoIcon, QString(),
                        QStringLiteral("アプリケーションはすでに実行されています"), QMessageBox::Ok);
        box.exec();
        return 0;
    }

    try {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("zumoru"));
        QApplication::setApplicationDisplayName(QString::fromUtf8(kGameCaption));
        DesktopServices desktop;
        InstallPlatform(&desktop);
        CreateProgramObjects();
        WindowExits exits;
        exits.WatchScreens();
        frmStart->show();
        app.exec();
        DestroyProgramObjects();
        InstallPlatform(nullptr);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kGameCaption), QString::fromUtf8(error.what()));
    }
    lock.Release();
    return 0;
}
