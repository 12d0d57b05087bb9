#include "platform/form_rules.h"

#include <algorithm>

namespace vardek::platform {
namespace {
constexpr int kKeyTab = 9;
}  // namespace

const FormDef& DefinitionOf(FormId id)
{
    return id == FormId::Form1 ? Form1Definition() : Form2Definition();
}

bool IsTabStop(const ControlDef& def)
{
    return def.tabIndex >= 0 && def.kind != Kind::Label && def.kind != Kind::Line && def.kind != Kind::Shape &&
           def.parent.empty();
}

int NextTabStop(std::span<const TabCandidate> candidates, bool backwards)
{
    std::vector<std::pair<int, int>> stops;  // tab index, candidate
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const TabCandidate& c = candidates[i];
        if (c.def != nullptr && IsTabStop(*c.def) && c.canTakeFocus) {
            stops.emplace_back(c.def->tabIndex, static_cast<int>(i));
        }
    }
    if (stops.empty()) {
        return -1;
    }
    std::sort(stops.begin(), stops.end());
    const auto count = static_cast<int>(stops.size());
    const auto current =
        std::find_if(stops.begin(), stops.end(), [&](const auto& stop) { return candidates[stop.second].focused; });
    int next = backwards ? count - 1 : 0;
    if (current != stops.end()) {
        const auto index = static_cast<int>(current - stops.begin());
        next = (index + (backwards ? count - 1 : 1)) % count;
    }
    return stops[static_cast<std::size_t>(next)].second;
}

bool DeliverKeyDown(const KeyEvent& key, const KeyRoute& route, const SlotRunner& runSlot)
{
    if (Form* form = route.form(); form != nullptr && DefinitionOf(form->Id()).keyPreview) {
        runSlot(form->onKeyDown, key);
    }
    if (route.form() == nullptr) {
        return false;
    }
    if (key.keyCode == kKeyTab && (key.shift & (kCtrlMask | kAltMask)) == 0) {
        route.moveByTab((key.shift & kShiftMask) != 0);
        return true;
    }
    if (Control* target = route.target()) {
        runSlot(target->onKeyDown, key);
    }
    return false;
}

}  // namespace vardek::platform
