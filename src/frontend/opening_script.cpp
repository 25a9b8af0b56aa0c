#include "frontend/opening_script.h"

#include <algorithm>

namespace frontend {

std::string OpeningLevelCaption(int level)
{
    switch (level) {
    case 0: return "～ やさしい ～";
    case 1: return "～ 普通 ～";
    default: return "～ 難しい ～";
    }
}

std::string ContinueLevelCaption(std::int32_t level)
{
    if (level == 0)
        return "～ やさしい ～";
    if (level == 1)
        return "～普通 ～";
    return "～ 難しい ～";
}

std::string Greeting(const std::string& name)
{
    return "ようこそ " + name + "さん";
}

const HatchStep* FindHatchStep(int step)
{
    const auto found = std::find_if(kHatchSteps.begin(), kHatchSteps.end(),
                                    [step](const HatchStep& row) { return row.step == step; });
    return found == kHatchSteps.end() ? nullptr : &*found;
}

Verdict VerdictFor(int eggStrength)
{
    // The second lines start with full-width spaces: three for the best chick,
    // one for the others.
    switch (eggStrength) {
    case 5: return {"最高に元気なヒナが", "　　　かえったようです！"};
    case 4: return {"元気なヒナが", "　かえったようです"};
    case 3: return {"無事にヒナが", "　かえったようです"};
    case 2: return {"なんとかヒナは", "　かえったようです"};
    default: return {"しかし、栄養は", "　イマイチだったようです"};
    }
}

std::string ChickPicture(int eggStrength)
{
    return "imgEgg" + std::to_string(std::clamp(eggStrength, 1, 5));
}

std::string NutritionCaption(std::int32_t nutrition)
{
    return "栄養：" + std::to_string(nutrition);
}

} // namespace frontend
