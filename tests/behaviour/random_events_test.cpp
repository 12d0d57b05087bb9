// Random input by the hundred thousand: keys, pointer moves and presses, clicks on both windows,
// resizes down to nothing, minimise and restore, closing the view, activation changes, and events
// that arrive in the middle of a handler's yield. After every event the program's invariants are
// checked. VARDEK_RANDOM_SEED and VARDEK_RANDOM_EVENTS choose another run; a failure prints the
// seed and the shortest sequence found that still fails.
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>

#include "coordview/readouts.h"
#include "measure_fixture.h"
#include "ruler/position_text.h"

namespace vardek::testing {
namespace {

enum class Kind {
    Key,
    MoveInPicture,
    MoveAnywhere,
    Press,
    Release,
    ClickRuler,
    ClickView,
    Resize,
    Minimize,
    Restore,
    CloseView,
    MoveRuler,
    MoveView,
    Activate,
    ActivateOther,
    Count
};

struct Event {
    Kind kind = Kind::Key;
    int a = 0;
    int b = 0;
};

struct Step {
    Event main;
    std::optional<Event> nested;  // delivered during one of the main event's yields
    int skip = 0;                 // how many yields to let pass first
};

constexpr int kKeys[] = {32, 37, 38, 39, 40, 66, 78, 86, 67, 72, 71, 112, 65, 90, 9, 16, 13, 27};
const char* const kRulerButtons[] = {"Command1", "Command2", "Command3", "Command4"};
const char* const kViewTargets[] = {"DispX", "DispY", "X1", "Y1",      "X2",      "Y2", "SW",      "SH",
                                    "CR",    "CG",    "CB", "Label17", "Label18", "GX", "Label10", "Picture1"};

// "0" or a decimal number: a minus sign for negative values, no blank, no leading zeros.
bool IsNumberText(const std::string& text)
{
    const std::size_t digits = text.starts_with('-') ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos) {
        return false;
    }
    return text[digits] != '0' || (text.size() == 1);
}

std::string Describe(const Event& e)
{
    static const char* const names[] = {"key",         "move-in",    "move",      "press",    "release",
                                        "click-ruler", "click-view", "resize",    "minimise", "restore",
                                        "close-view",  "move-ruler", "move-view", "activate", "activate-other"};
    std::ostringstream out;
    out << names[static_cast<int>(e.kind)] << "(" << e.a << "," << e.b << ")";
    return out.str();
}

Event RandomEvent(std::mt19937& rng)
{
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    // Keys and pointer moves are what a measuring user mostly does.
    const int roll = pick(100);
    Event e;
    if (roll < 35) {
        e = {Kind::Key, kKeys[pick(std::size(kKeys))], pick(8)};
    } else if (roll < 60) {
        e = {Kind::MoveInPicture, pick(440) - 20, pick(340) - 20};
    } else {
        e.kind = static_cast<Kind>(3 + pick(static_cast<int>(Kind::Count) - 3));
        e.a = pick(1000);
        e.b = pick(1000);
        if (e.kind == Kind::MoveAnywhere && pick(2) == 0) {
            e.kind = Kind::MoveInPicture;
        }
    }
    return e;
}

std::vector<Step> RandomSteps(unsigned seed, int count)
{
    std::mt19937 rng(seed);
    std::vector<Step> steps;
    steps.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Step step{RandomEvent(rng), std::nullopt, 0};
        if (rng() % 10 == 0) {
            step.nested = RandomEvent(rng);
            step.skip = static_cast<int>(rng() % 6);
        }
        steps.push_back(step);
    }
    return steps;
}

class Run {
public:
    Run() : world_(TestDesktopConfig()), program_(world_)
    {
        world_.Run([this] { program_.Start(); });
    }

    // Applies one step and checks the invariants; the failure, if any.
    std::optional<std::string> Apply(const Step& step)
    {
        const std::string textBefore = ViewText();
        const int viewBefore = ViewSerial();
        if (step.nested) {
            // What a nested event did in between cannot be told from the outside.
            nestedSinceClear_ = true;
            originSinceDisabled_ = true;
            world_.DuringYield(step.skip, [this, nested = *step.nested] { Deliver(nested, false); });
        }
        Deliver(step.main, true);
        if (program_.Ruler().State().OriginMode == 1) {
            originSinceDisabled_ = true;
        }
        // An event meant for a yield that never came is not delivered later.
        world_.ForgetDuringYield();
        if (auto failure = CheckInvariants()) {
            return failure;
        }
        // Once made, the view lives as long as the program, and with it the collected line.
        if (viewBefore != 0 && ViewSerial() != viewBefore) {
            return "the coordinate view was made again";
        }
        const bool collects =
            step.main.kind == Kind::ClickView || (step.nested && step.nested->kind == Kind::ClickView);
        if (!collects && viewBefore != 0 && ViewText() != textBefore) {
            return "Text1 changed without a click in the view: \"" + textBefore + "\" -> \"" + ViewText() + "\"";
        }
        return std::nullopt;
    }

private:
    std::string ViewText() const
    {
        auto* view = world_.Loaded(FormId::Form2);
        return view ? view->Find("Text1")->Caption() : std::string();
    }
    int ViewSerial() const
    {
        auto* view = world_.Loaded(FormId::Form2);
        return view ? view->Serial() : 0;
    }

