// EnableControls on a real dialog, Parent2Here copying painted pixels of a parent, and
// FindWindowByClassName matching whole class names of top-level windows only.

#include <VoHelpers.h>

#include "FrameTestIds.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const wchar_t kPaintedClass[] = L"VoFrameTestPainted";
const wchar_t kTargetClass[] = L"VoFrameTestTarget";
const wchar_t kChildOnlyClass[] = L"VoFrameTestChildOnly";

void RegisterTestClass(const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (!RegisterClassW(&windowClass)) {
        ASSERT_EQ(static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS), GetLastError());
    }
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool IsReadOnly(HWND edit)
{
    return (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
}

// The dialog IDD_FRAME_CONTROLS plus a rich edit and a static panel holding its own button.
class ControlsDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        ASSERT_NE(nullptr, LoadLibraryW(L"riched20.dll"));
        m_dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FRAME_CONTROLS),
                                      nullptr, QuietDialogProc, 0);
        ASSERT_NE(nullptr, m_dialog);
        m_richEdit = CreateChild(m_dialog, L"RichEdit20W", 100, 80);
        m_panel = CreateChild(m_dialog, L"Static", 100, 110);
        m_innerButton = CreateChild(m_panel, L"Button", 0, 0);
        ASSERT_NE(nullptr, m_richEdit);
        ASSERT_NE(nullptr, m_innerButton);
    }
    void TearDown() override { DestroyWindow(m_dialog); }

    static HWND CreateChild(HWND parent, const wchar_t* className, int x, int y)
    {
        return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, x, y, 60, 20, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }

    HWND m_dialog = nullptr;
    HWND m_richEdit = nullptr;
    HWND m_panel = nullptr;
    HWND m_innerButton = nullptr;
};

} // namespace

TEST_F(ControlsDialog, DisablingKeepsEditsReadableAndSkipsOthers)
{
    EnableControls(CWnd::FromHandle(m_dialog), FALSE);

    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FRAME_BUTTON)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FRAME_COMBO)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FRAME_LIST)));
    EXPECT_FALSE(IsWindowEnabled(m_richEdit));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FRAME_EDIT)));
    EXPECT_TRUE(IsReadOnly(Item(IDC_FRAME_EDIT)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FRAME_STATIC)));
    EXPECT_TRUE(IsWindowEnabled(m_panel));
    EXPECT_TRUE(IsWindowEnabled(m_innerButton));
}

TEST_F(ControlsDialog, EnablingRestoresEverything)
{
    EnableControls(CWnd::FromHandle(m_dialog), FALSE);
    EnableControls(CWnd::FromHandle(m_dialog), TRUE);

    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FRAME_BUTTON)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FRAME_COMBO)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_FRAME_LIST)));
    EXPECT_TRUE(IsWindowEnabled(m_richEdit));
    EXPECT_FALSE(IsReadOnly(Item(IDC_FRAME_EDIT)));
    EnableControls(nullptr, FALSE);
}

namespace {

const COLORREF kTopLeft = RGB(255, 0, 0);
const COLORREF kTopRight = RGB(0, 0, 255);
const COLORREF kBottom = RGB(0, 160, 0);
const COLORREF kUntouched = RGB(255, 255, 255);

// Paints its client area in three parts: top-left red, top-right blue (from x 100), bottom
// green (from y 50).
LRESULT CALLBACK PaintedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const struct { RECT area; COLORREF colour; } parts[] = {
        {{0, 0, 100, 50}, kTopLeft}, {{100, 0, 400, 50}, kTopRight}, {{0, 50, 400, 300}, kBottom}};
    for (const auto& part : parts) {
        HBRUSH brush = CreateSolidBrush(part.colour);
        FillRect(dc, &part.area, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
    return 0;
}

// A 32-bit memory bitmap of 60 x 40 pixels filled white, selected into a memory DC.
class MemoryCanvas
{
public:
    MemoryCanvas()
    {
        m_dc = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = 60;
        info.bmiHeader.biHeight = -40;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        const RECT all = {0, 0, 60, 40};
        FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~MemoryCanvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Get() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

void CopyParentInto(HWND window, const MemoryCanvas& canvas)
{
    CDC target;
    target.Attach(canvas.Get());
    Parent2Here(CWnd::FromHandle(window), &target);
    target.Detach();
}

} // namespace

TEST(ParentBackground, CopiesThePixelsUnderTheWindow)
{
    RegisterTestClass(kPaintedClass, PaintedWindowProc);
    HWND parent = CreateWindowExW(WS_EX_TOOLWINDOW, kPaintedClass, L"", WS_POPUP | WS_VISIBLE, 40, 40,
                                  200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, parent);
    // The child stays hidden, so the parent's own pixels are what lies under it.
    HWND child = CreateWindowExW(0, L"Static", L"", WS_CHILD, 80, 30, 60, 40, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, child);
    UpdateWindow(parent);

    const MemoryCanvas canvas;
    CopyParentInto(child, canvas);
    EXPECT_EQ(kTopLeft, canvas.Pixel(0, 0));
    EXPECT_EQ(kTopLeft, canvas.Pixel(19, 19));
    EXPECT_EQ(kTopRight, canvas.Pixel(20, 0));
    EXPECT_EQ(kTopRight, canvas.Pixel(59, 19));
    EXPECT_EQ(kBottom, canvas.Pixel(0, 20));
    EXPECT_EQ(kBottom, canvas.Pixel(59, 39));

    const MemoryCanvas untouched;
    CopyParentInto(parent, untouched);
    EXPECT_EQ(kUntouched, untouched.Pixel(0, 0));
    DestroyWindow(parent);
}

TEST(FindByClassName, MatchesWholeNamesOfTopLevelWindowsIgnoringCase)
{
    RegisterTestClass(kTargetClass, DefWindowProcW);
    RegisterTestClass(kChildOnlyClass, DefWindowProcW);
    HWND target = CreateWindowExW(0, kTargetClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, target);
    HWND child = CreateWindowExW(0, kChildOnlyClass, L"", WS_CHILD, 0, 0, 5, 5, target, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, child);

    EXPECT_EQ(target, FindWindowByClassName(L"voframetestTARGET"));
    EXPECT_EQ(nullptr, FindWindowByClassName(L"VoFrameTestTarg"));
    EXPECT_EQ(nullptr, FindWindowByClassName(L"VoFrameTestTargetX"));
    EXPECT_EQ(nullptr, FindWindowByClassName(kChildOnlyClass));

    DestroyWindow(target);
    EXPECT_EQ(nullptr, FindWindowByClassName(kTargetClass));
}
