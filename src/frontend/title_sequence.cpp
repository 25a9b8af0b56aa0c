#include "frontend/title_sequence.h"

#include <algorithm>

namespace frontend {

const LogoTick* FindLogoStep(int step)
{
    const auto found = std::find_if(kLogoSteps.begin(), kLogoSteps.end(),
                                    [step](const LogoTick& row) { return row.step == step; });
    return found == kLogoSteps.end() ? nullptr : &*found;
}

const TitleTick* FindTitleStep(int step)
{
    const auto found = std::find_if(kTitleSteps.begin(), kTitleSteps.end(),
                                    [step](const TitleTick& row) { return row.step == step; });
    return found == kTitleSteps.end() ? nullptr : &*found;
}

} // namespace frontend
