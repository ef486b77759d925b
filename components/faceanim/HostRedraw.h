// CHostRedraw: the redraws one tick of the animation clock asks for, gathered per host window
// and made at the end of the tick. In a rich-edit control only the rows of the objects that
// changed are invalidated, found from their character positions; an object whose row lies
// outside the client area, or whose window is hidden, minimised or gone, invalidates nothing,
// so it is not drawn and its animation parks. Other windows are invalidated whole.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <vector>

class CHostRedraw {
public:
    // pObject: the object's IOleObject, as the host's object list holds it; cx its width.
    void Add(HWND hWnd, IOleObject* pObject, int cx);
    void Flush();

private:
    struct Entry {
        HWND hWnd;
        IOleObject* pObject;
        int cx;
    };
    std::vector<Entry> m_entries;

    static bool IsShowing(HWND hWnd);
    void FlushWindow(HWND hWnd, const std::vector<Entry>& entries);
};
