// The screen tests' entry point: the game's application object for every test, Qt on
// the offscreen platform unless told otherwise, and every wait and animation
// interval scaled to nothing, in Japanese.
#include "app/game_application.h"
#include "platform/catalogue.h"
#include "platform/ui/timing.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    GameApplication application(argc, argv);
    SetTimeScale(0);
    // The screens speak Japanese unless a test asks for another language: the
    // desktop's is never read here.
    UseLanguage(Language::Japanese);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
