// CPicturePlayback: what the animated picture control (CPictureEx) shares with its animation
// thread: the decoded frames, the off-screen bitmap they are drawn into, the background colour,
// the stop signal and the thread's handle. The control and a running thread each hold a
// reference, so a thread that outlives the control's wait still finds everything it uses; the
// last holder frees it.
#pragma once

#include <PictureEx.h>

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/AfxScoped.h>

#include <comdef.h>
#include <ocidl.h>

#include <memory>
#include <optional>
#include <vector>

// One frame of an animated GIF, decoded.
struct CPictureFrame {
    IPicturePtr picture;
    SIZE size;     // image descriptor's width and height
    SIZE offset;   // its left and top on the logical screen
    UINT delay;    // hundredths of a second; all bits set without a control extension
    UINT disposal; // disposal method 0-7
};

class CPicturePlayback : public std::enable_shared_from_this<CPicturePlayback> {
public:
    // Waits before a frame is disposed of; returns early when hStopEvent is set. The default
    // waits on the event; tests step frames through their own.
    typedef void (*PFN_FRAMEWAIT)(void* pContext, HANDLE hStopEvent, DWORD dwMilliseconds);

    CPicturePlayback();
    ~CPicturePlayback();
    CPicturePlayback(const CPicturePlayback&) = delete;
    CPicturePlayback& operator=(const CPicturePlayback&) = delete;

    // Creates the off-screen bitmap of width x height compatible with hWnd's DC (the screen's
    // for null), fills it with the menu colour and takes the button-face colour as background.
    bool Prepare(HWND hWnd, int nWidth, int nHeight);
    bool IsReady() const { return m_hBitmap != nullptr; }
    HDC GetDC() const { return m_dc ? m_dc->Get() : nullptr; }
    SIZE GetSize() const { return m_size; }

    COLORREF GetBkColor() const { return m_clrBackground; }
    // Stores the colour and fills the whole bitmap with it.
    void SetBkColor(COLORREF clr);

    // Draws picture (its whole area) into the bitmap at the rectangle; false when it fails.
    bool Render(IPicture* pPicture, int x, int y, int cx, int cy);

    // Starts the animation thread over the frames, drawing for hWnd; does nothing when one is
    // running already. false when the thread cannot be made.
    bool Start(HWND hWnd, PFN_FRAMEWAIT pfnWait, void* pWaitContext);
    // Asks the thread to end and waits up to dwTimeout ms. true when no thread is left: the
    // stop signal is then cleared for a new start. false when the thread is still running: the
    // signal stays set, so it ends at its next check, and this object lives until it does.
    bool Stop(DWORD dwTimeout);

    std::vector<CPictureFrame> m_frames;

private:
    std::optional<CScopedCreateDC> m_dc; // made by Prepare
    HBITMAP m_hBitmap;                   // the off-screen bitmap, selected into m_dc
    HGDIOBJ m_hPrevBitmap;               // what m_dc held before
    SIZE m_size;
    volatile COLORREF m_clrBackground;
    volatile LONG m_bStop;
    CKernelHandle m_stopEvent; // manual reset
    HANDLE volatile m_hThread; // owned by whichever of Stop and the thread takes it first
    HWND m_hWnd;               // the window invalidated after each frame
    PFN_FRAMEWAIT m_pfnWait;
    void* m_pWaitContext;

    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void Run();
    void ShowFrame(const CPictureFrame& frame);
    void FillRect(int x, int y, int cx, int cy, COLORREF clr);
};
