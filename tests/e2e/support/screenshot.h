// Screenshots are taken by the script that runs the driver (outside Wine): the driver leaves a
// request file in the screenshot folder and waits until the script has taken the picture and
// removed the file.
#pragma once

#include <string>

namespace e2e {

// The folder (a Windows path) where requests go; none means screenshots are skipped.
void SetScreenshotFolder(const std::wstring& folder);
const std::wstring& ScreenshotFolder();
// Asks for <folder>/<name>.png; true once taken, false if skipped or the script did not answer in time.
bool RequestScreenshot(const std::wstring& name);

}  // namespace e2e
