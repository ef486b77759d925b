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

inline bool CreateFolders(const std::wstring& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const size_t slash = path.rfind(L'\\');
    return (slash == std::wstring::npos || CreateFolders(path.substr(0, slash))) &&
           CreateDirectoryW(path.c_str(), nullptr);
}

// Writes bytes to path, creating the file's folders.
inline bool WriteFile(const std::wstring& path, const std::string& bytes)
{
    return CreateFolders(path.substr(0, path.rfind(L'\\'))) && WriteFileBytes(path, bytes);
}

// Writes text as UTF-16 LE with a byte-order mark.
inline bool WriteTextFile(const std::wstring& path, const std::wstring& text)
{
    const std::wstring marked = L"\xFEFF" + text;
    return WriteFile(path, std::string(reinterpret_cast<const char*>(marked.data()), marked.size() * sizeof(wchar_t)));
}

// The program's own folder (the installation folder of the tests).
inline std::wstring ProgramFolder()
{
    wchar_t name[MAX_PATH * 4] = {};
    const std::wstring path(name, GetModuleFileNameW(nullptr, name, MAX_PATH * 4));
    return path.substr(0, path.rfind(L'\\'));
}

// Width and height of an icon's colour picture; (0, 0) when the handle is no icon.
inline SIZE IconSize(HICON icon)
{
    SIZE size = {0, 0};
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return size;
    BITMAP colour = {};
    if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof(colour), &colour) == sizeof(colour))
        size = {colour.bmWidth, colour.bmHeight};
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
        ASSERT_TRUE(WriteTextFile(m_folder.Path(path), L"[OEM]\r\n" + keys));
    }
    void WriteWebServerIni(const std::wstring& keys)
    {
        ASSERT_TRUE(WriteTextFile(m_folder.Path(L"CONFIG\\OEM\\WebServer.ini"), L"[WebServer]\r\n" + keys));
    }
    void WritePicture(const std::wstring& name, const std::string& bytes)
    {
        ASSERT_TRUE(WriteFile(m_folder.Path(L"CONFIG\\OEM\\" + name), bytes));
    }

    CTempFolder m_folder;
    std::wstring m_previous;
};

} // namespace configtest
