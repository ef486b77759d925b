// The executable's folder, head-image file names and the picture-service addresses.

#include <VoHelpers.h>

#include "FrameGlobals.h"

#include <vector>

namespace {

const int kCustomImageId = 99999;

// Longest file name the system gives back (the extended-length path limit).
const DWORD kMaxModuleName = 32768;

// Longest picture address read from the multi-party chat file, in characters.
const DWORD kMaxUrlLength = 2047;

// Folder of the executable's full file name, or an empty string when the name cannot be read.
// The buffer grows until the whole name fits: a truncated name would yield a wrong folder.
CString ReadExeFolder()
{
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return CString();
        if (length < name.size())
            break;
        if (name.size() >= kMaxModuleName)
            return CString();
        name.resize(name.size() * 2);
    }
    wchar_t* lastBackslash = wcsrchr(name.data(), L'\\');
    if (lastBackslash == nullptr)
        return CString();
    *lastBackslash = L'\0';
    return CString(name.data());
}

CString ReadProfileText(const wchar_t* file, const wchar_t* section, const wchar_t* key)
{
    std::vector<wchar_t> text(kMaxUrlLength + 1);
    GetPrivateProfileStringW(section, key, L"", text.data(), static_cast<DWORD>(text.size()), file);
    return CString(text.data());
}

} // namespace

void GetExePath(CString& out)
{
    if (g_strExePath.IsEmpty())
        g_strExePath = ReadExeFolder();
    if (!g_strExePath.IsEmpty())
        out = g_strExePath;
}

void GetTmpPath(CString& out)
{
    CString folder;
    GetExePath(folder);
    if (!folder.IsEmpty())
        out = folder + L"\\tmp";
}

bool LoadFaceUrls()
{
    if (!g_strFaceUrlDown.IsEmpty())
        return true;
    CString folder;
    GetExePath(folder);
    if (folder.IsEmpty())
        return false;
    const CString file = folder + L"\\config\\multichat.ini";
    g_strFaceUrlDown = ReadProfileText(file, L"roominfo", L"picurldown");
    g_strFaceUrlUp = ReadProfileText(file, L"roominfo", L"picurlup");
    return true;
}

CString GetFaceUrlDown()
{
    return g_strFaceUrlDown;
}

CString GetFaceUrlUp()
{
    return g_strFaceUrlUp;
}

void GetSysImageFile(const wchar_t* folder, const wchar_t* subfolder, int number, CString& out)
{
    out.Format(L"%s%s\\%d.jpg", folder, subfolder, number);
}

void GetPerImageFile(const wchar_t* folder, const wchar_t* name, CString& out)
{
    out.Format(L"%s\\%s.jpg", folder, name);
}

int GetCustomId()
{
    return kCustomImageId;
}

int IsSysImage(int number)
{
    return number != kCustomImageId ? 1 : 0;
}
