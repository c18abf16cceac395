// Seeds and sizes of the randomized tests: fixed by default, set from the environment to explore.
#pragma once

#include <cstdlib>
#include <string>

namespace uragae::testing {

// URAGAE_SEED, or `fallback` when it is unset.
inline unsigned SeedFromEnvironment(unsigned fallback)
{
    const char* text = std::getenv("URAGAE_SEED");
    return text != nullptr ? static_cast<unsigned>(std::stoul(text)) : fallback;
}

// The environment variable `name` as a whole number, or `fallback` when it is unset.
inline int CountFromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr ? std::stoi(text) : fallback;
}

}  // namespace uragae::testing
