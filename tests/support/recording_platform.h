#pragma once
#include "platform/services.h"

#include <deque>
#include <string>
#include <vector>

// Platform services for tests: every message box and beep is recorded, every
// question is answered from a queue of prepared answers, and waits are instant.
class RecordingPlatform : public PlatformServices {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    RecordingPlatform() { InstallPlatform(this); }
    ~RecordingPlatform() override { InstallPlatform(nullptr); }

    void ShowMessage(const std::string& text, const std::string& title) override { messages.push_back({text, title}); }
    bool AskYesNo(const std::string& text, const std::string& title) override
    {
        questions.push_back({text, title});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override { ++beeps; }
    void Pause(int ms) override { pauses.push_back(ms); }
    void PumpEvents() override { ++pumps; }

    std::vector<Message> messages;
    std::vector<Message> questions;
    std::deque<bool> answers;
    std::vector<int> pauses;
    int beeps = 0;
    int pumps = 0;
};
