// What the benchmark driver needs to find in the baseline program: its window's title and the id of
// the STATIC that echoes the pointer; in the build with seven readouts, the echo is the first of them,
// the other six follow it in id and live in a second window.
#pragma once

namespace vardek::bench {

inline constexpr wchar_t kBaselineTitle[] = L"Vardek Baseline";
inline constexpr int kBaselineEchoId = 100;
inline constexpr wchar_t kBaselineReadoutsTitle[] = L"Vardek Baseline - readouts";

}  // namespace vardek::bench
