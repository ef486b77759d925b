// EnableControls on a real dialog, Parent2Here copying painted pixels of a parent, and
// FindWindowByClassName matching whole class names of top-level windows only.

#include <VoHelpers.h>

#include "FrameTestIds.h"
#include "../common/GdiTestSupport.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace {

void RegisterTestClass(const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    if (!RegisterClassW(&windowClass)) {
        ASSERT_EQ(static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS), GetLastError());
    }
}

HWND CreateTestWindow(const wchar_t* className, DWORD style, int x, int y, int width, int height, HWND parent = nullptr)
{
    return CreateWindowExW(0, className, L"", style, x, y, width, height, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool IsReadOnly(HWND edit)
{
    return (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

} // namespace

// The dialog IDD_FRAME_CONTROLS plus a rich edit and a static panel holding its own button.
TEST(EnableControls, DisablesControlsKeepsEditsReadableAndRestoresEverything)
{
    const INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    ASSERT_NE(nullptr, LoadLibraryW(L"riched20.dll"));
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FRAME_CONTROLS), nullptr,
                                     QuietDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    HWND richEdit = CreateTestWindow(L"RichEdit20W", WS_CHILD | WS_VISIBLE, 100, 80, 60, 20, dialog);
    HWND panel = CreateTestWindow(L"Static", WS_CHILD | WS_VISIBLE, 100, 110, 60, 20, dialog);
    HWND innerButton = CreateTestWindow(L"Button", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, panel);
    ASSERT_NE(nullptr, richEdit);
    ASSERT_NE(nullptr, innerButton);
    HWND edit = GetDlgItem(dialog, IDC_FRAME_EDIT);
    const HWND switched[] = {GetDlgItem(dialog, IDC_FRAME_BUTTON), GetDlgItem(dialog, IDC_FRAME_COMBO),
                             GetDlgItem(dialog, IDC_FRAME_LIST), richEdit};

    EnableControls(CWnd::FromHandle(dialog), FALSE);
    for (HWND control : switched)
        EXPECT_FALSE(IsWindowEnabled(control)) << GetDlgCtrlID(control);
    EXPECT_TRUE(IsWindowEnabled(edit));
    EXPECT_TRUE(IsReadOnly(edit));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_FRAME_STATIC)));
    EXPECT_TRUE(IsWindowEnabled(panel));
    EXPECT_TRUE(IsWindowEnabled(innerButton)) << "only direct children are treated";

    EnableControls(CWnd::FromHandle(dialog), TRUE);
    for (HWND control : switched)
        EXPECT_TRUE(IsWindowEnabled(control)) << GetDlgCtrlID(control);
    EXPECT_FALSE(IsReadOnly(edit));
    EnableControls(nullptr, FALSE);
    DestroyWindow(dialog);
}

namespace {

// Client area: top-left red, top-right blue (from x 100), bottom green (from y 50).
LRESULT CALLBACK PaintedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const struct {
        RECT area;
        COLORREF colour;
    } parts[] = {{{0, 0, 100, 50}, kRed}, {{100, 0, 400, 50}, kBlue}, {{0, 50, 400, 300}, kGreen}};
    for (const auto& part : parts) {
        HBRUSH brush = CreateSolidBrush(part.colour);
        FillRect(dc, &part.area, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
    return 0;
}

// What Parent2Here draws for window into a white 60 x 40 memory bitmap, read at the given points.
std::vector<COLORREF> CopiedPixels(HWND window, std::initializer_list<POINT> points)
{
    CDibTarget target(60, 40, kWhite);
    Parent2Here(CWnd::FromHandle(window), target.GetDC());
    std::vector<COLORREF> pixels;
    for (const POINT& point : points)
        pixels.push_back(target.Pixel(point.x, point.y));
    return pixels;
}

} // namespace

TEST(ParentBackground, CopiesThePixelsUnderTheWindow)
{
    RegisterTestClass(L"VoFrameTestPainted", PaintedWindowProc);
    HWND parent = CreateTestWindow(L"VoFrameTestPainted", WS_POPUP | WS_VISIBLE, 40, 40, 200, 100);
    ASSERT_NE(nullptr, parent);
    // The child stays hidden, so the parent's own pixels are what lies under it (from 80, 30).
    HWND child = CreateTestWindow(L"Static", WS_CHILD, 80, 30, 60, 40, parent);
    ASSERT_NE(nullptr, child);
    UpdateWindow(parent);

    const std::vector<COLORREF> expected = {kRed, kRed, kBlue, kBlue, kGreen, kGreen};
    EXPECT_EQ(expected, CopiedPixels(child, {{0, 0}, {19, 19}, {20, 0}, {59, 19}, {0, 20}, {59, 39}}));
    EXPECT_EQ(std::vector<COLORREF>{kWhite}, CopiedPixels(parent, {{0, 0}})) << "a window without parent";
    DestroyWindow(parent);
}

TEST(FindByClassName, MatchesWholeNamesOfTopLevelWindowsIgnoringCase)
{
    RegisterTestClass(L"VoFrameTestTarget", DefWindowProcW);
    RegisterTestClass(L"VoFrameTestChildOnly", DefWindowProcW);
    HWND target = CreateTestWindow(L"VoFrameTestTarget", WS_POPUP, 0, 0, 10, 10);
    ASSERT_NE(nullptr, target);
    ASSERT_NE(nullptr, CreateTestWindow(L"VoFrameTestChildOnly", WS_CHILD, 0, 0, 5, 5, target));

    EXPECT_EQ(target, FindWindowByClassName(L"voframetestTARGET"));
    EXPECT_EQ(nullptr, FindWindowByClassName(L"VoFrameTestTarg"));
    EXPECT_EQ(nullptr, FindWindowByClassName(L"VoFrameTestTargetX"));
    EXPECT_EQ(nullptr, FindWindowByClassName(L"VoFrameTestChildOnly"));
    DestroyWindow(target);
    EXPECT_EQ(nullptr, FindWindowByClassName(L"VoFrameTestTarget"));
}
