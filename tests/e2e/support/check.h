// Pass/fail bookkeeping for the end-to-end driver: every check prints one line, the run ends with
// "N passed, N failed". Output is UTF-8 on stdout, flushed line by line so a killed run still shows
// how far it got.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <type_traits>

// Value comparison for the Win32 geometry structs that checks compare.
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator==(const POINT& a, const POINT& b)
{
    return a.x == b.x && a.y == b.y;
}

namespace e2e {

std::string Utf8(const std::wstring& text);
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Names the group whose checks follow, for the report.
void BeginGroup(const char* name);

bool Record(bool ok, const std::string& what, const std::string& detail);
int PassedCount();
int FailedCount();

std::string DescribeText(std::wstring_view value);
std::string DescribeRect(const RECT& value);
std::string DescribePoint(const POINT& value);
std::string DescribeColour(COLORREF value);

template <class T>
std::string Describe(const T& value)
{
    if constexpr (std::is_same_v<T, bool>) {
        return value ? "true" : "false";
    } else if constexpr (std::is_integral_v<T>) {
        return std::to_string(value);
    } else if constexpr (std::is_convertible_v<const T&, std::wstring_view>) {
        return DescribeText(value);
    } else if constexpr (std::is_same_v<T, RECT>) {
        return DescribeRect(value);
    } else if constexpr (std::is_pointer_v<T>) {
        return Format("%p", static_cast<const void*>(value));
    } else {
        return DescribePoint(value);
    }
}

// Records whether actual == expected, showing both when they differ.
template <class Actual, class Expected>
bool CheckEqual(const std::string& what, const Actual& actual, const Expected& expected)
{
    const bool ok = actual == expected;
    return Record(ok, what, ok ? Describe(actual) : "expected " + Describe(expected) + ", got " + Describe(actual));
}

}  // namespace e2e

// CHECK(condition, "what should hold", args...) records one check described by the message.
#define CHECK(cond, ...) ::e2e::Record(static_cast<bool>(cond), ::e2e::Format(__VA_ARGS__), {})
