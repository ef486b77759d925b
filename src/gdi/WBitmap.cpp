// CWBitmap: a bitmap with its size recorded whenever the handle changes.

#include <WBitmap.h>

CWBitmap::CWBitmap() : m_nWidth(0), m_nHeight(0)
{
}

CWBitmap::~CWBitmap() = default;

void CWBitmap::OnHandleChanged()
{
    BITMAP info = {};
    if (m_hObject == nullptr || ::GetObjectW(m_hObject, sizeof(info), &info) != sizeof(info))
        info = BITMAP();
    m_nWidth = info.bmWidth;
    m_nHeight = info.bmHeight;
}
