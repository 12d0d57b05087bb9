// The pure parts of an event: reading a remembered origin and splitting a picked colour.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "platform/headless/toolkit.h"
#include "program/program.h"
#include "ruler/position_text.h"

namespace {

using vardek::ParsePositionText;

// Texts of the shapes the ruler meets: its own padded form, negatives, blanks, junk after Y.
constexpr std::array<std::string_view, 6> kTexts = {"250,080", "-005,1024", "  12 , 34",
                                                    "000,000", "7",         "31999,-32768x"};

void BM_ParsePositionText(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        const auto parsed = ParsePositionText(kTexts[i]);
        benchmark::DoNotOptimize(parsed);
        i = (i + 1) % kTexts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParsePositionText);

void BM_SplitColor(benchmark::State& state)
{
    vardek::platform::headless::World world;
    vardek::Program program(world);
    vardek::Form1& ruler = program.Ruler();
    std::int32_t colour = 0x123456;
    for (auto _ : state) {
        ruler.SplitColor(colour);
        benchmark::DoNotOptimize(ruler.State().Red);
        colour = (colour * 33 + 1) & 0xFFFFFF;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SplitColor);

}  // namespace
