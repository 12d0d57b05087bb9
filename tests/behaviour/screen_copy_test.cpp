// What a copy of the screen holds: what the monitors show under the opening, black where none shows,
// and never a window of the program, however late the screen catches up with a window that hid.
#include <algorithm>
#include <functional>
#include <vector>

#include "program_fixture.h"
#include "ruler/key_codes.h"

namespace vardek::testing {
namespace {

// A colour of its own for every pixel of the desk, so that any pixel from the wrong place shows.
std::int32_t UniqueDesktop(PixelPoint p)
{
    return static_cast<std::int32_t>(((p.x + 2048) & 0xFFF) | (((p.y + 2048) & 0xFFF) << 12));
}

std::vector<std::int32_t> Pixels(const platform::PictureBox& picture)
{
    const PixelSize size = picture.ImageSize();
    std::vector<std::int32_t> pixels;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            pixels.push_back(picture.Point(x, y));
        }
    }
    return pixels;
}

// Pixels of a picture that differ from what `expected` gives for its screen position, those that
// `skip` names left out.
int Differing(
    const platform::PictureBox& picture, PixelRect area, const std::function<std::int32_t(PixelPoint)>& expected,
    const std::function<bool(PixelPoint)>& skip = [](PixelPoint) { return false; })
{
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!skip({x, y})) {
                differing += picture.Point(x - area.left, y - area.top) != expected({x, y});
            }
        }
    }
    return differing;
}

// A program started on its own desk, for tests that vary the desk from case to case.
struct Desk {
    explicit Desk(WorldConfig config) : world(std::move(config)), program(world)
    {
        world.Run([this] { program.Start(); });
    }
    ~Desk()
    {
        for (const std::string& failure : world.SlotFailures()) {
            ADD_FAILURE() << "a handler threw: " << failure;
        }
    }
    Desk(const Desk&) = delete;
    Desk& operator=(const Desk&) = delete;

    platform::PictureBox& View() { return world.Window(FormId::Form1).Picture("Picture1"); }
    platform::PictureBox& Store() { return world.Window(FormId::Form1).Picture("Picture2"); }

    World world;
    Program program;
};

TEST(ScreenCopy, LoupeAndViewOverTheSnapshot_GAndShasuCopyOnlyThePictureAtEachDpi)
{
    const std::function<void(World&)> captures[] = {
        [](World& world) { world.PressKey(keys::kG); },
        [](World& world) { world.Click(FormId::Form1, "Command1"); },
    };
    for (const int dpi : {96, 144}) {
        for (std::size_t capture = 0; capture < std::size(captures); ++capture) {
            SCOPED_TRACE(::testing::Message() << dpi << " DPI, capture " << capture);
            WorldConfig config;
            config.dpi = dpi;
            config.desktop = UniqueDesktop;
            Desk desk(config);
            World& world = desk.world;
            world.PressKey(keys::kG);
            world.PressKey(keys::kZ);
            const PixelRect area = desk.View().DrawingAreaOnScreen();
            // The coordinate view over the picture's top right corner, the loupe beside the pointer.
            const PixelRect viewRect = world.Window(FormId::Form2).WindowRect();
            world.MoveWindow(FormId::Form2, {area.right - viewRect.Width() / 2, area.top - viewRect.Height() / 2});
            world.MovePointer({area.left + area.Width() / 3, (area.top + area.bottom) / 2});
            const PixelRect stood = world.LoupeShown().WindowRect().Intersection(area);
            ASSERT_TRUE(world.LoupeShown().Visible());
            ASSERT_FALSE(stood.Empty());
            ASSERT_TRUE(world.Window(FormId::Form2).WindowRect().Intersects(area));
            const std::vector<std::int32_t> before = Pixels(desk.View());

            // The screen still shows the loupe where it stood once it has hidden: only the program's
            // idle time repaints what lies beneath. (The view leaves its pixels so too.)
            int loupeLeftOnScreen = 0;
            world.DuringNextYield([&] {
                const platform::PictureBox& view = desk.View();
                for (int y = stood.top; y < stood.bottom; ++y) {
                    for (int x = stood.left; x < stood.right; ++x) {
                        loupeLeftOnScreen += world.ScreenPixel({x, y}) != view.Point(x - area.left, y - area.top);
                    }
                }
            });
            captures[capture](world);
            EXPECT_GT(loupeLeftOnScreen, 0);
            EXPECT_TRUE(Pixels(desk.View()) == before);
            EXPECT_TRUE(Pixels(desk.Store()) == before);
            EXPECT_TRUE(world.LoupeShown().Visible());
        }
    }
}

// The desk of three as the real one is laid out: a monitor above the main one and a wider one right
// of it, so that the virtual screen's top right corner is on no monitor.
TEST(ScreenCopy, OverNoMonitor_SnapshotStoreAndRedrawBlackThereExactOnTheMonitors)
{
    const PixelRect monitors[] = {{0, 0, 1280, 1024}, {0, -1024, 1280, 0}, {1280, 0, 3200, 1080}};
    WorldConfig config;
    config.monitors = {{.rect = monitors[0]}, {.rect = monitors[1]}, {.rect = monitors[2]}};
    config.desktop = UniqueDesktop;
    Desk desk(config);
    World& world = desk.world;
    const auto shown = [&](PixelPoint p) {
        const bool onMonitor =
            std::any_of(std::begin(monitors), std::end(monitors), [&](const PixelRect& m) { return m.Contains(p); });
        return onMonitor ? UniqueDesktop(p) : 0;
    };
    // The opening reaches from the main and the wider monitor up into the corner that none shows.
    world.MoveWindow(FormId::Form1, {1200, -150});
    world.PressKey(keys::kG);
    const PixelRect area = desk.View().DrawingAreaOnScreen();
    ASSERT_TRUE(area.Contains({1280, -1}) && area.Contains({1279, 0}));
    EXPECT_EQ(Differing(desk.View(), area, shown), 0);
    EXPECT_EQ(Differing(desk.Store(), area, shown), 0);

    // The redraw takes a fresh copy of the screen; its store has no guide lines, its view the origin's.
    const PixelPoint origin = {1300, 5};
    world.MoveWindow(FormId::Form2, {200, 600});
    world.MovePointer(origin);
    world.PressKey(keys::kSpace);
    world.PressKey(keys::kSpace);
    world.Click(FormId::Form1, "Command4");
    EXPECT_EQ(desk.program.Ruler().State().OriginX, origin.x);
    EXPECT_EQ(Differing(desk.Store(), area, shown), 0);
    EXPECT_EQ(Differing(desk.View(), area, shown, [&](PixelPoint p) { return p.x == origin.x || p.y == origin.y; }), 0);
}

}  // namespace
}  // namespace vardek::testing
