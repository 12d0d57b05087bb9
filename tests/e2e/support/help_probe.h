// Sees whether the program opened its help page: for as long as it lives, HTML pages open with a
// command that writes the page's path into a file, in place of the browser.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class HelpProbe {
public:
    HelpProbe();
    ~HelpProbe();
    HelpProbe(const HelpProbe&) = delete;
    HelpProbe& operator=(const HelpProbe&) = delete;

    bool Ready() const { return ready_; }
    // The path the page was opened with, waited for up to the given time; empty if none was opened.
    std::wstring OpenedPage(DWORD waitMs) const;

private:
    std::wstring marker_;
    std::wstring previousType_;  // what HTML pages opened with before
    bool ready_ = false;
};

}  // namespace e2e
