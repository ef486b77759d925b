// CMemDC: an off-screen context with its own bitmap.

#include <MemDC.h>

CMemDC::CMemDC(CDC* pDC, int nWidth, int nHeight) : m_hOldBitmap(nullptr)
{
    Create(pDC, nWidth, nHeight);
}

CMemDC::CMemDC() : m_hOldBitmap(nullptr)
{
}

CMemDC::~CMemDC()
{
    Free();
}

bool CMemDC::Create(CDC* pDC, int nWidth, int nHeight)
{
    Free();
    if (!pDC || !pDC->m_hDC || !CreateCompatibleDC(pDC))
        return false;
    if (!m_bitmap.CreateCompatibleBitmap(pDC, nWidth, nHeight))
        return false;
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
    if (!m_hOldBitmap || m_hOldBitmap == HGDI_ERROR) {
        m_hOldBitmap = nullptr;
        m_bitmap.DeleteObject();
        return false;
    }
    m_size = CSize(nWidth, nHeight);
    PatBlt(0, 0, nWidth, nHeight, PATCOPY);
    return true;
}

void CMemDC::Free()
{
    // The bitmap must leave the context before either can be deleted.
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_bitmap.DeleteObject();
    if (m_hDC)
        DeleteDC();
    m_size = CSize(0, 0);
}
