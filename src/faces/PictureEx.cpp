// CPictureEx: still and animated pictures in a static control.

#include <PictureEx.h>

#include <afxlite/AfxScoped.h>

#include "GifBlockWalker.h"
#include "PicturePlayback.h"

#include <algorithm>
#include <cstring>
#include <olectl.h>

_COM_SMARTPTR_TYPEDEF(IStream, __uuidof(IStream));

namespace {

const DWORD kStopTimeout = 5000;
// Pictures come from files and peers: a file larger than this is refused before it is read,
// and frames past this count are left out.
const LONGLONG kMaxPictureBytes = 16 * 1024 * 1024;
const size_t kMaxFrames = 1024;
// A GIF's logical screen names the off-screen bitmap's size: 65535 x 65535 would ask for 16 GB.
const uint32_t kMaxScreenSide = 4096;
const long kHimetricPerInch = 2540;

IPicturePtr LoadPicture(IStream* pStream, size_t nSize)
{
    IPicture* pPicture = nullptr;
    if (FAILED(::OleLoadPicture(pStream, static_cast<LONG>(nSize), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(&pPicture))) ||
        pPicture == nullptr)
        return nullptr;
    return IPicturePtr(pPicture, false);
}

// Decodes the picture in a block the caller keeps.
IPicturePtr DecodeBorrowed(HGLOBAL hGlobal, size_t nSize)
{
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, FALSE, &pStream)))
        return nullptr;
    const IStreamPtr stream(pStream, false);
    return LoadPicture(stream, nSize);
}

// Decodes the picture in a block handed over: the stream frees it with itself once it exists.
IPicturePtr DecodeOwned(CGlobalMemory block, size_t nSize)
{
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE, &pStream)))
        return nullptr;
    (void)block.Release();
    const IStreamPtr stream(pStream, false);
    return LoadPicture(stream, nSize);
}

// A new movable block holding the bytes.
CGlobalMemory CopyToGlobal(const void* pData, size_t nSize)
{
    CGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, nSize));
    const CGlobalMemoryLock lock(memory.Get());
    if (lock.Data() == nullptr)
        return CGlobalMemory();
    memcpy(lock.Data(), pData, nSize);
    return memory;
}

} // namespace

IMPLEMENT_DYNAMIC(CPictureEx, CStatic)

BEGIN_MESSAGE_MAP(CPictureEx, CStatic)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CPictureEx::CPictureEx() : m_pfnFrameWait(nullptr), m_pFrameWaitContext(nullptr)
{
    Reset();
}

CPictureEx::~CPictureEx()
{
    UnLoad();
}

void CPictureEx::Reset()
{
    m_pPlayback.reset();
    m_pPicture = nullptr;
    m_PictureSize = {0, 0};
    m_clrBackground = RGB(255, 255, 255);
    m_bIsGIF = FALSE;
}

int CPictureEx::Load(HGLOBAL hGlobal, DWORD dwSize)
{
    UnLoad();
    const CGlobalMemoryLock lock(hGlobal);
    if (lock.Data() == nullptr)
        return 0;
    // A length beyond the block would read past it.
    const size_t nSize = std::min<size_t>(dwSize, ::GlobalSize(hGlobal));
    CGifBlockWalker walker(lock.Data(), nSize);
    const int nResult = walker.IsGif() ? LoadGif(lock.Data(), nSize, hGlobal) : LoadStill(hGlobal, nSize, false);
    if (nResult == 0 && !(m_pPlayback && m_pPlayback->IsReady()))
        Reset();
    return nResult;
}

int CPictureEx::LoadStill(HGLOBAL hGlobal, size_t nSize, bool bKeepSize)
{
    m_pPicture = DecodeBorrowed(hGlobal, nSize);
    if (m_pPicture == nullptr)
        return 0;
    if (!bKeepSize) {
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        if (FAILED(m_pPicture->get_Width(&width)) || FAILED(m_pPicture->get_Height(&height)))
            return 0;
        const CScopedGetDC dc(m_hWnd);
        m_PictureSize.cx = ::MulDiv(width, ::GetDeviceCaps(dc, LOGPIXELSX), kHimetricPerInch);
        m_PictureSize.cy = ::MulDiv(height, ::GetDeviceCaps(dc, LOGPIXELSY), kHimetricPerInch);
    }
    return PrepareDC(m_PictureSize.cx, m_PictureSize.cy);
}

int CPictureEx::LoadGif(const BYTE* pData, size_t nSize, HGLOBAL hGlobal)
{
    m_bIsGIF = TRUE;
    CGifBlockWalker walker(pData, nSize);
    m_PictureSize = {static_cast<LONG>(walker.ScreenWidth()), static_cast<LONG>(walker.ScreenHeight())};
    if (walker.ScreenWidth() > kMaxScreenSide || walker.ScreenHeight() > kMaxScreenSide)
        return 0;
    size_t nGraphics = 0;
    while (nGraphics < 2 && walker.SkipNextGraphicBlock())
        ++nGraphics;
    if (nGraphics == 0)
        return 0;
    if (nGraphics == 1)
        return LoadStill(hGlobal, nSize, true);
    m_pPlayback = std::make_shared<CPicturePlayback>();
    AppendFrames(pData, nSize);
    if (m_pPlayback->m_frames.empty())
        return 0;
    return PrepareDC(m_PictureSize.cx, m_PictureSize.cy);
}

