// CPicturePlayback: the animated picture control's frames, off-screen bitmap and thread.

#include "PicturePlayback.h"

#include "GifBlockWalker.h"

namespace {

void WaitOnEvent(void*, HANDLE hStopEvent, DWORD dwMilliseconds)
{
    ::WaitForSingleObject(hStopEvent, dwMilliseconds);
}

// A copy of the rectangle of hDC in a new bitmap (for frames restored to what was under them).
CBitmapHandle SaveArea(HDC hDC, int x, int y, int cx, int cy)
{
    CBitmapHandle saved(::CreateCompatibleBitmap(hDC, cx, cy));
    const CScopedCreateDC dc(hDC);
    if (!saved || !dc)
        return CBitmapHandle();
    const CDCSelect select(dc, saved.Get());
    if (!select.IsSelected() || !::BitBlt(dc, 0, 0, cx, cy, hDC, x, y, SRCCOPY))
        return CBitmapHandle();
    return saved;
}

void RestoreArea(HDC hDC, HBITMAP hSaved, int x, int y, int cx, int cy)
{
    const CScopedCreateDC dc(hDC);
    const CDCSelect select(dc, hSaved);
    if (select.IsSelected())
        ::BitBlt(hDC, x, y, cx, cy, dc, 0, 0, SRCCOPY);
}

} // namespace

CPicturePlayback::CPicturePlayback()
    : m_hBitmap(nullptr), m_hPrevBitmap(nullptr), m_size{0, 0}, m_clrBackground(RGB(255, 255, 255)), m_bStop(FALSE),
      m_stopEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)), m_hThread(nullptr), m_hWnd(nullptr),
      m_pfnWait(WaitOnEvent), m_pWaitContext(nullptr)
{
}

CPicturePlayback::~CPicturePlayback()
{
    // The last reference goes when no thread runs any more: the thread holds one itself.
    ASSERT(m_hThread == nullptr);
    if (m_hBitmap == nullptr)
        return;
    ::SelectObject(GetDC(), m_hPrevBitmap);
    ::DeleteObject(m_hBitmap);
}

bool CPicturePlayback::Prepare(HWND hWnd, int nWidth, int nHeight)
{
    ASSERT(!IsReady());
    if (nWidth <= 0 || nHeight <= 0)
        return false;
    const CScopedGetDC windowDC(hWnd);
    m_dc.emplace(windowDC);
    CBitmapHandle bitmap(::CreateCompatibleBitmap(windowDC, nWidth, nHeight));
    if (!GetDC() || !bitmap)
        return false;
    m_hPrevBitmap = ::SelectObject(GetDC(), bitmap.Get());
    if (m_hPrevBitmap == nullptr || m_hPrevBitmap == HGDI_ERROR)
        return false;
    m_hBitmap = bitmap.Release();
    m_size = {nWidth, nHeight};
    m_clrBackground = ::GetSysColor(COLOR_BTNFACE);
    const RECT whole = {0, 0, nWidth, nHeight};
    ::FillRect(GetDC(), &whole, ::GetSysColorBrush(COLOR_MENU));
    return true;
}

void CPicturePlayback::FillRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rect = {x, y, x + cx, y + cy};
    const HDC hDC = GetDC();
    const COLORREF old = ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(hDC, old);
}

void CPicturePlayback::SetBkColor(COLORREF clr)
{
    m_clrBackground = clr;
    FillRect(0, 0, m_size.cx, m_size.cy, clr);
}

bool CPicturePlayback::Render(IPicture* pPicture, int x, int y, int cx, int cy)
{
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(pPicture->get_Width(&width)) || FAILED(pPicture->get_Height(&height)))
        return false;
    // Source rectangles run bottom-up in 0.01 mm: start at the height, go up by it.
    return SUCCEEDED(pPicture->Render(GetDC(), x, y, cx, cy, 0, height, width, -height, nullptr));
}

bool CPicturePlayback::Start(HWND hWnd, PFN_FRAMEWAIT pfnWait, void* pWaitContext)
{
    if (m_hThread != nullptr || m_frames.empty() || !m_stopEvent)
        return m_hThread != nullptr;
    m_hWnd = hWnd;
    m_pfnWait = pfnWait ? pfnWait : WaitOnEvent;
    m_pWaitContext = pWaitContext;
    auto* pHolder = new std::shared_ptr<CPicturePlayback>(shared_from_this());
    const HANDLE hThread = ::CreateThread(nullptr, 0, ThreadProc, pHolder, CREATE_SUSPENDED, nullptr);
    if (hThread == nullptr) {
        delete pHolder;
        return false;
    }
    // Published before the thread runs, so that its own hand-over at the end finds it.
    ::InterlockedExchangePointer(const_cast<PVOID*>(reinterpret_cast<PVOID volatile*>(&m_hThread)), hThread);
    ::ResumeThread(hThread);
    return true;
}

bool CPicturePlayback::Stop(DWORD dwTimeout)
{
    ::InterlockedExchange(&m_bStop, TRUE);
    if (m_stopEvent)
        ::SetEvent(m_stopEvent.Get());
    // Whoever takes the handle out closes it: here after the wait, or the thread at its end.
    const HANDLE hThread = static_cast<HANDLE>(
        ::InterlockedExchangePointer(const_cast<PVOID*>(reinterpret_cast<PVOID volatile*>(&m_hThread)), nullptr));
    bool bEnded = true;
    if (hThread != nullptr) {
        bEnded = ::WaitForSingleObject(hThread, dwTimeout) == WAIT_OBJECT_0;
        ::CloseHandle(hThread);
    }
    if (bEnded) {
        if (m_stopEvent)
            ::ResetEvent(m_stopEvent.Get());
        ::InterlockedExchange(&m_bStop, FALSE);
    }
    return bEnded;
}

DWORD WINAPI CPicturePlayback::ThreadProc(LPVOID pParam)
{
    std::unique_ptr<std::shared_ptr<CPicturePlayback>> pHolder(static_cast<std::shared_ptr<CPicturePlayback>*>(pParam));
    CPicturePlayback& playback = **pHolder;
    playback.Run();
    const HANDLE hThread = static_cast<HANDLE>(::InterlockedExchangePointer(
        const_cast<PVOID*>(reinterpret_cast<PVOID volatile*>(&playback.m_hThread)), nullptr));
    if (hThread != nullptr)
        ::CloseHandle(hThread);
    return 0;
}

void CPicturePlayback::Run()
{
    size_t nFrame = 0;
    while (!m_bStop) {
        ShowFrame(m_frames[nFrame]);
        if (++nFrame == m_frames.size()) {
            nFrame = 0;
            FillRect(0, 0, m_size.cx, m_size.cy, m_clrBackground);
        }
    }
}

// Draws one frame, waits its delay, then disposes of it as it asks.
void CPicturePlayback::ShowFrame(const CPictureFrame& frame)
{
    const int x = frame.offset.cx, y = frame.offset.cy, cx = frame.size.cx, cy = frame.size.cy;
    CBitmapHandle saved;
    if (frame.disposal == 3)
        saved = SaveArea(GetDC(), x, y, cx, cy);
    if (Render(frame.picture, x, y, cx, cy))
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    if (m_bStop)
        return;
    m_pfnWait(m_pWaitContext, m_stopEvent.Get(), CGifBlockWalker::FrameMilliseconds(frame.delay));
    if (m_bStop)
        return;
    if (frame.disposal == 2)
        FillRect(x, y, cx, cy, m_clrBackground);
    else if (frame.disposal == 3 && saved)
        RestoreArea(GetDC(), saved.Get(), x, y, cx, cy);
}
