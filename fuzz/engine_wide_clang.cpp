// The wide (AVX2) search for the clang fuzz build. clang-14 ignores
// "#pragma GCC target" and does not know the processor feature name "abm", so
// the search's own file does not compile as it is; here it is compiled for
// those instructions throughout (this file alone, see CMakeLists.txt) and its
// run-time check asks for the feature names clang knows. The choice between
// the wide and the portable search still happens at run time.
#include <string_view>

namespace {

bool ClangCpuSupports(std::string_view feature)
{
    if (feature == "avx2")
        return __builtin_cpu_supports("avx2");
    if (feature == "bmi")
        return __builtin_cpu_supports("bmi");
    if (feature == "bmi2")
        return __builtin_cpu_supports("bmi2");
    if (feature == "popcnt" || feature == "abm")  // abm: lzcnt and popcnt
        return __builtin_cpu_supports("popcnt");
    return false;
}

} // namespace

#define __builtin_cpu_supports(feature) ClangCpuSupports(feature)
#include "brains/engine_wide.cpp"
