// CStyle: start values, the style file's defaults and hexadecimal colours. The tests put their
// own res\style.ini beside the program and the shipped one back afterwards.
#include "SkinTestSupport.h"

#include <Style.h>
#include <VoHelpers.h>

namespace {

class StyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CString strExe;
        GetExePath(strExe);
        const std::wstring folder = std::wstring(static_cast<LPCTSTR>(strExe)) + L"\\res";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        m_file = folder + L"\\style.ini";
        m_aside = folder + L"\\style.ini.test-aside";
        m_bMoved = ::MoveFileExW(m_file.c_str(), m_aside.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    void TearDown() override
    {
        ::DeleteFileW(m_file.c_str());
        if (m_bMoved)
            ::MoveFileW(m_aside.c_str(), m_file.c_str());
    }

    std::wstring m_file;
    std::wstring m_aside;
    bool m_bMoved = false;
};

} // namespace

// The file's values are hexadecimal colours, an empty value keeps the field, a missing key gives
// its default.
TEST_F(StyleTest, FileValuesAreHexColours)
{
    CStyle style;
    style.LoadConfig(); // no style file: every key's default text
    EXPECT_EQ(0xC19587u, style.m_clrTintLine);
    EXPECT_EQ(0xF2D6CAu, style.m_clrFuscousLine);
    EXPECT_EQ(0xFFFFFFu, style.m_clrMultBK);

    ASSERT_TRUE(WriteFileBytes(m_file, "[Sytem]\r\nTintLine=0000ff\r\nFuscousLine=ff0000\r\nclrBtn= 0x00FF00\r\n"
                                       "MultBK=\r\nMultVideoBK=nothex\r\nMultVideoBorder=abc\r\n"));
    style.m_clrMultBK = 0x123456;
    style.LoadConfig();
    EXPECT_EQ(RGB(255, 0, 0), style.m_clrTintLine);
    EXPECT_EQ(RGB(0, 0, 255), style.m_clrFuscousLine);
    EXPECT_EQ(RGB(0, 255, 0), style.m_clrBtn);
    EXPECT_EQ(0x123456u, style.m_clrMultBK);
    EXPECT_EQ(0u, style.m_clrMultVideoBK);
    EXPECT_EQ(0xFCD8BAu, style.m_clrMultBtn);
    EXPECT_EQ(0xABCu, style.m_clrMultVideoBorder);
}
