#include <Oem.h>

#include <afxlite/AfxModule.h>
#include <afxlite/AfxProfile.h>

#include "BitmapFile.h"
#include "OemAddresses.h"
#include "frame/LangModule.h"
#include "res/BrandingIds.h"

#include <LangDB.h>

#include <vector>

namespace {

const wchar_t kOemSection[] = L"OEM";
const wchar_t kDefaultFace[] = L"宋体";
const wchar_t kDefaultAppName[] = L"Corvala";
const wchar_t kReceiveFolder[] = L"My Receives";

// Point sizes of the three interface fonts, in tenths of a point.
const int kSmallFontSize = 85;
const int kMediumFontSize = 90;
const int kBigFontSize = 120;

const int kMainIconSize = 32;
const int kChatIconSize = 28;
const int kOwnSize = 0; // LoadImage keeps the picture's own size

const COLORREF kMagenta = RGB(255, 0, 255);

// The process's current directory; empty when it cannot be read.
CString CurrentDirectory()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0)
        return CString();
    std::vector<wchar_t> folder(needed);
    const DWORD length = GetCurrentDirectoryW(needed, folder.data());
    if (length == 0 || length >= needed)
        return CString();
    return CString(folder.data(), static_cast<int>(length));
}

// The system's window-caption font, or false when the system does not tell it.
bool GetCaptionLogFont(LOGFONT& logFont)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return false;
    logFont = metrics.lfCaptionFont;
    return true;
}

HICON LoadIconFile(const CString& file, int size)
{
    return static_cast<HICON>(LoadImageW(nullptr, file, IMAGE_ICON, size, size, LR_LOADFROMFILE));
}

HICON LoadIconResource(UINT id, int size)
{
    const LPCTSTR name = MAKEINTRESOURCE(id);
    return static_cast<HICON>(LoadImageW(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON, size, size, 0));
}

// Icon file of the edition, else the library's icon resource.
HICON LoadOemIcon(const CString& file, UINT fallbackId, int size)
{
    const HICON icon = LoadIconFile(file, size);
    return icon != nullptr ? icon : LoadIconResource(fallbackId, size);
}

// Bitmap file of the edition, else the library's bitmap resource (CBitmap or CWBitmap).
template <class Bitmap>
void LoadOemBitmap(Bitmap& bitmap, const CString& file, UINT fallbackId)
{
    // A section keeps the file's own pixel format, so a header with a format that does not
    // exist fails here instead of giving an empty picture.
    const HGDIOBJ loaded = IsWholeBitmapFile(file)
                               ? LoadImageW(nullptr, file, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)
                               : nullptr;
    if (loaded != nullptr) {
        if (bitmap.Attach(loaded))
            return;
        DeleteObject(loaded);
    }
    bitmap.LoadBitmap(fallbackId);
}

// One image as large as the logo, magenta transparent; the list stays empty without a logo.
void MakeLogoList(CImageList& list, CWBitmap& logo)
{
    if (logo.GetSafeHandle() == nullptr)
        return;
    if (list.Create(logo.m_nWidth, logo.m_nHeight, ILC_COLOR24 | ILC_MASK, 1, 1))
        list.Add(&logo, kMagenta);
}

void DrawFirstImage(CImageList& list, CDC* pDC, CPoint point)
{
    if (pDC == nullptr || list.GetSafeHandle() == nullptr || list.GetImageCount() < 1)
        return;
    list.Draw(pDC, 0, point, ILD_TRANSPARENT);
}

// Text of key in the oem.ini section, else the library's string resource.
CString ReadOemText(LPCTSTR oemFile, LPCTSTR key, UINT fallbackId)
{
    CString text = AfxGetProfileText(oemFile, kOemSection, key);
    if (text.IsEmpty())
        text.LoadString(fallbackId);
    return text;
}

// A point font with the face named by key (宋体 when the key is absent). A key present with an
// empty value selects the system's caption font instead.
void LoadFont(CFont& font, LPCTSTR oemFile, LPCTSTR key, int tenthsOfPoint)
{
    const CString face = AfxGetProfileText(oemFile, kOemSection, key, kDefaultFace);
    if (!face.IsEmpty() && font.CreatePointFont(tenthsOfPoint, face))
        return;
    font.DeleteObject();
    LOGFONT caption = {};
    if (GetCaptionLogFont(caption) && font.CreateFontIndirect(&caption))
        return;
    // Without a caption font the field would hold no font at all.
    font.CreatePointFont(tenthsOfPoint, kDefaultFace);
}

} // namespace

COem::COem()
    : m_pFontCurrChatMsg(nullptr), m_bLoaded(0), m_nSpecifyDomain(0), m_hMainIcon32(nullptr), m_hMainIcon(nullptr),
      m_hChatIcon(nullptr), m_hHistIcon(nullptr)
{
    SetDefaultAddresses(*this);
}

COem::~COem() = default;

void COem::load()
{
    if (m_bLoaded)
        return;
    m_bLoaded = 1;
    LoadLangModule();

    const CString folder = CurrentDirectory();
    const CString language = CLangDB::Instance()->GetLangString(-1);
    CString oemFile;
    oemFile.Format(L"%s\\Lang\\%s\\oem.ini", folder.GetString(), language.GetString());
    LoadFonts(oemFile);
    LoadTexts(oemFile);

    const CString pictureFolder = folder + L"\\CONFIG\\OEM\\";
    LoadIcons(pictureFolder);
    LoadBitmaps(pictureFolder);
    m_strReceiveFolder = kReceiveFolder;

    ReadAddresses(*this, pictureFolder + L"WebServer.ini", language);
}

