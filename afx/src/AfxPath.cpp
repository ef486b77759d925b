// Module file names and the plain-name check.
#include "afxlite/AfxPath.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

// Longest file name the system gives back (the extended-length path limit).
const DWORD kMaxModuleName = 32768;

// Whether the name is a device the system opens instead of a file: the part before the first
// dot, without the spaces the system drops at its end, compared without regard to case.
bool IsDeviceName(LPCTSTR lpszName)
{
    CString base(lpszName);
    const int dot = base.Find(L'.');
    if (dot >= 0)
        base = base.Left(dot);
    base.TrimRight(L' ');
    base.MakeUpper();
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (base == device)
            return true;
    }
    // COM and LPT with one digit; the system also takes the superscript digits 1 to 3.
    const bool bPort = base.GetLength() == 4 && (base.Left(3) == L"COM" || base.Left(3) == L"LPT");
    return bPort && (iswdigit(base[3]) || wcschr(L"\u00B9\u00B2\u00B3", base[3]));
}

} // namespace

CString AFXAPI AfxGetModuleFileName(HMODULE hModule)
{
    // The buffer grows until the whole name fits: a truncated name would give a wrong folder.
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(hModule, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return CString();
        if (length < name.size())
            return CString(name.data(), static_cast<int>(length));
        if (name.size() >= kMaxModuleName)
            return CString();
        name.resize(name.size() * 2);
    }
}

CString AFXAPI AfxGetModuleFolder(HMODULE hModule)
{
    const CString path = AfxGetModuleFileName(hModule);
    const int lastBackslash = path.ReverseFind(L'\\');
    return lastBackslash < 0 ? CString() : path.Left(lastBackslash);
}

CString AFXAPI AfxGetModuleBaseName(HMODULE hModule)
{
    const CString path = AfxGetModuleFileName(hModule);
    const CString name = path.Mid(path.ReverseFind(L'\\') + 1);
    const int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

BOOL AFXAPI AfxIsPlainFileName(LPCTSTR lpszName)
{
    if (!lpszName || wcsspn(lpszName, L".") == wcslen(lpszName))
        return FALSE; // empty or dots only ("..")
    for (const wchar_t* ch = lpszName; *ch; ++ch) {
        if (*ch < L' ' || wcschr(L"\\/:*?\"<>|", *ch))
            return FALSE;
    }
    return !IsDeviceName(lpszName);
}

BOOL AFXAPI AfxIsFolder(LPCTSTR lpszPath)
{
    const DWORD attributes = ::GetFileAttributesW(lpszPath);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
