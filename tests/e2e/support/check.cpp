#include "check.h"

#include <cstdarg>
#include <cstdio>

namespace e2e {
namespace {

int passed = 0;
int failed = 0;
std::string group = "-";

std::string VFormat(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

std::string Utf8(const std::wstring& text)
{
    if (text.empty()) {
        return {};
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
}

void Log(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = VFormat(format, args) + "\n";
    va_end(args);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void BeginGroup(const char* name)
{
    group = name;
    Log("== %s", name);
}

bool Record(bool ok, const std::string& what, const std::string& detail)
{
    ++(ok ? passed : failed);
    Log("%s [%s] %s%s%s", ok ? "PASS" : "FAIL", group.c_str(), what.c_str(), detail.empty() ? "" : ": ",
        detail.c_str());
    return ok;
}

int PassedCount()
{
    return passed;
}
int FailedCount()
{
    return failed;
}

std::string DescribeText(std::wstring_view value)
{
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "\"" + std::string.
    std::string quoted(1, '"');
    quoted += Utf8(std::wstring(value));
    quoted += '"';
    return quoted;
}

std::string DescribeRect(const RECT& value)
{
    return Format("(%ld,%ld)-(%ld,%ld)", value.left, value.top, value.right, value.bottom);
}

std::string DescribePoint(const POINT& value)
{
    return Format("(%ld,%ld)", value.x, value.y);
}

std::string DescribeColour(COLORREF value)
{
    return Format("#%02X%02X%02X", GetRValue(value), GetGValue(value), GetBValue(value));
}

}  // namespace e2e
