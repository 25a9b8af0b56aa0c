#include "platform/services.h"

namespace {

class QuietServices final : public PlatformServices {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void Beep() override {}
    void Pause(int) override {}
    void PumpEvents() override {}
};

QuietServices quiet;
PlatformServices* installed = &quiet;

} // namespace

PlatformServices& Platform() { return *installed; }

void InstallPlatform(PlatformServices* services)
{
    installed = services ? services : &quiet;
}
