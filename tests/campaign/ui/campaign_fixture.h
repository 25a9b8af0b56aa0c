#pragma once
// The campaign's screens (the selection, the turn dialog, the defeat
// animation) on the shared screen-test fixture.
#include "ui_support/screen_fixture.h"

#include "campaign/session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>

using namespace ui_test;

class CampaignScreens : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        StartProgram();
    }

    // Lets the defeat animation run to its end; `afterTick` sees the step
    // each tick has led to. False when it never ends.
    template <typename AfterTick>
    bool RunDefeatAnimation(AfterTick afterTick)
    {
        auto* timer = Find<QTimer>(frmCharSelect, "timDes");
        const auto watch =
            QObject::connect(timer, &QTimer::timeout, frmCharSelect, [&] { afterTick(frmCharSelect->DesStep()); });
        const bool ended = RunUntil([timer] { return frmCharSelect->DesStep() == 0 && !timer->isActive(); });
        QObject::disconnect(watch);
        return ended;
    }
    bool RunDefeatAnimation()
    {
        return RunDefeatAnimation([](int) {});
    }

    static bool IsCrossRed(const QColor& colour) { return colour == QColor(255, 0, 0); }

    // The selection screen as a new game in slot 1 leaves it: place 1,
    // score 0, shown, the campaign begun.
    void ShowSelection(int level)
    {
        Campaign().NewGame(1);
        Campaign().ChooseFigure("Taro", true);
        Campaign().ChooseLevel(level);
        Campaign().BeginCampaign();
        frmCharSelect->SetPlayerFigure("imgHelo");
        frmCharSelect->show();
    }
};

// The walks through the campaign's screens run once in each language the game
// speaks; in English each page they pass shows English that fits.
using CampaignScreensIn = InEachLanguage<CampaignScreens>;
