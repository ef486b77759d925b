// Window helpers: enabling a dialog's controls, copying a parent's background, finding a
// top-level window by its class name.

#include <VoHelpers.h>

#include <afxwin.h>

#include <cwchar>
#include <vector>

namespace {

// Longest class name compared by EnableControls and FindWindowByClassName, in characters.
const int kControlClassLength = 60;
const int kWindowClassLength = 256;

// How EnableControls treats a child, chosen by the beginning of its class name.
enum class ChildAction { Enable, MakeReadOnly, Ignore };

struct ClassPrefixRule {
    const wchar_t* prefix;
    ChildAction action;
};

// Checked in this order; the first prefix that matches decides.
const ClassPrefixRule kClassPrefixRules[] = {
    {L"Button", ChildAction::Enable},   {L"ComboBox", ChildAction::Enable},   {L"SysListView", ChildAction::Enable},
    {L"Richedit", ChildAction::Enable}, {L"Edit", ChildAction::MakeReadOnly},
};

ChildAction ActionForClass(const wchar_t* className)
{
    for (const ClassPrefixRule& rule : kClassPrefixRules) {
        if (_wcsnicmp(className, rule.prefix, wcslen(rule.prefix)) == 0)
            return rule.action;
    }
    return ChildAction::Ignore;
}

void EnableChild(HWND child, bool enable)
{
    wchar_t className[kControlClassLength + 1] = {};
    if (GetClassNameW(child, className, kControlClassLength + 1) == 0)
        return;
    switch (ActionForClass(className)) {
    case ChildAction::Enable:
        EnableWindow(child, enable ? TRUE : FALSE);
        break;
    case ChildAction::MakeReadOnly:
        SendMessageW(child, EM_SETREADONLY, enable ? FALSE : TRUE, 0);
        break;
    case ChildAction::Ignore:
        break;
    }
}

BOOL CALLBACK CollectTopLevelWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

bool HasClassName(HWND window, const wchar_t* className)
{
    wchar_t name[kWindowClassLength + 1] = {};
    if (GetClassNameW(window, name, kWindowClassLength + 1) == 0)
        return false;
    return _wcsicmp(name, className) == 0;
}

} // namespace

void EnableControls(CWnd* parent, int enable)
{
    const HWND parentWindow = AfxGetSafeHwnd(parent);
    if (parentWindow == nullptr)
        return;
    for (HWND child = ::GetWindow(parentWindow, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        EnableChild(child, enable != 0);
}

void Parent2Here(CWnd* window, CDC* target)
{
    const HWND self = AfxGetSafeHwnd(window);
    const HDC targetDC = AfxGetSafeHdc(target);
    if (self == nullptr || targetDC == nullptr)
        return;
    const HWND parent = ::GetParent(self);
    if (parent == nullptr)
        return;
    RECT area;
    if (!::GetWindowRect(self, &area))
        return;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    const CScopedGetDC source(parent);
    if (source.Get() == nullptr)
        return;
    ::BitBlt(targetDC, 0, 0, area.right - area.left, area.bottom - area.top, source.Get(), area.left, area.top,
             SRCCOPY);
}

HWND FindWindowByClassName(const wchar_t* className)
{
    if (className == nullptr)
        return nullptr;
    std::vector<HWND> windows;
    EnumWindows(CollectTopLevelWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (IsWindow(window) && HasClassName(window, className))
            return window;
    }
    return nullptr;
}
