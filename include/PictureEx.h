// CPictureEx: a static control that shows a picture from a file, a resource or a memory block
// and plays it when it is an animated GIF. Each frame of a GIF is cut out as a GIF of its own,
// decoded by the system's picture loader and drawn by a worker thread of the control into an
// off-screen bitmap with its delay and disposal; other pictures, and GIFs of one image, are
// shown still. The control takes the picture's size.
#pragma once

#include "VoDef.h"

#include <afxwin.h>
#include <comdef.h>
#include <ocidl.h>

#include <memory>

_COM_SMARTPTR_TYPEDEF(IPicture, __uuidof(IPicture));

class CPicturePlayback;

class VO_API CPictureEx : public CStatic {
    DECLARE_DYNAMIC(CPictureEx)

public:
    CPictureEx();
    ~CPictureEx() override;
    CPictureEx(const CPictureEx&) = delete;
    CPictureEx& operator=(const CPictureEx&) = delete;

    // Decodes the picture in the memory block, of which dwSize bytes count (never more than the
    // block holds). The caller keeps the block. 1 on success, 0 on failure.
    int Load(HGLOBAL hGlobal, DWORD dwSize);
    // Reads a whole file (others may read it meanwhile, not write) and decodes it.
    int Load(LPCTSTR szFileName);
    // Decodes a resource of the framework's current resource module.
    int Load(LPCTSTR szResourceName, LPCTSTR szResourceType);

    // Shows the loaded picture: starts the animation of an animated GIF (returns 0), or draws
    // a still picture into the off-screen bitmap and invalidates the window (returns 1; 0 when
    // nothing is loaded or drawing fails).
    int Draw();
    // Ends the animation, waiting at most 5000 ms. A thread that has not ended by then keeps
    // what it draws with and frees it itself; the control then lets go of the picture.
    void Stop();
    // Stops, then releases the picture, its frames and the off-screen bitmap.
    void UnLoad();

    BOOL IsGIF() const;
    BOOL IsAnimatedGIF() const;
    // Frames of an animated GIF; 0 for anything else, a GIF of one image included.
    int GetFrameCount() const;
    SIZE GetSize() const;
    COLORREF GetBkColor() const;
    // Only once a picture is loaded: stores the colour and fills the whole picture with it.
    void SetBkColor(COLORREF clr);

protected:
    // How the animation thread waits after a frame; see CPicturePlayback. Tests step frames
    // with their own; takes effect at the next Draw.
    typedef void (*PFN_FRAMEWAIT)(void* pContext, HANDLE hStopEvent, DWORD dwMilliseconds);
    void SetFrameWait(PFN_FRAMEWAIT pfnWait, void* pContext);
    // The memory DC holding the off-screen bitmap (null when nothing is loaded).
    HDC GetMemDC() const;

    // Resizes the window to the picture and makes the off-screen bitmap. 1 on success.
    int PrepareDC(int nWidth, int nHeight);

    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    std::shared_ptr<CPicturePlayback> m_pPlayback; // frames, bitmap, thread; null when empty
    IPicturePtr m_pPicture;                        // the still picture
    SIZE m_PictureSize;
    COLORREF m_clrBackground;
    BOOL m_bIsGIF;
    PFN_FRAMEWAIT m_pfnFrameWait;
    void* m_pFrameWaitContext;

    int LoadGif(const BYTE* pData, size_t nSize, HGLOBAL hGlobal);
    int LoadStill(HGLOBAL hGlobal, size_t nSize, bool bKeepSize);
    void AppendFrames(const BYTE* pData, size_t nSize);
    void Reset();
};
