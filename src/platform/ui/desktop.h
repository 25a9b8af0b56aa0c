#pragma once
#include "platform/catalogue.h"
#include "platform/services.h"

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <string>

class QWidget;

inline QString Qs(const std::string& utf8) { return QString::fromStdString(utf8); }
// A text of the game (its Japanese) in the language the game speaks.
inline QString TrQ(const char* japanese) { return Qs(Tr(japanese)); }

// The desktop versions of the platform services: Qt message boxes, the beep
// through the game's own audio, sleeps scaled by the time scale, and the Qt
// event loop.
class DesktopServices : public PlatformServices {
public:
    void ShowMessage(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    void Beep() override;
    void Pause(int ms) override;
    void PumpEvents() override;
};

// The game's application id: the name of its desktop entry, its AppStream
// metadata and its icon.
inline const char* const kApplicationId = "io.github.zumoru.zumoru";

// A modal message box whose buttons speak Japanese (はい(Y), いいえ(N), OK;
// the Y and N keys answer too), titled with the title given alone (the game's
// caption when empty). Returns the button pressed.
QMessageBox::StandardButton ShowGameMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons);

// Paints every window now: a window shown or changed just before a blocking
// wait is on the display during that wait.
void PaintPendingUpdates();

// Gives a screen its caption, a fixed client size and a title bar without
// buttons, and centres it on the screen.
void SetUpGameWindow(QWidget* window, int clientWidth, int clientHeight);
// The same for the small tool window that floats over the selection screen:
// a sizeable border, at least the given client size.
void SetUpToolWindow(QWidget* window, int clientWidth, int clientHeight);
void CentreOnScreen(QWidget* window);

// The game's text font, with fallbacks that exist on a fresh Linux machine.
QFont GameFont(int pixelSize, bool bold = false);
