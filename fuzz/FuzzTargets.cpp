#include "FuzzTargets.h"

#include <array>

namespace zavolin::fuzz {

std::span<const FuzzTarget> fuzzTargets() {
    // A new target: its body here, its name in fuzz/Bodies.cmake, seeds in fuzz/corpus/<name>.
    static const std::array<FuzzTarget, 7> targets = {{
        {"profile_string", fuzzOneProfileString},
        {"conversions", fuzzOneConversions},
        {"registry_file", fuzzOneRegistryFile},
        {"sheet_arguments", fuzzOneSheetArguments},
        {"picture", fuzzOnePicture},
        {"own_set_import", fuzzOneOwnSetImport},
        {"stored_settings", fuzzOneStoredSettings},
    }};
    return targets;
}

} // namespace zavolin::fuzz