void COem::LoadFonts(LPCTSTR oemFile)
{
    LoadFont(m_fontSmall, oemFile, L"fontsmall", kSmallFontSize);
    LoadFont(m_fontMedium, oemFile, L"fontmedium", kMediumFontSize);
    LoadFont(m_fontBig, oemFile, L"fontbig", kBigFontSize);
}

void COem::LoadTexts(LPCTSTR oemFile)
{
    m_nSpecifyDomain = AfxGetProfileNumber(oemFile, kOemSection, L"specifydomain", 0);
    m_strAppName = AfxGetProfileText(oemFile, kOemSection, L"appname", kDefaultAppName);
    if (m_strAppName.IsEmpty())
        m_strAppName = kDefaultAppName;
    m_strName = ReadOemText(oemFile, L"name", IDS_VO_PRODUCT_NAME);
    m_strDescription = ReadOemText(oemFile, L"description", IDS_VO_DESCRIPTION);
    m_strWebsite = ReadOemText(oemFile, L"website", IDS_VO_WEBSITE);
    m_strCompanyName = ReadOemText(oemFile, L"companyname", IDS_VO_COMPANY_NAME);
    m_strCopyright = ReadOemText(oemFile, L"copyright", IDS_VO_COPYRIGHT);
    m_strMoneyName = ReadOemText(oemFile, L"moneyname", IDS_VO_MONEY_NAME);
}

void COem::LoadIcons(const CString& pictureFolder)
{
    const CString mainFile = pictureFolder + L"main.ico";
    m_hMainIcon32 = LoadIconFile(mainFile, kMainIconSize);
    if (m_hMainIcon32 != nullptr)
        m_hMainIcon = LoadIconFile(mainFile, kOwnSize);
    if (m_hMainIcon32 == nullptr)
        m_hMainIcon32 = LoadIconResource(IDI_VO_MAIN, kMainIconSize);
    if (m_hMainIcon == nullptr)
        m_hMainIcon = LoadIconResource(IDI_VO_MAIN, kOwnSize);
    m_hChatIcon = LoadOemIcon(pictureFolder + L"chat.ico", IDI_VO_CHAT, kChatIconSize);
    m_hHistIcon = LoadOemIcon(pictureFolder + L"hist.ico", IDI_VO_HISTORY, kOwnSize);
}

void COem::LoadBitmaps(const CString& pictureFolder)
{
    LoadOemBitmap(m_bmpFriendFace, pictureFolder + L"frdface.bmp", IDB_VO_FRIEND_FACES);
    LoadOemBitmap(m_bmpSearchHead, pictureFolder + L"srchhead.bmp", IDB_VO_SEARCH_HEAD);
    LoadOemBitmap(m_bmpLogo, pictureFolder + L"logo.bmp", IDB_VO_LOGO);
    MakeLogoList(m_imageList, m_bmpLogo);
    LoadOemBitmap(m_bmpLogo2, pictureFolder + L"logo2.bmp", IDB_VO_LOGO2);
    MakeLogoList(m_imageList2, m_bmpLogo2);
    LoadOemBitmap(m_bmpLogo3, pictureFolder + L"logo3.bmp", IDB_VO_LOGO3);
    MakeLogoList(m_imageList3, m_bmpLogo3);
}

CFont* COem::GetFontCurrChatMsg()
{
    if (m_pFontCurrChatMsg == nullptr)
        m_pFontCurrChatMsg = &m_fontMedium;
    return m_pFontCurrChatMsg;
}

void COem::SetFontCurrChatMsg(FONT_SIZE size)
{
    switch (size) {
    case FONT_SMALL:
        m_pFontCurrChatMsg = &m_fontSmall;
        break;
    case FONT_BIG:
        m_pFontCurrChatMsg = &m_fontBig;
        break;
    default:
        m_pFontCurrChatMsg = &m_fontMedium;
        break;
    }
}

void COem::DrawLogo(CDC* pDC, CPoint point)
{
    DrawFirstImage(m_imageList, pDC, point);
}

void COem::DrawLogo2(CDC* pDC, CPoint point)
{
    DrawFirstImage(m_imageList2, pDC, point);
}

void COem::DrawLogo3(CDC* pDC, CPoint point)
{
    DrawFirstImage(m_imageList3, pDC, point);
}

void COem::FriendImageAdd(CImageList* list)
{
    if (list == nullptr)
        return;
    // Only an add that took place has blackened the strip's masked pixels; after a failed
    // one the strip still needs its original mask colour.
    if (list->Add(&m_bmpFriendFace, m_nFriendImage) < 0)
        return;
    if (m_nFriendImage != 0)
        m_nFriendImage = 0;
}

int COem::IsOEMVersion()
{
    m_strAppName.MakeLower();
    return m_strAppName != L"corvala" ? 1 : 0;
}

int COem::IsOEMZX()
{
    m_strAppName.MakeLower();
    return m_strAppName == L"zx" ? 1 : 0;
}

SEX_ GetGender(const wchar_t* text)
{
    if (OEM.IsOEMZX())
        return SEX_FEMALE;
    const CString value(text);
    if (value == L"2")
        return SEX_UNKNOWN;
    if (value == L"1")
        return SEX_MALE;
    if (value == L"0")
        return SEX_FEMALE;
    if (value == L"M")
        return SEX_MALE;
    // Without the library's texts the word for male is unknown; an empty text is no gender.
    const CString male = GetLangModuleString(L"IDS_MALE");
    if (!male.IsEmpty() && value == male)
        return SEX_MALE;
    return SEX_FEMALE;
}
