#pragma once
#include <QApplication>
#include <functional>

// The application object of the game: its name and title, and the rule for
// failures. An exception that escapes an event handler is shown in a message
// box and the message loop carries on; one that escapes start-up is shown
// the same way, and the program then ends normally.
class GameApplication : public QApplication {
public:
    GameApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `step`; when an exception escapes it, runs `release` (to give back what
// the step had taken, memory above all, so that the report can be shown) and
// shows the exception in a message box. False when the step failed.
bool RunGuarded(const std::function<void()>& step, const std::function<void()>& release = {});
