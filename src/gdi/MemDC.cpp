// CMemDC: an off-screen context with its own bitmap.

#include <MemDC.h>

CMemDC::CMemDC(CDC* pDC, int nWidth, int nHeight) : m_hOldBitmap(nullptr)
{
    if (!pDC || !pDC->m_hDC || !CreateCompatibleDC(pDC))
        return;
    if (!m_bitmap.CreateCompatibleBitmap(pDC, nWidth, nHeight))
        return;
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
    if (!m_hOldBitmap || m_hOldBitmap == HGDI_ERROR) {
        m_hOldBitmap = nullptr;
        m_bitmap.DeleteObject();
        return;
    }
    PatBlt(0, 0, nWidth, nHeight, PATCOPY);
}

CMemDC::~CMemDC()
{
    // The bitmap must leave the context before either can be deleted.
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}
