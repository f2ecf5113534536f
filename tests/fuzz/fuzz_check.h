#pragma once

#include <cstdio>
#include <cstdlib>

namespace quorvane::fuzz {

// A broken rule is a finding: name it, then abort so that libFuzzer keeps the input that broke it.
inline void Require(bool holds, const char* rule)
{
    if (holds) return;
    std::fprintf(stderr, "\nFUZZ FINDING: %s\n", rule);
    std::abort();
}

}  // namespace quorvane::fuzz
