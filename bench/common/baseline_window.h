// What the benchmark driver needs to find in the baseline program: its window's title and the id of
// the STATIC that echoes the pointer.
#pragma once

namespace vardek::bench {

inline constexpr wchar_t kBaselineTitle[] = L"Vardek Baseline";
inline constexpr int kBaselineEchoId = 100;

}  // namespace vardek::bench
