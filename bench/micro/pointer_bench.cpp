// Whole events on the headless desktop: the pointer-move readout update with an origin and the
// first point fixed (the busiest case), and the Shift+arrow edge search over a 50-pixel run of one
// colour. Both run through the toolkit's queue, as a test drives them.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/headless/toolkit.h"
#include "program/program.h"

namespace {

using vardek::PixelPoint;
using vardek::platform::FormId;
using vardek::platform::headless::World;
using vardek::platform::headless::WorldConfig;

constexpr int kSpace = 32;
constexpr int kRight = 39;
constexpr int kLeft = 37;
constexpr int kB = 66;
constexpr int kG = 71;

// A grey desktop with one black square at (400, 300)..(419, 319); grey runs for more than 50
// pixels in every direction from (330, 240).
std::int32_t Desktop(PixelPoint p)
{
    const bool square = p.x >= 400 && p.x < 420 && p.y >= 300 && p.y < 320;
    return square ? 0x000000 : 0x808080;
}

// The program started, with a snapshot on show (G), as the behaviour tests set it up.
struct Measuring {
    Measuring()
    {
        WorldConfig config;
        config.desktop = Desktop;
        world = std::make_unique<World>(std::move(config));
        program = std::make_unique<vardek::Program>(*world);
        world->Run([this] { program->Start(); });
        world->PressKey(kG);
    }
    std::unique_ptr<World> world;
    std::unique_ptr<vardek::Program> program;
};

void BM_PointerMoveReadout(benchmark::State& state)
{
    Measuring m;
    m.world->MovePointer({300, 250});
    m.world->PressKey(kSpace);  // origin
    m.world->MovePointer({320, 255});
    m.world->PressKey(kB);  // first point; moves now update X2, Y2, SW, SH, GX, GY and Label1
    int step = 0;
    PixelPoint last{};
    for (auto _ : state) {
        // Every move lands on a new pixel, so every caption really changes.
        last = {330 + step % 97, 260 + step % 89};
        m.world->MovePointer(last);
        ++step;
    }
    // A figure for moves that never reached the readouts would mean nothing.
    if (m.world->ControlOf(FormId::Form2, "GX").Caption() != std::to_string(last.x) ||
        m.world->ControlOf(FormId::Form2, "X2").Caption() != std::to_string(last.x - 300)) {
        state.SkipWithError("the readouts do not show the last move");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PointerMoveReadout);

void BM_EdgeSearchFullRun(benchmark::State& state)
{
    Measuring m;
    m.world->MovePointer({330, 240});
    bool right = true;
    for (auto _ : state) {
        // No colour change within reach: the search looks at all 50 pixels, then steps one.
        m.world->PressKey(right ? kRight : kLeft, vardek::platform::kShiftMask);
        right = !right;
    }
    const PixelPoint at = m.world->CursorPos();
    if ((at.x != 330 && at.x != 331) || at.y != 240) {
        state.SkipWithError("the edge jump did not step one pixel");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EdgeSearchFullRun);

void BM_ArrowStep(benchmark::State& state)
{
    Measuring m;
    m.world->MovePointer({330, 240});
    bool right = true;
    for (auto _ : state) {
        m.world->PressKey(right ? kRight : kLeft);
        right = !right;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ArrowStep);

}  // namespace
