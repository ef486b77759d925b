// Window classes registered on demand by the framework, one per combination of attributes.
#include "afxlite/CWnd.h"

#include "afxlite/AfxModule.h"

#include <mutex>
#include <set>
#include <string>

namespace {

struct ClassRegistry {
    std::mutex lock;
    std::set<std::wstring> names; // node-based: the strings stay where they are
};

ClassRegistry& Registry()
{
    // Never destroyed: the names are handed out for the life of the process.
    static auto* registry = new ClassRegistry();
    return *registry;
}

} // namespace

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (!hCursor)
        hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wchar_t name[128];
    _snwprintf(name, 128, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
               static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    name[127] = L'\0';

    ClassRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    const auto found = registry.names.find(name);
    if (found != registry.names.end())
        return found->c_str();

    WNDCLASSW wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW; // the creation hook routes each window through AfxWndProc
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!::RegisterClassW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return registry.names.insert(name).first->c_str();
}
