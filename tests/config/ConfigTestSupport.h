// Helpers of the configuration and branding tests: settings files written as the client's tools
// write them (UTF-16 with a byte-order mark) and a fixture whose temporary installation folder is
// the current directory.
#pragma once

#include "../common/GdiTestSupport.h"
#include "../common/PictureFiles.h"
#include "../common/TempFolder.h"

#include <afxwin.h>
#include <LangDB.h>
#include <Oem.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace configtest {

// The bytes of text as UTF-16 LE with a byte-order mark.
inline std::string Utf16File(const std::wstring& text)
{
    const std::wstring marked = L"\xFEFF" + text;
    return std::string(reinterpret_cast<const char*>(marked.data()), marked.size() * sizeof(wchar_t));
}

// Width and height of an icon's colour picture; (0, 0) when the handle is no icon.
inline CSize IconSize(HICON icon)
{
    CSize size(0, 0);
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return size;
    BITMAP colour = {};
    if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof(colour), &colour) == sizeof(colour))
        size = CSize(colour.bmWidth, colour.bmHeight);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

// The face name and height of a font; empty face for an object without a font.
inline LOGFONT LogFontOf(CFont& font)
{
    LOGFONT logFont = {};
    if (font.GetSafeHandle() != nullptr)
        font.GetLogFont(&logFont);
    return logFont;
}

// A temporary installation folder made the current directory, where the branding tests write
// the edition's oem.ini, WebServer.ini and pictures before a load.
class OemFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t previous[MAX_PATH * 4] = {};
        GetCurrentDirectoryW(MAX_PATH * 4, previous);
        m_previous = previous;
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Path().c_str()));
    }
    void TearDown() override { SetCurrentDirectoryW(m_previous.c_str()); }

    static CString Language() { return CLangDB::Instance()->GetLangString(-1); }

    void WriteOemIni(const std::wstring& keys)
    {
        const std::wstring path = L"Lang\\" + std::wstring(Language().GetString()) + L"\\oem.ini";
        ASSERT_TRUE(m_folder.Write(path, Utf16File(L"[OEM]\r\n" + keys)));
    }
    void WriteWebServerIni(const std::wstring& keys)
    {
        ASSERT_TRUE(m_folder.Write(L"CONFIG\\OEM\\WebServer.ini", Utf16File(L"[WebServer]\r\n" + keys)));
    }
    void WritePicture(const std::wstring& name, const std::string& bytes)
    {
        ASSERT_TRUE(m_folder.Write(L"CONFIG\\OEM\\" + name, bytes));
    }

    CTempFolder m_folder;
    std::wstring m_previous;
};

} // namespace configtest
