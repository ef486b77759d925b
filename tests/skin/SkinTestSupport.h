// Skins written at test time into a temporary skins folder: every picture a 24-bit bitmap file
// whose nine cells have known colours, and a CSkin subclass that reaches the class-wide folder.
#pragma once

#include <Skin.h>

#include "../common/GdiTestSupport.h"
#include "../common/PictureFiles.h"
#include "../common/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Colour of cell (column, row) of every nine-cell picture of a test skin; nBlue tells skins apart.
inline COLORREF CellColour(int nColumn, int nRow, int nBlue)
{
    return RGB(40 + 60 * nColumn, 40 + 60 * nRow, nBlue);
}

// Writes a 24-bit bitmap file with colourAt(x, y) at each pixel.
inline bool WriteBmp(const std::wstring& path, int nWidth, int nHeight,
                     const std::function<COLORREF(int, int)>& colourAt)
{
    return WriteFileBytes(path, MakeBmpFile(nWidth, nHeight, colourAt));
}

// Side of the test pictures: nine cells of 10 by 10 pixels. The bars (richtop, richbottom) are
// three rows of 8 pixels.
const int kTestPicture = 30;
const int kTestCell = kTestPicture / 3;
const int kTestBarPicture = 24;

// A temporary skins folder.
class CTempSkins : public CTempFolder {
public:
    // A complete skin (every required picture, and the optional ones with bOptional) with the
    // given settings text.
    void AddSkin(const std::wstring& name, int nBlue, const std::string& settings = std::string(),
                 bool bOptional = true) const
    {
        static const wchar_t* const kNineCell[] = {L"main",  L"viewpage", L"viewlogo",  L"normalt", L"normalb",
                                                   L"wide",  L"lbtn",     L"myinfo",    L"tbtn",    L"myAlbum",
                                                   L"windo", L"richtop",  L"richbottom"};
        static const wchar_t* const kPlain[] = {L"mini", L"max", L"close", L"up", L"down", L"logofill"};
        static const wchar_t* const kPlayer[] = {L"open", L"play",  L"pause",   L"stop",   L"begin",     L"end",
                                                 L"mute", L"sound", L"playpos", L"volumn", L"playpos_bg"};
        const std::wstring folder = Path(name) + L"\\";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        for (const std::wstring file : kNineCell) {
            const int nHeight = file.compare(0, 4, L"rich") == 0 ? kTestBarPicture : kTestPicture;
            WriteBmp(folder + file + L".bmp", kTestPicture, nHeight,
                     [=](int x, int y) { return CellColour(x / kTestCell, y / (nHeight / 3), nBlue); });
        }
        auto plain = [=](int, int) { return RGB(1, 2, nBlue); };
        for (const std::wstring file : kPlain)
            WriteBmp(folder + file + L".bmp", 8, 8, plain);
        if (!settings.empty())
            WriteFileBytes(folder + L"config.ini", settings);
        if (!bOptional)
            return;
        WriteBmp(folder + L"btn.bmp", 8, 8, plain);
        ::CreateDirectoryW((folder + L"MPlayer").c_str(), nullptr);
        for (const std::wstring file : kPlayer)
            WriteBmp(folder + L"MPlayer\\" + file + L".bmp", 8, 8, plain);
    }

    void SetCurrent(const std::wstring& name) const
    {
        ::WritePrivateProfileStringW(L"config", L"current", name.c_str(), Path(L"config.ini").c_str());
    }
};

// A CSkin whose class-wide folder and names the tests reach.
class CTestSkin : public CSkin {
public:
    static CString& Folder() { return g_strPath; }
    static std::vector<CString>& Names() { return g_vctNames; }
};

// Points the class-wide skins folder at a temporary one for the test and puts the library's
// folder and names back afterwards.
class SkinFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedFolder = CTestSkin::Folder();
        m_savedNames = CTestSkin::Names();
        CTestSkin::Folder() = m_skins.Path().c_str();
    }
    void TearDown() override
    {
        CTestSkin::Folder() = m_savedFolder;
        CTestSkin::Names() = m_savedNames;
    }

    CTempSkins m_skins;

private:
    CString m_savedFolder;
    std::vector<CString> m_savedNames;
};
