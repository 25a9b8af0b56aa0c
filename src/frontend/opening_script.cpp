#include "frontend/opening_script.h"

#include "platform/catalogue.h"

#include <algorithm>

namespace frontend {

std::string Greeting(const std::string& name)
{
    return TrWith("ようこそ %sさん", name);
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


} // namespace frontend
