#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zavolin::fuzz {

// One fuzz target's body: reads one input, returns 0, aborts on a fault. The same function
// runs under libFuzzer (FuzzEntry.cpp) and in the test that replays the kept inputs.
using FuzzOne = int (*)(const uint8_t* data, size_t size);

int fuzzOneProfileString(const uint8_t* data, size_t size);
int fuzzOneConversions(const uint8_t* data, size_t size);
int fuzzOneRegistryFile(const uint8_t* data, size_t size);
int fuzzOneSheetArguments(const uint8_t* data, size_t size);
int fuzzOnePicture(const uint8_t* data, size_t size);
int fuzzOneOwnSetImport(const uint8_t* data, size_t size);
int fuzzOneStoredSettings(const uint8_t* data, size_t size);

struct FuzzTarget {
    const char* name; // fuzz/corpus/<name>, fuzz/regressions/<name>, the executable fuzz_<name>
    FuzzOne run;
};

// Every target, as fuzz/CMakeLists.txt builds them.
std::span<const FuzzTarget> fuzzTargets();

} // namespace zavolin::fuzz
