#include "app/game_application.h"

#include "platform/services.h"
#include "platform/ui/desktop.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

namespace {

std::string Describe(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return Tr("メモリが足りません");
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return Tr("原因不明のエラーが起きました");
    }
}

// Shows the failure; when even the message box cannot be built, the player
// still finds the reason on the terminal.
void Report(std::exception_ptr failure)
{
    const std::string text = Describe(failure);
    try {
        Platform().ShowMessage(text, kGameCaption);
    } catch (...) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

} // namespace

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Taskbars and docks match the windows to the desktop entry and its icon
    // by the application id: Qt hands it to a Wayland compositor as the app
    // id, and to X11 as the class of WM_CLASS (the application name).
    setApplicationName(QString::fromUtf8(kApplicationId));
    setDesktopFileName(QString::fromUtf8(kApplicationId));
    setApplicationDisplayName(QString::fromUtf8(kGameCaption));
}

bool GameApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Report(std::current_exception());
    }
    return false;
}

bool RunGuarded(const std::function<void()>& step, const std::function<void()>& release)
{
    try {
        step();
        return true;
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        if (release) {
            try {
                release();
            } catch (...) {
                // Nothing more can be given back.
            }
        }
        Report(failure);
        return false;
    }
}
