#pragma once
// A match view for the core tests: it writes down, in order, what the match
// asks of its screen, so a test reads a match as a list of entries ("disable",
// "pause 300", "says L4", "result", ...).
#include "match/match_flow.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// A view that writes down what the match asks of the screen. A remark shows
// until the screen next lets events run, as a bubble closes in time.
class LoggingView : public MatchView {
public:
    const MatchFlow* flow = nullptr;
    std::vector<std::string> log;
    std::vector<std::string> said;
    std::function<void()> onPump;
    bool enabled = false;
    bool bubble = false;
    bool counting = false;
    MatchView::Result result;

    void SetEnabled(bool on) override
    {
        enabled = on;
        log.push_back(on ? "enable" : "disable");
    }
    void IndicatorTo(std::int32_t side) override { log.push_back(side == Black ? "Black to move" : "White to move"); }
    void ShowNotice(const std::string& text) override { log.push_back("notice " + text); }
    void HideNotice() override { log.push_back("notice off"); }
    void PlayEffect(Effect effect) override { log.push_back("effect " + std::to_string(static_cast<int>(effect))); }
    void PlayStartDisc() override { log.push_back("start disc"); }
    void PlayCountDisc() override {}
    void Pause(int ms) override { log.push_back("pause " + std::to_string(ms)); }
    // What a screen reader was told, apart from the log.
    void Announce(const std::string& text) override { said.push_back(text); }
    void PumpEvents() override
    {
        bubble = false;
        if (onPump)
            onPump();
    }
    void StartStartSequence() override { log.push_back("start sequence"); }
    void SetStartPace(int ms) override { log.push_back("pace " + std::to_string(ms)); }
    void StopStartSequence() override { log.push_back("start sequence stops"); }
    void StartBubble() override
    {
        bubble = true;
        log.push_back("says " + flow->OpponentMessage.Line(flow->Bubble.MessageLine).value_or("?"));
    }
    bool BubbleShowing() const override { return bubble; }
    void StartCount() override { counting = true; }
    void StopCount() override { counting = false; }
    void ShowResult(const Result& shown) override
    {
        result = shown;
        log.push_back("result");
    }

    // The entries of the log from `from` on that equal `entry`.
    int Count(const std::string& entry, std::size_t from = 0) const
    {
        return static_cast<int>(std::count(log.begin() + static_cast<std::ptrdiff_t>(from), log.end(), entry));
    }
};
