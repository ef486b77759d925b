// Scoped owners and restorers for drawing, shared by the framework, the library and its hosts;
// the kernel-side owners are in AfxScoped.h. One owner per release function, and a guard for
// every change to a device context that must be undone, so no drawing path leaks a DC or leaves
// an object selected on an early return. Classes in this file:
//   CScopedGetDC     a window's DC from GetDC or GetWindowDC, released with ReleaseDC
//   CScopedCreateDC  a memory DC from CreateCompatibleDC, deleted with DeleteDC
//   CDCSelect        a GDI object selected, the previous one put back
//   CDCColours       text and background colours set, the previous ones put back
//   CDCPalette       a palette selected and realised, the previous one put back
//   CDCSaveState     the whole state saved with SaveDC, restored with RestoreDC
//   CRedrawSuspended a window's drawing turned off, turned on and invalidated at the end
//   CBitmapHandle    an owned bitmap handle (DeleteObject), where no CBitmap object is wanted
//   CIconHandle      an owned icon (DestroyIcon)
//   CCursorHandle    an owned cursor (DestroyCursor)
#pragma once

#include "afxlite/AfxScoped.h"
#include "afxlite/CDC.h"
#include "afxlite/CGdiObject.h"

// Owners of bare drawing handles, for records that keep a handle beside facts about it (an icon
// with its size, a bitmap with its mask) and must release it exactly once.
struct CBitmapHandleTraits {
    using Handle = HBITMAP;
    static void Close(HBITMAP h) { ::DeleteObject(h); }
};
struct CIconHandleTraits {
    using Handle = HICON;
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct CCursorHandleTraits {
    using Handle = HCURSOR;
    static void Close(HCURSOR h) { ::DestroyCursor(h); }
};
using CBitmapHandle = CScopedHandle<CBitmapHandleTraits>;
using CIconHandle = CScopedHandle<CIconHandleTraits>;
using CCursorHandle = CScopedHandle<CCursorHandleTraits>;

// The device context of a window's client area or of the whole window, frame included (the
// screen's for a null window).
class CScopedGetDC {
public:
    enum Area { ClientArea, WholeWindow };

    explicit CScopedGetDC(HWND hWnd, Area area = ClientArea)
        : m_hWnd(hWnd), m_hDC(area == WholeWindow ? ::GetWindowDC(hWnd) : ::GetDC(hWnd))
    {
    }
    ~CScopedGetDC()
    {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CScopedGetDC(const CScopedGetDC&) = delete;
    CScopedGetDC& operator=(const CScopedGetDC&) = delete;

    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A memory device context compatible with hDC (the screen when null).
class CScopedCreateDC {
public:
    explicit CScopedCreateDC(HDC hDC) : m_hDC(::CreateCompatibleDC(hDC)) {}
    ~CScopedCreateDC()
    {
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    CScopedCreateDC(const CScopedCreateDC&) = delete;
    CScopedCreateDC& operator=(const CScopedCreateDC&) = delete;

    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
};

// Selects a pen, brush, font or bitmap into a device context for the guard's lifetime and puts
// the previous object back. Guards must end in the reverse order of their selections, with
// nothing else left selected in between: an unbalanced guard is misuse (ASSERT in debug builds).
//     CDCSelect font(pDC, &m_font);
class CDCSelect {
public:
    CDCSelect(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hNew(hObject), m_hOld(nullptr)
    {
        if (hDC && hObject) {
            m_hOld = ::SelectObject(hDC, hObject);
            if (m_hOld == HGDI_ERROR)
                m_hOld = nullptr;
        }
    }
    CDCSelect(CDC* pDC, CGdiObject* pObject) : CDCSelect(AfxGetSafeHdc(pDC), AfxGetSafeHandle(pObject)) {}
    ~CDCSelect()
    {
        if (!m_hOld)
            return;
        ASSERT(IsStillSelected()); // a selection made after this guard was not undone
        ::SelectObject(m_hDC, m_hOld);
    }
    CDCSelect(const CDCSelect&) = delete;
    CDCSelect& operator=(const CDCSelect&) = delete;

    // Whether the object was selected (and will be deselected).
    bool IsSelected() const { return m_hOld != nullptr; }

private:
    bool IsStillSelected() const
    {
        const DWORD type = ::GetObjectType(m_hNew);
        return ::GetCurrentObject(m_hDC, type == OBJ_EXTPEN ? OBJ_PEN : type) == m_hNew;
    }

    HDC m_hDC;
    HGDIOBJ m_hNew;
    HGDIOBJ m_hOld;
};

// Sets the text and background colours of a device context for the guard's lifetime.
class CDCColours {
public:
    CDCColours(HDC hDC, COLORREF crText, COLORREF crBack)
        : m_hDC(hDC), m_crText(::SetTextColor(hDC, crText)), m_crBack(::SetBkColor(hDC, crBack))
    {
    }
    ~CDCColours()
    {
        ::SetTextColor(m_hDC, m_crText);
        ::SetBkColor(m_hDC, m_crBack);
    }
    CDCColours(const CDCColours&) = delete;
    CDCColours& operator=(const CDCColours&) = delete;

private:
    HDC m_hDC;
    COLORREF m_crText;
    COLORREF m_crBack;
};

// Selects and realises a palette for the guard's lifetime; a null palette does nothing.
class CDCPalette {
public:
    CDCPalette(HDC hDC, HPALETTE hPalette) : m_hDC(hDC), m_hOld(nullptr)
    {
        if (!hDC || !hPalette)
            return;
        m_hOld = ::SelectPalette(hDC, hPalette, FALSE);
        if (m_hOld)
            ::RealizePalette(hDC);
    }
    ~CDCPalette()
    {
        if (m_hOld)
            ::SelectPalette(m_hDC, m_hOld, FALSE);
    }
    CDCPalette(const CDCPalette&) = delete;
    CDCPalette& operator=(const CDCPalette&) = delete;

private:
    HDC m_hDC;
    HPALETTE m_hOld;
};

// Saves a device context's whole state (selected objects, colours, modes, clipping, origins)
// for the guard's lifetime with SaveDC and restores it with RestoreDC.
//     CDCSaveState saved(pDC);
//     pDC->IntersectClipRect(&rect);
class CDCSaveState {
public:
    explicit CDCSaveState(HDC hDC) : m_hDC(hDC), m_nSaved(hDC ? ::SaveDC(hDC) : 0) {}
    explicit CDCSaveState(CDC* pDC) : CDCSaveState(AfxGetSafeHdc(pDC)) {}
    ~CDCSaveState()
    {
        if (m_nSaved != 0)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    CDCSaveState(const CDCSaveState&) = delete;
    CDCSaveState& operator=(const CDCSaveState&) = delete;

    bool IsSaved() const { return m_nSaved != 0; }

private:
    HDC m_hDC;
    int m_nSaved;
};

// Keeps a window from drawing while it is changed (a list filled row by row would otherwise
// draw every row), and has it drawn once afterwards.
class CRedrawSuspended {
public:
    explicit CRedrawSuspended(HWND hWnd) : m_hWnd(hWnd)
    {
        if (m_hWnd)
            ::SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    }
    ~CRedrawSuspended()
    {
        if (!m_hWnd)
            return;
        ::SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    CRedrawSuspended(const CRedrawSuspended&) = delete;
    CRedrawSuspended& operator=(const CRedrawSuspended&) = delete;

private:
    HWND m_hWnd;
};