// Cuts the GIF into frames and decodes each; a frame that does not decode is left out.
void CPictureEx::AppendFrames(const BYTE* pData, size_t nSize)
{
    CGifBlockWalker walker(pData, nSize);
    std::vector<uint8_t> bytes;
    GifFrameInfo info;
    while (m_pPlayback->m_frames.size() < kMaxFrames && walker.GetNextGraphicBlock(bytes, info)) {
        IPicturePtr picture = DecodeOwned(CopyToGlobal(bytes.data(), bytes.size()), bytes.size());
        if (picture == nullptr)
            continue;
        m_pPlayback->m_frames.push_back({picture,
                                         {static_cast<LONG>(info.width), static_cast<LONG>(info.height)},
                                         {static_cast<LONG>(info.left), static_cast<LONG>(info.top)},
                                         info.delay,
                                         info.disposal});
    }
}

int CPictureEx::Load(LPCTSTR szFileName)
{
    UnLoad();
    CKernelHandle file(::CreateFileW(szFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxPictureBytes)
        return 0;
    const DWORD dwSize = static_cast<DWORD>(size.QuadPart);
    const CGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, dwSize));
    if (!memory)
        return 0;
    DWORD dwRead = 0;
    {
        const CGlobalMemoryLock lock(memory.Get());
        if (lock.Data() == nullptr || !::ReadFile(file.Get(), lock.Data(), dwSize, &dwRead, nullptr) ||
            dwRead != dwSize)
            return 0;
    }
    return Load(memory.Get(), dwSize);
}

int CPictureEx::Load(LPCTSTR szResourceName, LPCTSTR szResourceType)
{
    UnLoad();
    const HINSTANCE hInstance = AfxGetResourceHandle();
    const HRSRC hResource = ::FindResourceW(hInstance, szResourceName, szResourceType);
    const HGLOBAL hLoaded = hResource ? ::LoadResource(hInstance, hResource) : nullptr;
    const void* pData = hLoaded ? ::LockResource(hLoaded) : nullptr;
    const DWORD dwSize = hResource ? ::SizeofResource(hInstance, hResource) : 0;
    if (pData == nullptr || dwSize == 0)
        return 0;
    const CGlobalMemory memory = CopyToGlobal(pData, dwSize);
    return memory ? Load(memory.Get(), dwSize) : 0;
}

int CPictureEx::PrepareDC(int nWidth, int nHeight)
{
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_pPlayback)
        m_pPlayback = std::make_shared<CPicturePlayback>();
    if (!m_pPlayback->Prepare(m_hWnd, nWidth, nHeight))
        return 0;
    m_clrBackground = m_pPlayback->GetBkColor();
    return 1;
}

int CPictureEx::Draw()
{
    if (!m_pPlayback || !m_pPlayback->IsReady())
        return 0;
    if (IsAnimatedGIF()) {
        m_pPlayback->Start(m_hWnd, m_pfnFrameWait, m_pFrameWaitContext);
        return 0;
    }
    if (m_pPicture == nullptr || !m_pPlayback->Render(m_pPicture, 0, 0, m_PictureSize.cx, m_PictureSize.cy))
        return 0;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
    return 1;
}

void CPictureEx::Stop()
{
    if (m_pPlayback && !m_pPlayback->Stop(kStopTimeout))
        Reset(); // the thread still draws into the playback: it is its own now
}

void CPictureEx::UnLoad()
{
    Stop();
    Reset();
}

BOOL CPictureEx::IsGIF() const
{
    return m_bIsGIF;
}

BOOL CPictureEx::IsAnimatedGIF() const
{
    return m_bIsGIF && GetFrameCount() > 1;
}

int CPictureEx::GetFrameCount() const
{
    return m_bIsGIF && m_pPlayback ? static_cast<int>(m_pPlayback->m_frames.size()) : 0;
}

SIZE CPictureEx::GetSize() const
{
    return m_PictureSize;
}

COLORREF CPictureEx::GetBkColor() const
{
    return m_clrBackground;
}

void CPictureEx::SetBkColor(COLORREF clr)
{
    if (!m_pPlayback || !m_pPlayback->IsReady())
        return;
    m_clrBackground = clr;
    m_pPlayback->SetBkColor(clr);
}

void CPictureEx::SetFrameWait(PFN_FRAMEWAIT pfnWait, void* pContext)
{
    m_pfnFrameWait = pfnWait;
    m_pFrameWaitContext = pContext;
}

HDC CPictureEx::GetMemDC() const
{
    return m_pPlayback ? m_pPlayback->GetDC() : nullptr;
}

void CPictureEx::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const HDC hMemDC = GetMemDC();
    if (client.IsRectEmpty() || hMemDC == nullptr || !m_pPlayback->IsReady())
        return;
    const SIZE size = m_pPlayback->GetSize();
    ::BitBlt(dc.GetSafeHdc(), 0, 0, std::min<LONG>(client.Width(), size.cx), std::min<LONG>(client.Height(), size.cy),
             hMemDC, 0, 0, SRCCOPY);
}

void CPictureEx::OnDestroy()
{
    Stop();
    CStatic::OnDestroy();
}