    void Deliver(const Event& e, bool pump)
    {
        auto& ruler = world_.Window(FormId::Form1);
        const PixelRect drawing = ruler.Picture("Picture1").DrawingAreaOnScreen();
        // Inside a yield only queue, as input arriving then would be; the yield delivers it.
        auto run = [&](const std::function<void()>& direct) {
            if (pump) {
                direct();
            } else {
                world_.Post(direct);
            }
        };
        switch (e.kind) {
            case Kind::Key:
                run([this, e] { world_.PressKey(e.a, e.b); });
                break;
            case Kind::MoveInPicture:
                run([this, p = PixelPoint{drawing.left + e.a, drawing.top + e.b}] { world_.MovePointer(p); });
                break;
            case Kind::MoveAnywhere:
                run([this, e] { world_.MovePointer({e.a - 100, e.b - 100}); });
                break;
            case Kind::Press:
                run([this, p = PixelPoint{drawing.left + e.a % 420 - 10, drawing.top + e.b % 300 - 10}, e] {
                    world_.PressButton(p, 1 << (e.a % 3));
                });
                break;
            case Kind::Release:
                run([this] { world_.ReleaseButton(); });
                break;
            case Kind::ClickRuler:
                run([this, e] { world_.Click(FormId::Form1, kRulerButtons[e.a % std::size(kRulerButtons)]); });
                break;
            case Kind::ClickView:
                run([this, e] {
                    if (world_.IsLoaded(FormId::Form2)) {
                        world_.Click(FormId::Form2, kViewTargets[e.a % std::size(kViewTargets)]);
                    }
                });
                break;
            case Kind::Resize:
                // Down to nothing, with small clients twice as likely.
                run([this, e] { world_.ResizeClient(FormId::Form1, {e.a % 420, (e.b % 2 ? e.b % 60 : e.b % 320)}); });
                break;
            case Kind::Minimize:
                run([this] {
                    if (!world_.Window(FormId::Form1).IsMinimized()) {
                        world_.Minimize(FormId::Form1);
                    }
                });
                break;
            case Kind::Restore:
                run([this] {
                    if (world_.Window(FormId::Form1).IsMinimized()) {
                        world_.Restore(FormId::Form1);
                    }
                });
                break;
            case Kind::CloseView:
                run([this] { world_.CloseBox(FormId::Form2); });
                break;
            case Kind::MoveRuler:
                run([this, e] { world_.MoveWindow(FormId::Form1, {e.a - 60, e.b % 700 - 40}); });
                break;
            case Kind::MoveView:
                run([this, e] {
                    if (world_.IsLoaded(FormId::Form2)) {
                        world_.MoveWindow(FormId::Form2, {e.a % 900, e.b % 700});
                    }
                });
                break;
            case Kind::Activate:
                run([this, e] {
                    const FormId id = e.a % 2 == 0 || !world_.IsLoaded(FormId::Form2) ? FormId::Form1 : FormId::Form2;
                    world_.ActivateByUser(id);
                });
                break;
            case Kind::ActivateOther:
                run([this] { world_.ActivateOtherProgram(); });
                break;
            case Kind::Count:
                break;
        }
    }

