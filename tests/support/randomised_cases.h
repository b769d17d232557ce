#pragma once
// How many cases a randomised comparison runs. Under the sanitizers a
// tenth: there the point is memory and undefined-behaviour faults, which a
// tenth of the cases meets as well, at a tenth of CI's time; the plain
// build compares the full count.

namespace vx::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kRandomisedCaseDivisor = 10;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr int kRandomisedCaseDivisor = 10;
#else
inline constexpr int kRandomisedCaseDivisor = 1;
#endif
#else
inline constexpr int kRandomisedCaseDivisor = 1;
#endif

constexpr int RandomisedCases(int full) { return full / kRandomisedCaseDivisor; }

}  // namespace vx::test
