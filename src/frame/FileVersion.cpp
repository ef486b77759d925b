// CFileVersion: the version resource of a file through the system's version API.

#include <FileVersion.h>

#include <cstring>
#include <memory>

CFileVersion::CFileVersion() : m_lpVersionData(nullptr), m_dwLangCharset(0), m_dwVersionSize(0)
{
}

CFileVersion::CFileVersion(const CFileVersion& other) : CFileVersion()
{
    CopyFrom(other);
}

CFileVersion& CFileVersion::operator=(const CFileVersion& other)
{
    if (this != &other) {
        Close();
        CopyFrom(other);
    }
    return *this;
}

CFileVersion::~CFileVersion()
{
    Close();
}

void CFileVersion::Close()
{
    delete[] m_lpVersionData;
    m_lpVersionData = nullptr;
    m_dwLangCharset = 0;
    m_dwVersionSize = 0;
}

void CFileVersion::CopyFrom(const CFileVersion& other)
{
    if (other.m_lpVersionData == nullptr)
        return;
    m_lpVersionData = new BYTE[other.m_dwVersionSize];
    memcpy(m_lpVersionData, other.m_lpVersionData, other.m_dwVersionSize);
    m_dwVersionSize = other.m_dwVersionSize;
    m_dwLangCharset = other.m_dwLangCharset;
}

int CFileVersion::Open(const wchar_t* file)
{
    Close();
    if (file == nullptr)
        return 0;
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &unused);
    if (size == 0)
        return 0;
    std::unique_ptr<BYTE[]> data(new BYTE[size]());
    if (!GetFileVersionInfoW(file, 0, size, data.get()))
        return 0;
    // Each translation entry is a language identifier followed by a code page.
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.get(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        translation == nullptr || length < 2 * sizeof(WORD))
        return 0;
    m_dwLangCharset = (static_cast<DWORD>(translation[0]) << 16) | translation[1];
    m_lpVersionData = data.release();
    m_dwVersionSize = size;
    return 1;
}

CString CFileVersion::QueryValue(const wchar_t* name, unsigned long langCharset) const
{
    if (m_lpVersionData == nullptr || name == nullptr)
        return CString();
    CString path;
    path.Format(L"\\StringFileInfo\\%08lx\\%s", langCharset != 0 ? langCharset : m_dwLangCharset, name);
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(m_lpVersionData, path, reinterpret_cast<void**>(&value), &length) || value == nullptr ||
        length == 0)
        return CString();
    return CString(value);
}

CString CFileVersion::GetFileDescription() const
{
    return QueryValue(L"FileDescription");
}
CString CFileVersion::GetFileVersion() const
{
    return QueryValue(L"FileVersion");
}
CString CFileVersion::GetInternalName() const
{
    return QueryValue(L"InternalName");
}
CString CFileVersion::GetCompanyName() const
{
    return QueryValue(L"CompanyName");
}
CString CFileVersion::GetLegalCopyright() const
{
    return QueryValue(L"LegalCopyright");
}
CString CFileVersion::GetOriginalFilename() const
{
    return QueryValue(L"OriginalFilename");
}
CString CFileVersion::GetProductName() const
{
    return QueryValue(L"ProductName");
}
CString CFileVersion::GetProductVersion() const
{
    return QueryValue(L"ProductVersion");
}

int CFileVersion::GetFixedInfo(VS_FIXEDFILEINFO& info) const
{
    if (m_lpVersionData == nullptr)
        return 0;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(m_lpVersionData, L"\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    info = *fixed;
    return 1;
}

CString CFileVersion::GetFixedFileVersion() const
{
    VS_FIXEDFILEINFO info;
    if (!GetFixedInfo(info))
        return CString();
    return FormatVersion(info.dwFileVersionMS, info.dwFileVersionLS);
}

CString CFileVersion::GetFixedProductVersion() const
{
    VS_FIXEDFILEINFO info;
    if (!GetFixedInfo(info))
        return CString();
    return FormatVersion(info.dwProductVersionMS, info.dwProductVersionLS);
}

CString CFileVersion::FormatVersion(DWORD mostSignificant, DWORD leastSignificant)
{
    CString text;
    text.Format(L"%u,%u,%u,%u", HIWORD(mostSignificant), LOWORD(mostSignificant), HIWORD(leastSignificant),
                LOWORD(leastSignificant));
    return text;
}
