// The host window of an embedded object and its background colour.

#include "OleHost.h"

#include <richedit.h>

HWND OleSiteWindow(IOleClientSite* pSite)
{
    IOleWindow* pWindow = nullptr;
    HWND hWnd = nullptr;
    if (pSite != nullptr && SUCCEEDED(pSite->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&pWindow)))) {
        if (FAILED(pWindow->GetWindow(&hWnd)))
            hWnd = nullptr;
        pWindow->Release();
    }
    return hWnd;
}

COLORREF OleHostBackground(HWND hWnd)
{
    IUnknown* pRichEdit = nullptr;
    if (!::SendMessageW(hWnd, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pRichEdit)) || pRichEdit == nullptr)
        return ::GetSysColor(COLOR_WINDOW);
    pRichEdit->Release();
    const COLORREF clrBack = static_cast<COLORREF>(::SendMessageW(hWnd, EM_SETBKGNDCOLOR, TRUE, 0));
    if (clrBack != ::GetSysColor(COLOR_WINDOW))
        ::SendMessageW(hWnd, EM_SETBKGNDCOLOR, FALSE, clrBack);
    return clrBack;
}
