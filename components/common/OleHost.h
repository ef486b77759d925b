// Helpers of the client's embedded OLE objects for the window that hosts them: the window of a
// client site, the background colour of a rich-edit host, and interface pointer release.
#pragma once

#include <ole2.h>

// The window of the site (IOleWindow); null when the site has none.
HWND OleSiteWindow(IOleClientSite* pSite);
// The background colour of a rich-edit control: setting the system colour answers the colour it
// had, which is then put back. Other windows draw on the window colour.
COLORREF OleHostBackground(HWND hWnd);

template <class T>
void ReleaseAndClear(T*& pInterface)
{
    if (pInterface != nullptr)
        pInterface->Release();
    pInterface = nullptr;
}
