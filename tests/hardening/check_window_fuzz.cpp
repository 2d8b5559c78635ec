// libFuzzer entry point: every input is a command line plus a clock snapshot
// (see harness.hpp); the whole core runs in memory and its answer is checked
// against the invariants and the reference model.
#include "harness.hpp"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel::hardening;
    const fuzz_case input = decode(data, size);
    const std::string violation = find_violation(input, run_core(input));
    if (!violation.empty()) {
        // abort() makes libFuzzer keep the input as a crash artifact.
        static_cast<void>(std::fprintf(stderr, "invariant broken: %s\n", violation.c_str()));
        std::abort();
    }
    return 0;
}
