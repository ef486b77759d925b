// CSkin: the skins catalogue, loading one skin folder, and handing a loaded skin over.

#include <Skin.h>

#include <MaskDraw.h>
#include <VoHelpers.h>

#include <afxlite/AfxPath.h>
#include <afxlite/AfxProfile.h>

#include "gdi/StretchedPieceCache.h"
#include "SkinGlobals.h"

#include <cwchar>

namespace {

const COLORREF kTransparent = RGB(255, 0, 255);
// Profile values are cut to this many characters (read into buffers of 256).
const DWORD kValueChars = 255;

const wchar_t kSettingsFile[] = L"\\config.ini";
const wchar_t kDefaultSkin[] = L"default";

// Colour values before any skin set them.
const COLORREF kDefaultNormalText = 0xFF0000;
const COLORREF kDefaultDskAngle = 0xFF0000;
const COLORREF kDefaultBorder1x1 = 0x00FF00;
const COLORREF kDefaultBorder2x2First = 0x0000FF;
const COLORREF kDefaultBorder2x2Second = 0;
const COLORREF kDefaultVideoBk = 0xD6D1AF;
const COLORREF kDefaultNarrowBk = 0xFF6363;

// The elements whose centre cell is also a fill pattern, and the other nine-cell elements.
CSkinFrameFill CSkin::*const kFillFrames[] = {&CSkin::m_viewlogo, &CSkin::m_viewpage, &CSkin::m_main, &CSkin::m_myAlbum,
                                              &CSkin::m_lbtn};
CSkinFrame CSkin::*const kFrames[] = {&CSkin::m_normalt,    &CSkin::m_normalb, &CSkin::m_wide, &CSkin::m_richtop,
                                      &CSkin::m_richbottom, &CSkin::m_myinfo,  &CSkin::m_tbtn};

// Plain pictures with their files: the required ones, then the optional ones.
struct PlainPicture {
    CBitmap CSkin::*bitmap;
    const wchar_t* file;
};
const PlainPicture kRequiredPictures[] = {
    {&CSkin::m_bmpMini, L"\\mini.bmp"}, {&CSkin::m_bmpMax, L"\\max.bmp"},   {&CSkin::m_bmpClose, L"\\close.bmp"},
    {&CSkin::m_bmpUp, L"\\up.bmp"},     {&CSkin::m_bmpDown, L"\\down.bmp"},
};
const wchar_t kLogoFillFile[] = L"\\logofill.bmp";
const PlainPicture kOptionalPictures[] = {
    {&CSkin::m_bmpBtn, L"\\btn.bmp"},
    {&CSkin::m_bmpOpen, L"\\MPlayer\\open.bmp"},
    {&CSkin::m_bmpPlay, L"\\MPlayer\\play.bmp"},
    {&CSkin::m_bmpPause, L"\\MPlayer\\pause.bmp"},
    {&CSkin::m_bmpStop, L"\\MPlayer\\stop.bmp"},
    {&CSkin::m_bmpBegin, L"\\MPlayer\\begin.bmp"},
    {&CSkin::m_bmpEnd, L"\\MPlayer\\end.bmp"},
    {&CSkin::m_bmpMute, L"\\MPlayer\\mute.bmp"},
    {&CSkin::m_bmpSound, L"\\MPlayer\\sound.bmp"},
    {&CSkin::m_bmpPlaypos, L"\\MPlayer\\playpos.bmp"},
    {&CSkin::m_bmpVolumn, L"\\MPlayer\\volumn.bmp"},
    {&CSkin::m_bmpPlayposBg, L"\\MPlayer\\playpos_bg.bmp"},
};

// The nine-cell pictures in loading order, as the places their parts go to.
struct FrameTarget {
    const wchar_t* file;
    CBitmap* bmp;
    CBitmap* mask;
    int* cx;
    int* cy;
};

template <class Frame>
FrameTarget Target(const wchar_t* file, Frame& frame)
{
    return {file, &frame.m_bmp, &frame.m_mask, &frame.m_cx, &frame.m_cy};
}

// A device-dependent bitmap loaded from a file in its own size, or null.
HBITMAP LoadBitmapFile(const CString& strPath)
{
    return static_cast<HBITMAP>(::LoadImageW(nullptr, strPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

CString ReadProfileValue(LPCTSTR lpszSection, LPCTSTR lpszKey, const CString& strFile)
{
    return AfxGetProfileText(strFile, lpszSection, lpszKey, L"", kValueChars);
}

// A hexadecimal colour of the skin's "style" section, used as the colour value as it is
// ("ff" is red); a missing or empty value leaves the colour unchanged.
void ReadColour(const CString& strFile, LPCTSTR lpszKey, COLORREF& colour)
{
    const CString strValue = ReadProfileValue(L"style", lpszKey, strFile);
    if (!strValue.IsEmpty())
        colour = wcstoul(strValue, nullptr, 16);
}

// Releases the pictures of an element; the cell sizes stay.
template <class Frame>
void EmptyFrame(Frame& frame)
{
    frame.m_bmp.DeleteObject();
    frame.m_mask.DeleteObject();
}

void MoveGdiObject(CGdiObject& to, CGdiObject& from)
{
    if (from.m_hObject)
        to.Attach(from.Detach());
}

template <class Frame>
void MoveFrame(Frame& to, Frame& from)
{
    MoveGdiObject(to.m_bmp, from.m_bmp);
    MoveGdiObject(to.m_mask, from.m_mask);
    to.m_cx = from.m_cx;
    to.m_cy = from.m_cy;
}

} // namespace

CSkin::CSkin()
    : m_hLogoFill(nullptr), m_clrNormalText(kDefaultNormalText), m_clrCtrlBorder1x1(kDefaultBorder1x1),
      m_clrCtrlBorder2x2First(kDefaultBorder2x2First), m_clrCtrlBorder2x2Second(kDefaultBorder2x2Second),
      m_clrDskAngle(kDefaultDskAngle), m_clrVideoBk(kDefaultVideoBk), m_clrChatVideoBk(kDefaultVideoBk),
      m_clrNarrowBk(kDefaultNarrowBk), m_pPieces(new CStretchedPieceCache), m_nChanges(0)
{
    if (!g_strPath.IsEmpty())
        return;
    CString strExe;
    GetExePath(strExe);
    g_strPath = strExe + L"\\skins";
    Refresh();
    Load();
}

CSkin::~CSkin()
{
    Empty();
}

CSkin& CSkin::Instance()
{
    if (g_pSkinInstance == nullptr)
        g_pSkinInstance = &g_Skin;
    return *g_pSkinInstance;
}

void CSkin::Release()
{
    if (g_pSkinInstance == nullptr)
        return;
    // A second Release finds the folder already cleared; writing then would aim at a
    // "\config.ini" in the root of the current drive.
    // A name the skins folder cannot hold would make the settings file name another place or
    // carry lines of its own.
    const CString& strName = g_pSkinInstance->m_strCurrName;
    if (!g_strPath.IsEmpty() && AfxIsPlainFileName(strName))
        AfxWriteProfileText(g_strPath + kSettingsFile, L"config", L"current", strName);
    g_pSkinInstance->m_pPieces->Empty();
    ++g_pSkinInstance->m_nChanges;
    g_strPath.Empty();
    std::vector<CString>().swap(g_vctNames);
}

void CSkin::Refresh()
{
    g_vctNames.clear();
    WIN32_FIND_DATAW data = {};
    const CFindHandle search(::FindFirstFileW(g_strPath + L"\\*.*", &data));
    if (!search)
        return;
    do {
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder && wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
            g_vctNames.push_back(CString(data.cFileName));
    } while (::FindNextFileW(search.Get(), &data));
}

std::vector<CString>* CSkin::GetSkinNames()
{
    return &g_vctNames;
}

void CSkin::Load()
{
    const CString strCurrent = ReadProfileValue(L"config", L"current", g_strPath + kSettingsFile);
    if (!strCurrent.IsEmpty() && LoadOne(strCurrent))
        return;
    LoadDefault();
}

void CSkin::LoadDefault()
{
    LoadOne(kDefaultSkin);
}

int CSkin::LoadOne(LPCTSTR lpszName)
{
    if (!AfxIsPlainFileName(lpszName))
        return 0;
    Empty();
    m_strCurrName = lpszName;
    const CString strFolder = g_strPath + L"\\" + m_strCurrName;
    if (!LoadFrames(strFolder) || !LoadPlainPictures(strFolder))
        return 0;
    LoadOptionalPictures(strFolder);
    LoadColours(strFolder);
    return 1;
}

bool CSkin::LoadFrames(const CString& strFolder)
{
    // The window picture is masked like a frame (its transparent pixels blackened), but only
    // the picture itself is kept.
    CBitmap windoMask;
    int windoCx = 0;
    int windoCy = 0;
    const FrameTarget targets[] = {
        Target(L"\\main.bmp", m_main),
        Target(L"\\viewpage.bmp", m_viewpage),
        Target(L"\\viewlogo.bmp", m_viewlogo),
        Target(L"\\normalt.bmp", m_normalt),
        Target(L"\\normalb.bmp", m_normalb),
        Target(L"\\wide.bmp", m_wide),
        Target(L"\\lbtn.bmp", m_lbtn),
        Target(L"\\myinfo.bmp", m_myinfo),
        Target(L"\\tbtn.bmp", m_tbtn),
        Target(L"\\myAlbum.bmp", m_myAlbum),
        {L"\\windo.bmp", &m_bmpWindo, &windoMask, &windoCx, &windoCy},
        Target(L"\\richtop.bmp", m_richtop),
        Target(L"\\richbottom.bmp", m_richbottom),
    };
    for (const FrameTarget& target : targets) {
        HBITMAP hBitmap = LoadBitmapFile(strFolder + target.file);
        BITMAP info = {};
        if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof(info), &info) == 0) {
            if (hBitmap)
                ::DeleteObject(hBitmap);
            return false;
        }
        target.bmp->Attach(hBitmap);
        *target.cx = info.bmWidth / 3;
        *target.cy = info.bmHeight / 3;
        target.mask->Attach(CreateBitmapMask(hBitmap, info.bmWidth, info.bmHeight, kTransparent));
    }
    return true;
}

bool CSkin::LoadPlainPictures(const CString& strFolder)
{
    for (const PlainPicture& picture : kRequiredPictures) {
        HBITMAP hBitmap = LoadBitmapFile(strFolder + picture.file);
        if (hBitmap == nullptr)
            return false;
        (this->*picture.bitmap).Attach(hBitmap);
    }
    m_hLogoFill = LoadBitmapFile(strFolder + kLogoFillFile);
    return m_hLogoFill != nullptr;
}

void CSkin::LoadOptionalPictures(const CString& strFolder)
{
    for (const PlainPicture& picture : kOptionalPictures) {
        HBITMAP hBitmap = LoadBitmapFile(strFolder + picture.file);
        if (hBitmap)
            (this->*picture.bitmap).Attach(hBitmap);
    }
}

// Reads the colours of the skin's settings file; a key that is missing or empty leaves its
// colour as the skin loaded before set it.
void CSkin::LoadColours(const CString& strFolder)
{
    const CString strFile = strFolder + kSettingsFile;
    ReadColour(strFile, L"normal_text", m_clrNormalText);
    ReadColour(strFile, L"dsk_angle", m_clrDskAngle);
    ReadColour(strFile, L"ctrl_border1x1", m_clrCtrlBorder1x1);
    const CString strBorder = ReadProfileValue(L"style", L"ctrl_border2x2", strFile);
    if (!strBorder.IsEmpty()) {
        unsigned long first = 0;
        unsigned long second = 0;
        const int nRead = swscanf(strBorder, L"%lx,%lx", &first, &second);
        if (nRead >= 1)
            m_clrCtrlBorder2x2First = first;
        if (nRead >= 2)
            m_clrCtrlBorder2x2Second = second;
    }
    ReadColour(strFile, L"videobk", m_clrVideoBk);
    ReadColour(strFile, L"chatvideobk", m_clrChatVideoBk);
    ReadColour(strFile, L"narrowbk", m_clrNarrowBk);
}

void CSkin::Empty()
{
    ++m_nChanges;
    m_pPieces->Empty();
    for (CSkinFrameFill CSkin::*frame : kFillFrames) {
        EmptyFrame(this->*frame);
        (this->*frame).m_brush.DeleteObject();
    }
    for (CSkinFrame CSkin::*frame : kFrames)
        EmptyFrame(this->*frame);
    for (const PlainPicture& picture : kRequiredPictures)
        (this->*picture.bitmap).DeleteObject();
    for (const PlainPicture& picture : kOptionalPictures)
        (this->*picture.bitmap).DeleteObject();
    m_bmpWindo.DeleteObject();
    if (m_hLogoFill) {
        ::DeleteObject(m_hLogoFill);
        m_hLogoFill = nullptr;
    }
}

void CSkin::Assign(CSkin& other)
{
    // Taking from itself would release everything first and then find nothing to take.
    if (&other == this)
        return;
    Empty();
    other.m_pPieces->Empty();
    ++other.m_nChanges;
    m_strCurrName = other.m_strCurrName;
    m_clrNormalText = other.m_clrNormalText;
    m_clrCtrlBorder1x1 = other.m_clrCtrlBorder1x1;
    m_clrCtrlBorder2x2First = other.m_clrCtrlBorder2x2First;
    m_clrCtrlBorder2x2Second = other.m_clrCtrlBorder2x2Second;
    m_clrDskAngle = other.m_clrDskAngle;
    m_clrVideoBk = other.m_clrVideoBk;
    m_clrChatVideoBk = other.m_clrChatVideoBk;
    m_clrNarrowBk = other.m_clrNarrowBk;
    for (CSkinFrameFill CSkin::*frame : kFillFrames) {
        MoveFrame(this->*frame, other.*frame);
        MoveGdiObject((this->*frame).m_brush, (other.*frame).m_brush);
    }
    for (CSkinFrame CSkin::*frame : kFrames)
        MoveFrame(this->*frame, other.*frame);
    for (const PlainPicture& picture : kRequiredPictures)
        MoveGdiObject(this->*picture.bitmap, other.*picture.bitmap);
    for (const PlainPicture& picture : kOptionalPictures)
        MoveGdiObject(this->*picture.bitmap, other.*picture.bitmap);
    MoveGdiObject(m_bmpWindo, other.m_bmpWindo);
    m_hLogoFill = other.m_hLogoFill;
    other.m_hLogoFill = nullptr;
}

CString CSkin::GetCurrName() const
{
    return m_strCurrName;
}

void CSkin::SetCurrName(LPCTSTR lpszName)
{
    m_strCurrName = lpszName;
}
