// The parent's background under a transparent control.
#include "ParentBackground.h"

#include <afxlite/AfxGdiScoped.h>

namespace {

// The child's client area placed where the child lies in its parent's client area.
CRect RectInParent(const CWnd& child)
{
    CRect rcClient, rcWindow;
    child.GetClientRect(&rcClient);
    child.GetWindowRect(&rcWindow);
    if (CWnd* pParent = child.GetParent())
        pParent->ScreenToClient(&rcWindow);
    return CRect(rcWindow.TopLeft(), rcClient.Size());
}

} // namespace

bool TakeParentBackground(CMemDC& snapshot, CDC* pSource, const CWnd& child)
{
    if (pSource == nullptr || pSource->m_hDC == nullptr)
        return false;
    const CRect rcSource = RectInParent(child);
    if (snapshot.GetSize() != rcSource.Size() && !snapshot.Create(pSource, rcSource.Width(), rcSource.Height())) {
        snapshot.Free();
        return false;
    }
    snapshot.BitBlt(0, 0, rcSource.Width(), rcSource.Height(), pSource, rcSource.left, rcSource.top, SRCCOPY);
    return true;
}

void DrawParentBackground(CMemDC& snapshot, CDC* pTarget, const CWnd& child)
{
    if (!snapshot.IsReady()) {
        CWnd* pParent = child.GetParent();
        if (pParent == nullptr)
            return;
        const CScopedGetDC parentDC(pParent->m_hWnd);
        if (!TakeParentBackground(snapshot, CDC::FromHandle(parentDC), child))
            return;
    }
    const CSize size = snapshot.GetSize();
    pTarget->BitBlt(0, 0, size.cx, size.cy, &snapshot, 0, 0, SRCCOPY);
}
