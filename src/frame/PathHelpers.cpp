// The executable's folder, head-image file names and the picture-service addresses.

#include <VoHelpers.h>

#include "FrameGlobals.h"

#include <afxlite/AfxPath.h>
#include <afxlite/AfxProfile.h>

namespace {

const int kCustomImageId = 99999;

// Longest picture address read from the multi-party chat file, in characters.
const DWORD kMaxUrlLength = 2047;

} // namespace

void GetExePath(CString& out)
{
    if (g_strExePath.IsEmpty())
        g_strExePath = AfxGetModuleFolder(nullptr);
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
    g_strFaceUrlDown = AfxGetProfileText(file, L"roominfo", L"picurldown", L"", kMaxUrlLength);
    g_strFaceUrlUp = AfxGetProfileText(file, L"roominfo", L"picurlup", L"", kMaxUrlLength);
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
