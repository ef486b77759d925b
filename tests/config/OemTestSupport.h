// Fixture of the branding tests: a temporary installation folder made the current directory,
// where the tests write the edition's oem.ini, WebServer.ini and pictures before a load.
#pragma once

#include "ConfigTestSupport.h"

#include <LangDB.h>
#include <Oem.h>

#include <gtest/gtest.h>

namespace configtest {

class OemFolder : public ::testing::Test
{
protected:
    OemFolder() : m_current(m_folder.Path()) {}

    void SetUp() override { ASSERT_TRUE(m_current.Changed()); }

    static CString Language() { return CLangDB::Instance()->GetLangString(-1); }

    // Writes the [OEM] section of Lang\<current language>\oem.ini.
    void WriteOemIni(const std::wstring& keys)
    {
        const std::wstring path = m_folder / (L"Lang\\" + std::wstring(Language().GetString()) + L"\\oem.ini");
        ASSERT_TRUE(WriteTextFile(path, L"[OEM]\r\n" + keys));
    }
    // Writes the [WebServer] section of CONFIG\OEM\WebServer.ini.
    void WriteWebServerIni(const std::wstring& keys)
    {
        ASSERT_TRUE(WriteTextFile(m_folder / L"CONFIG\\OEM\\WebServer.ini", L"[WebServer]\r\n" + keys));
    }
    // Writes a file of CONFIG\OEM\ (icons and bitmaps).
    void WritePicture(const std::wstring& name, const std::vector<unsigned char>& bytes)
    {
        ASSERT_TRUE(WriteBinaryFile(m_folder / (L"CONFIG\\OEM\\" + name), bytes));
    }

    TempFolder m_folder;
    ScopedCurrentDirectory m_current;
};

// The face name and height of a font; empty face for an object without a font.
inline LOGFONT LogFontOf(CFont& font)
{
    LOGFONT logFont = {};
    if (font.GetSafeHandle() != nullptr)
        font.GetLogFont(&logFont);
    return logFont;
}

} // namespace configtest