    std::optional<std::string> CheckInvariants()
    {
        if (world_.Ended() || !world_.IsLoaded(FormId::Form1)) {
            return "the program ended";
        }
        if (!world_.SlotFailures().empty()) {
            return "a handler threw: " + world_.SlotFailures().front();
        }
        const ViewState& state = program_.Ruler().State();
        if (state.TrackingOff != 0 || (state.OriginMode != 0 && state.OriginMode != 1) ||
            (state.ColorPick != 0 && state.ColorPick != -1) ||
            (state.RestorePending != 0 && state.RestorePending != -1)) {
            return "a flag holds a value it may not hold at rest";
        }
        auto& ruler = world_.Window(FormId::Form1);
        if (!ruler.IsMinimized() && state.RestorePending == 0) {
            if (!ruler.Shape() || ruler.Shape()->hole.has_value() != program_.Ruler().FrameCut()) {
                return "the window has a hole exactly when no snapshot is shown: not so";
            }
            if (ruler.Shape()->hole) {
                const PixelRect drawing = ruler.Picture("Picture1").DrawingAreaOnScreen();
                const PixelRect outer = ruler.WindowRect();
                const PixelRect expected{drawing.left - outer.left, drawing.top - outer.top, drawing.right - outer.left,
                                         drawing.bottom - outer.top};
                if (*ruler.Shape()->hole != expected) {
                    return "the hole is not the picture's drawing area";
                }
            }
        }
        if (auto* view = world_.Loaded(FormId::Form2)) {
            for (std::string_view name : kReadoutNames) {
                if (!IsNumberText(view->Find(name)->Caption())) {
                    return "readout " + std::string(name) + " reads \"" + view->Find(name)->Caption() + "\"";
                }
                if (view->Find(name)->CaptionRoom() < 0) {
                    return "readout " + std::string(name) + " cuts \"" + view->Find(name)->Caption() + "\"";
                }
            }
        }
        const std::string prev = ruler.Find("Prev")->Caption();
        if (ruler.Find("Prev")->CaptionRoom() < 0 || ruler.Find("Label1")->CaptionRoom() < 0) {
            return "the bar cuts \"" + prev + "\" or \"" + ruler.Find("Label1")->Caption() + "\"";
        }
        const PositionText remembered = ParsePositionText(prev);
        if (FormatPositionText(remembered.x, remembered.y) != prev) {
            return "Prev \"" + prev + "\" does not read back as the point stored";
        }
        // "復元" is offered only once an origin has been fixed since the last layout disabled it.
        if (!ruler.Find("Command3")->Enabled()) {
            originSinceDisabled_ = false;
        } else if (!originSinceDisabled_) {
            return "\"復元\" is enabled with no origin remembered";
        }
        if (state.OriginMode == 0) {
            nestedSinceClear_ = false;
        } else if (!nestedSinceClear_ && (remembered.x != state.OriginX || remembered.y != state.OriginY)) {
            return "the origin is not the point Prev remembers";
        }
        return std::nullopt;
    }

    World world_;
    Program program_;
    bool nestedSinceClear_ = false;
    bool originSinceDisabled_ = false;
};

// The index of the first failing step, and what failed.
std::optional<std::pair<std::size_t, std::string>> FirstFailure(const std::vector<Step>& steps)
{
    Run run;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (auto failure = run.Apply(steps[i])) {
            return std::pair{i, *failure};
        }
    }
    return std::nullopt;
}

// Removes chunks of steps while the sequence still fails, halving the chunks as it goes.
std::vector<Step> Shrink(std::vector<Step> steps, int budget)
{
    for (std::size_t chunk = steps.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= steps.size() && budget > 0;) {
            std::vector<Step> fewer(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(at));
            fewer.insert(fewer.end(), steps.begin() + static_cast<std::ptrdiff_t>(at + chunk), steps.end());
            --budget;
            if (auto failure = FirstFailure(fewer)) {
                fewer.resize(failure->first + 1);
                steps = std::move(fewer);
            } else {
                at += chunk;
            }
        }
    }
    return steps;
}

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::atoi(value) : fallback;
}

TEST(RandomEvents, ManyEvents_KeepEveryInvariant)
{
    const auto seed = static_cast<unsigned>(FromEnvironment("VARDEK_RANDOM_SEED", 20261207));
    const int count = FromEnvironment("VARDEK_RANDOM_EVENTS", 200000);
    const std::vector<Step> steps = RandomSteps(seed, count);
    const auto failure = FirstFailure(steps);
    if (!failure) {
        SUCCEED() << count << " events, seed " << seed;
        return;
    }
    std::vector<Step> failing(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(failure->first + 1));
    failing = Shrink(std::move(failing), 400);
    std::ostringstream sequence;
    for (const Step& step : failing) {
        sequence << "  " << Describe(step.main);
        if (step.nested) {
            sequence << " with " << Describe(*step.nested) << " during yield " << step.skip;
        }
        sequence << "\n";
    }
    const auto shortest = FirstFailure(failing);
    ADD_FAILURE() << "seed " << seed << ", event " << failure->first << " of " << count << ": " << failure->second
                  << "\nshortest failing sequence (" << failing.size()
                  << " events): " << (shortest ? shortest->second : std::string("(no longer fails)")) << "\n"
                  << sequence.str();
}

}  // namespace
}  // namespace vardek::testing
