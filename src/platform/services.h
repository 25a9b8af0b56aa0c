#pragma once
#include <string>

// The few things the game core asks of the desktop: message boxes, the beep,
// pauses and letting pending window events run. The screens install the real
// desktop versions at start-up; tests install their own.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // A modal message box with one OK button.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
    // The system's default beep.
    virtual void Beep() = 0;
    // A blocking wait of `ms` milliseconds (scaled to nothing in tests).
    virtual void Pause(int ms) = 0;
    // Processes the queued window events once and returns.
    virtual void PumpEvents() = 0;
};

// The game's caption: every window's title and the title of the messages
// that have none of their own.
inline constexpr const char* kGameCaption = "ズモルリバロ";

// The services in force. Until some are installed, a quiet stand-in answers
// "No" to every question and never waits.
PlatformServices& Platform();
void InstallPlatform(PlatformServices* services);
