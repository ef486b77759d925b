// CFont: point sizes are converted to logical units of the target device context.
#include "afxlite/CFont.h"
#include "afxlite/AfxGdiScoped.h"
#include "afxlite/CDC.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

namespace {

const int kTenthsOfPointPerInch = 720;

// Height in logical units of a font nTenthsOfPoint high on hDC (negative: a character height,
// not a cell height).
LONG LogicalHeight(HDC hDC, LONG nTenthsOfPoint)
{
    POINT size = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nTenthsOfPoint, kTenthsOfPointPerInch)};
    POINT origin = {0, 0};
    ::DPtoLP(hDC, &size, 1);
    ::DPtoLP(hDC, &origin, 1);
    return -std::abs(size.y - origin.y);
}

} // namespace

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName)
        lstrcpynW(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    ASSERT(lpLogFont != nullptr);
    LOGFONT logFont = *lpLogFont;
    if (pDC) {
        logFont.lfHeight = LogicalHeight(pDC->m_hAttribDC, logFont.lfHeight);
    } else {
        const CScopedGetDC screen(nullptr);
        if (!screen)
            return FALSE;
        logFont.lfHeight = LogicalHeight(screen, logFont.lfHeight);
    }
    return CreateFontIndirect(&logFont);
}
