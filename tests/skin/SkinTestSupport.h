// Skins written at test time into a temporary skins folder: every picture a 24-bit bitmap file
// whose nine cells have known colours, and a CSkin subclass that reaches the class-wide folder
// and the drawing primitives.
#pragma once

#include <Skin.h>

#include "GdiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Colour of cell (column, row) of every nine-cell picture of a test skin; nBlue tells skins apart.
inline COLORREF CellColour(int nColumn, int nRow, int nBlue)
{
    return RGB(40 + 60 * nColumn, 40 + 60 * nRow, nBlue);
}

// Writes a 24-bit bottom-up bitmap file with colourAt(x, y) at each pixel.
inline bool WriteBmp(const std::wstring& path, int nWidth, int nHeight, const std::function<COLORREF(int, int)>& colourAt)
{
    const int nRowBytes = (nWidth * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(nRowBytes) * nHeight);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x) {
            const COLORREF colour = colourAt(x, y);
            unsigned char* p = &pixels[static_cast<size_t>(nHeight - 1 - y) * nRowBytes + x * 3];
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = nWidth;
    info.biHeight = nHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(pixels.size());
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr)
        return false;
    fwrite(&file, sizeof(file), 1, out);
    fwrite(&info, sizeof(info), 1, out);
    fwrite(pixels.data(), 1, pixels.size(), out);
    return fclose(out) == 0;
}

inline bool WriteTextFile(const std::wstring& path, const std::string& text)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr)
        return false;
    fwrite(text.data(), 1, text.size(), out);
    return fclose(out) == 0;
}

// Side of the test pictures: nine cells of 10 by 10 pixels.
const int kTestPicture = 30;
const int kTestCell = kTestPicture / 3;
// Height of the bar pictures (richtop, richbottom): three cell rows of 8 pixels, one bar.
const int kTestBarPicture = 24;

const wchar_t* const kNineCellFiles[] = {L"main.bmp",  L"viewpage.bmp", L"viewlogo.bmp", L"normalt.bmp", L"normalb.bmp",
                                         L"wide.bmp",  L"lbtn.bmp",     L"myinfo.bmp",   L"tbtn.bmp",    L"myAlbum.bmp",
                                         L"windo.bmp", L"richtop.bmp",  L"richbottom.bmp"};
const wchar_t* const kPlainFiles[] = {L"mini.bmp", L"max.bmp", L"close.bmp", L"up.bmp", L"down.bmp", L"logofill.bmp"};
const wchar_t* const kPlayerFiles[] = {L"open.bmp", L"play.bmp",   L"pause.bmp",   L"stop.bmp",
                                       L"begin.bmp", L"end.bmp",   L"mute.bmp",    L"sound.bmp",
                                       L"playpos.bmp", L"volumn.bmp", L"playpos_bg.bmp"};

// A temporary skins folder, removed with everything in it at the end.
class CTempSkins
{
public:
    CTempSkins()
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        wchar_t name[32] = {};
        swprintf(name, 32, L"vo_skins_%lu_%lu", ::GetCurrentProcessId(), ++Counter());
        m_path = std::wstring(temp) + name;
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~CTempSkins() { RemoveTree(m_path); }
    CTempSkins(const CTempSkins&) = delete;
    CTempSkins& operator=(const CTempSkins&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring SkinPath(const std::wstring& name) const { return m_path + L"\\" + name; }

    // A complete skin (every required and optional picture) with the given settings text.
    void AddSkin(const std::wstring& name, int nBlue, const std::string& settings = std::string(),
                 bool bOptional = true) const
    {
        const std::wstring folder = SkinPath(name);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        for (const wchar_t* file : kNineCellFiles) {
            const bool bBar = wcscmp(file, L"richtop.bmp") == 0 || wcscmp(file, L"richbottom.bmp") == 0;
            const int nCellHeight = bBar ? kTestBarPicture / 3 : kTestCell;
            WriteBmp(folder + L"\\" + file, kTestPicture, bBar ? kTestBarPicture : kTestPicture,
                     [=](int x, int y) { return CellColour(x / kTestCell, y / nCellHeight, nBlue); });
        }
        for (const wchar_t* file : kPlainFiles)
            WriteBmp(folder + L"\\" + file, 8, 8, [=](int, int) { return RGB(1, 2, nBlue); });
        if (!settings.empty())
            WriteTextFile(folder + L"\\config.ini", settings);
        if (!bOptional)
            return;
        WriteBmp(folder + L"\\btn.bmp", 8, 8, [=](int, int) { return RGB(3, 4, nBlue); });
        ::CreateDirectoryW((folder + L"\\MPlayer").c_str(), nullptr);
        for (const wchar_t* file : kPlayerFiles)
            WriteBmp(folder + L"\\MPlayer\\" + file, 8, 8, [=](int, int) { return RGB(5, 6, nBlue); });
    }

    void SetCurrent(const std::wstring& name) const
    {
        ::WritePrivateProfileStringW(L"config", L"current", name.c_str(), (m_path + L"\\config.ini").c_str());
    }

    static void RemoveTree(const std::wstring& path)
    {
        WIN32_FIND_DATAW data = {};
        HANDLE hFind = ::FindFirstFileW((path + L"\\*").c_str(), &data);
        if (hFind != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring child = path + L"\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    ::DeleteFileW(child.c_str());
            } while (::FindNextFileW(hFind, &data));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryW(path.c_str());
    }

private:
    static unsigned long& Counter()
    {
        static unsigned long counter = 0;
        return counter;
    }
    std::wstring m_path;
};

// A CSkin whose class-wide folder and names and drawing primitives the tests reach.
class CTestSkin : public CSkin
{
public:
    using CSkin::Draw;
    using CSkin::DrawCopy;
    using CSkin::DrawLR;
    using CSkin::DrawTB;
    using CSkin::DrawTop;
    using CSkin::FillCenter;
    static CString& Folder() { return g_strPath; }
    static std::vector<CString>& Names() { return g_vctNames; }
};

// Points the class-wide skins folder at a temporary one for the test and puts the library's
// folder and names back afterwards.
class SkinFolderTest : public ::testing::Test
{
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
