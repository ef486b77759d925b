// CTransFileView: what one file transfer shows, and its drawing: a status line (the caption
// until the first status), the file's name with its size, and a progress bar, inside a thin
// frame of a fixed size. The bar is grey once the transfer has ended.
#pragma once

#include <windows.h>

#include <string>

class CTransFileView {
public:
    // The fixed size in pixels.
    static const int kWidth = 260;
    static const int kHeight = 50;

    short m_nTransferId = 0;
    std::wstring m_strStatus;
    std::wstring m_strFileName;
    double m_dSize = 0;
    int m_nPercent = 0; // 0 to 100
    bool m_bFinal = false;

    // Clamps to 0..100.
    void SetProgress(int nPercent);
    // Draws into rc of hDC over clrBack.
    void Draw(HDC hDC, const RECT& rc, COLORREF clrBack) const;
    // A new bitmap of kWidth x kHeight with the drawing (the caller owns it); null on failure.
    HBITMAP CreateBitmap(COLORREF clrBack) const;

    // "123 B", "4.5 KB", "6.7 MB", "1.2 GB".
    static std::wstring SizeText(double dBytes);
};
