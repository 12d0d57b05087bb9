#include "readouts.h"

#include <cwchar>
#include <span>
#include <string>
#include <string_view>

#include "../common/baseline_window.h"
#include "windows/form1_definition.h"
#include "windows/form2_definition.h"

namespace vardek::bench {
namespace {

constexpr wchar_t kViewClass[] = L"VardekBaselineReadouts";
constexpr int kTwipsPerPixel = 15;
// Where the coordinate line stands in the main window, and where the second window goes: clear of
// the baseline's own window and of where the driver puts vardek's windows in the pointer stage.
constexpr POINT kLinePlace = {354, 328};
constexpr POINT kViewPlace = {700, 700};
// The fixed origin and first point that the measured texts are relative to, as vardek's are.
constexpr POINT kOrigin = {60, 60};
constexpr POINT kFirst = {80, 70};

constexpr const ControlDef* Row(std::span<const ControlDef> rows, std::string_view name)
{
    for (const ControlDef& row : rows) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

constexpr int Pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// In the order vardek's pointer handler writes them; the first lives in the ruler window.
constexpr std::string_view kViewNames[] = {"GX", "GY", "X2", "Y2", "SW", "SH"};

constexpr bool AllDefined()
{
    for (std::string_view name : kViewNames) {
        if (!Row(form2_rows::kControls, name)) {
            return false;
        }
    }
    return Row(form1_rows::kControls, "Label1") != nullptr;
}
static_assert(AllDefined(), "a readout the pointer writes is missing from the windows' definitions");

HWND g_readouts[7] = {};

std::wstring Wide(std::string_view utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return wide;
}

HFONT MakeFont(const FontDef& font)
{
    const int height = -static_cast<int>(font.points * 96 / 72 + 0.5);
    return CreateFontW(height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                       font.shiftJisCharset ? SHIFTJIS_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, Wide(font.face).c_str());
}

// A STATIC styled as vardek styles a label of that row.
HWND MakeReadout(HWND parent, const ControlDef& row, POINT at, int id, HFONT font)
{
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
    style |= row.align == Align::Centre ? SS_CENTER : row.align == Align::Right ? SS_RIGHT : SS_LEFT;
    if (row.framed) {
        style |= WS_BORDER | SS_CENTERIMAGE;
    }
    HWND label = CreateWindowExW(0, L"STATIC", Wide(row.caption).c_str(), style, at.x, at.y, Pixels(row.rect.width),
                                 Pixels(row.rect.height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

void SetNumber(HWND label, long value)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%ld", value);
    SetWindowTextW(label, text);
}

}  // namespace

void CreateReadouts(HWND mainWindow, HINSTANCE instance)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kViewClass;
    RegisterClassW(&wc);

    HFONT formFont = MakeFont(form1_rows::kForm.font);
    g_readouts[0] =
        MakeReadout(mainWindow, *Row(form1_rows::kControls, "Label1"), kLinePlace, kBaselineEchoId, formFont);

    // A tool window of the coordinate view's client size.
    RECT outer = {0, 0, Pixels(form2_rows::kForm.client.width), Pixels(form2_rows::kForm.client.height)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_TOOLWINDOW);
    HWND view =
        CreateWindowExW(WS_EX_TOOLWINDOW, kViewClass, kBaselineReadoutsTitle, style, kViewPlace.x, kViewPlace.y,
                        outer.right - outer.left, outer.bottom - outer.top, mainWindow, nullptr, instance, nullptr);
    HFONT viewFont = MakeFont(form2_rows::kForm.font);
    for (int i = 0; i < 6; ++i) {
        const ControlDef& row = *Row(form2_rows::kControls, kViewNames[i]);
        HFONT font = row.font ? MakeFont(*row.font) : viewFont;
        g_readouts[i + 1] =
            MakeReadout(view, row, {Pixels(row.rect.left), Pixels(row.rect.top)}, kBaselineEchoId + 1 + i, font);
    }
}

void WriteReadouts(POINT screen)
{
    const long x2 = screen.x - kOrigin.x, y2 = screen.y - kOrigin.y;
    const long sw = screen.x - kFirst.x, sh = screen.y - kFirst.y;
    wchar_t line[64];
    std::swprintf(line, 64, L"(%ld,%ld) <%ld,%ld>", x2, y2, sw, sh);
    SetWindowTextW(g_readouts[0], line);
    SetNumber(g_readouts[1], screen.x);
    SetNumber(g_readouts[2], screen.y);
    SetNumber(g_readouts[3], x2);
    SetNumber(g_readouts[4], y2);
    SetNumber(g_readouts[5], sw);
    SetNumber(g_readouts[6], sh);
}

}  // namespace vardek::bench
