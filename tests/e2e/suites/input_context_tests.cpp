// Which of the program's windows take keys through an input method. The ruler's keys are commands,
// so neither it nor any window inside it may have an input-method context; the view's text box
// keeps one. Another process cannot ask the input method, so the program answers for its windows.
#include <string>
#include <vector>

#include "check.h"
#include "platform/win32/messages.h"
#include "ruler.h"
#include "scripted_measurement.h"
#include "session.h"

namespace e2e {
namespace {

// The program's answer through the form window `asked`; -2 if it did not answer.
long InputContextOf(HWND asked, HWND window)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(asked, vardek::platform::win32::kMsgHasInputContext, reinterpret_cast<WPARAM>(window), 0,
                             SMTO_ABORTIFHUNG, 2000, &result)) {
        return -2;
    }
    return static_cast<long>(static_cast<LRESULT>(result));
}

std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

void InputContextTests(Session& s)
{
    BeginGroup("input method");
    HWND view = CoordViewOf(s);
    if (!CHECK(view != nullptr, "the coordinate view is open")) {
        return;
    }
    for (HWND asked : {s.ruler, view}) {
        const char* through = asked == s.ruler ? "asked through the ruler" : "asked through the view";
        std::vector<HWND> windows = Descendants(s.ruler);
        windows.insert(windows.begin(), s.ruler);
        std::string answers;
        int withContext = 0;
        for (HWND window : windows) {
            const long answer = InputContextOf(asked, window);
            if (answer != 0) {
                ++withContext;
                answers +=
                    Format(" %s %s: %ld;", Utf8(ClassOf(window)).c_str(), DescribeText(TextOf(window)).c_str(), answer);
            }
        }
        Record(withContext == 0,
               Format("the ruler and its %d windows inside have no input-method context, %s",
                      static_cast<int>(windows.size()) - 1, through),
               answers);
        CheckEqual(Format("Text1 keeps its input-method context, %s", through),
                   InputContextOf(asked, ViewControl(view, "Text1")), 1L);
        CheckEqual(Format("a window of another program is not the program's, %s", through),
                   InputContextOf(asked, s.pattern.Handle()), -1L);
    }
}

}  // namespace e2e
