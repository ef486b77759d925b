// The composed picture of a skinned window, kept per client size and skin.
#include <ComposedBackground.h>

#include <Skin.h>

CComposedBackground::CComposedBackground() : m_nSkinChanges(0), m_bCurrent(false)
{
}

bool CComposedBackground::IsCurrent(CSize size) const
{
    return m_bCurrent && m_dc.GetSize() == size && m_nSkinChanges == CSkin::Instance().GetChangeCount();
}

CDC* CComposedBackground::BeginCompose(CDC* pTarget, CSize size)
{
    m_bCurrent = false;
    if (size.cx <= 0 || size.cy <= 0)
        return nullptr;
    // A picture of the same size is composed again in place: no new bitmap, no new selection.
    if (m_dc.GetSize() != size && !m_dc.Create(pTarget, size.cx, size.cy)) {
        m_dc.Free();
        return nullptr;
    }
    m_nSkinChanges = CSkin::Instance().GetChangeCount();
    m_bCurrent = true;
    return &m_dc;
}

bool CComposedBackground::CopyTo(CDC* pTarget)
{
    if (!m_dc.IsReady() || pTarget == nullptr || pTarget->m_hDC == nullptr)
        return false;
    const CSize size = m_dc.GetSize();
    return pTarget->BitBlt(0, 0, size.cx, size.cy, &m_dc, 0, 0, SRCCOPY) != FALSE;
}

void CComposedBackground::Free()
{
    m_bCurrent = false;
    m_dc.Free();
}
