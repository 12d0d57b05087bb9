// What the user reads: every readout, Prev and the coordinate line show their widest values whole,
// inside their frames and inside the window, at every display scaling.
#include <array>

#include "coordview/readouts.h"
#include "platform/headless/text_metrics.h"
#include "program_fixture.h"

namespace vardek::testing {
namespace {

using platform::headless::HeadlessControl;
using platform::headless::TextWidth;

constexpr std::array kDpis = {96, 120, 144, 192};
constexpr std::array<std::string_view, 3> kColourReadouts = {"CR", "CG", "CB"};

bool IsColourReadout(std::string_view name)
{
    return std::find(kColourReadouts.begin(), kColourReadouts.end(), name) != kColourReadouts.end();
}

struct Started {
    explicit Started(int dpi) : world(Config(dpi)), program(world)
    {
        world.Run([this] { program.Start(); });
        world.Run([this] { (void)world.GetForm(FormId::Form2); });
    }
    static WorldConfig Config(int dpi)
    {
        WorldConfig config;
        config.dpi = dpi;
        return config;
    }
    HeadlessControl& Show(FormId form, std::string_view name, std::string_view text)
    {
        HeadlessControl& control = world.ControlOf(form, name);
        world.Run([&] { control.SetCaption(text); });
        return control;
    }

    World world;
    Program program;
};

TEST(TextFit, EveryDpi_WidestValuesShowWholeInsideTheirFrames)
{
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        Started s(dpi);
        const PixelSize view = s.world.Window(FormId::Form2).ClientSize();
        for (std::string_view name : kReadoutNames) {
            SCOPED_TRACE(name);
            const HeadlessControl& label = s.Show(FormId::Form2, name, IsColourReadout(name) ? "255" : "-32768");
            EXPECT_GE(label.CaptionRoom(), 0);
            EXPECT_LE(label.Bounds().right, view.width);
        }
        EXPECT_GE(s.Show(FormId::Form1, "Prev", "-32768,-32768").CaptionRoom(), 0);
        EXPECT_GE(s.Show(FormId::Form1, "Label1", "(-32768,-32768) <-32768,-32768>").CaptionRoom(), 0);
    }
}

TEST(TextFit, NarrowerThanTheWidestValue_IsCut)
{
    // The model itself must be able to fail: one more digit than any readout can show.
    Started s(kDpis.front());
    EXPECT_LT(s.Show(FormId::Form2, "X1", "-327680").CaptionRoom(), 0);
    EXPECT_LT(s.Show(FormId::Form2, "CR", "2555").CaptionRoom(), 0);
    EXPECT_LT(s.Show(FormId::Form2, "GX", "-327680").CaptionRoom(), 0);
    EXPECT_LT(s.Show(FormId::Form1, "Prev", "-32768,-327680").CaptionRoom(), 0);
}

// The right end of a coordinate line drawn in the ruler's Label1, in client pixels, and the blank a
// framed label keeps, which the line keeps from the window's edge too.
int LineEnd(Started& s, std::string_view line, int dpi)
{
    const HeadlessControl& label = s.world.ControlOf(FormId::Form1, "Label1");
    return label.Bounds().left + TextWidth(line, s.world.Window(FormId::Form1).Definition().font, dpi) +
           ScaleForDpi(kFramedTextInset, dpi);
}

TEST(TextFit, DefaultRuler_FourDigitNegativeLineEndsInsideTheWindow)
{
    constexpr std::string_view kLine = "(-1920,-1080) <-1920,-1080>";
    const int width = Form1Definition().client.width;
    bool narrowerFailsSomewhere = false;
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        Started s(dpi);
        EXPECT_LE(LineEnd(s, kLine, dpi), s.world.Window(FormId::Form1).ClientSize().width);
        narrowerFailsSomewhere |= LineEnd(s, kLine, dpi) > TwipsToPixels(width - 15, dpi);
    }
    // The smallest such width in whole pixels at 96 DPI: one less would cut the line.
    EXPECT_EQ(width % 15, 0);
    EXPECT_TRUE(narrowerFailsSomewhere);
}

// The rows read as before: value labels apart from each other and inside the view, and each heading
// left of its value with no other value between them.
TEST(ViewLayout, EveryDpi_ValuesApartInsideAndRightOfTheirHeadings)
{
    constexpr std::pair<std::string_view, std::string_view> kHeadingLeftOf[] = {
        {"Label15", "GX"}, {"Label16", "GY"}, {"Label4", "X1"},  {"Label5", "Y1"},  {"Label3", "X2"}, {"Label7", "Y2"},
        {"Label9", "SW"},  {"Label11", "SH"}, {"Label12", "CR"}, {"Label13", "CG"}, {"Label14", "CB"}};
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        Started s(dpi);
        auto bounds = [&](std::string_view name) { return s.world.ControlOf(FormId::Form2, name).Bounds(); };
        auto overlap = [](const PixelRect& a, const PixelRect& b) {
            return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
        };
        const PixelSize view = s.world.Window(FormId::Form2).ClientSize();
        std::vector<std::string_view> boxes(kReadoutNames.begin(), kReadoutNames.end());
        boxes.emplace_back("Text1");
        // The two label-buttons share a frame edge, as they always have.
        EXPECT_LE(bounds("Label18").right, view.width);
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_LE(bounds(boxes[i]).right, view.width) << boxes[i];
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                EXPECT_FALSE(overlap(bounds(boxes[i]), bounds(boxes[j]))) << boxes[i] << " and " << boxes[j];
            }
        }
        for (auto [heading, value] : kHeadingLeftOf) {
            const PixelRect h = bounds(heading);
            const PixelRect v = bounds(value);
            EXPECT_LT(h.left, v.left) << heading;
            const PixelRect between{h.left, h.top, v.left, h.bottom};
            for (std::string_view other : kReadoutNames) {
                EXPECT_FALSE(other != value && overlap(between, bounds(other))) << other << " covers " << heading;
            }
        }
    }
}

}  // namespace
}  // namespace vardek::testing
