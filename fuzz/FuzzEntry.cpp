// The libFuzzer entry points of one target; ZAVOLIN_FUZZ_ONE names its body (FuzzTargets.h).
#include "FuzzSupport.h"
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    zavolin::fuzz::prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zavolin::fuzz::ZAVOLIN_FUZZ_ONE(data, size);
}
