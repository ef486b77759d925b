// CStyle: the client's line, button and multi-party colours from res\style.ini.

#include <Style.h>

#include <VoHelpers.h>

#include <afxlite/AfxProfile.h>

#include <cwchar>

namespace {

// Values are cut to this many characters (read into buffers of 512).
const DWORD kValueChars = 511;

} // namespace

// The line colours start swapped against the file's defaults: a new object and one loaded
// without a style file differ in these two colours.
CStyle::CStyle()
    : m_clrTintLine(0xF2D6CA), m_clrFuscousLine(0xC19587), m_clrBtn(0xAEF7BF), m_clrReserved(0), m_clrMultBtn(0xFCD8BA),
      m_clrMultVideoBK(0xE8DEC0), m_clrMultVideoBorder(0xD5D5D5), m_clrMultBK(0xFFFFFF)
{
}

CStyle::~CStyle() = default;

void CStyle::LoadConfig()
{
    CString strFile;
    GetExePath(strFile);
    strFile += L"\\res\\style.ini";
    const struct {
        const wchar_t* key;
        const wchar_t* defaultText;
        COLORREF* colour;
    } keys[] = {
        {L"FuscousLine", L"f2d6ca", &m_clrFuscousLine},
        {L"TintLine", L"c19587", &m_clrTintLine},
        {L"clrBtn", L"aef7bf", &m_clrBtn},
        {L"MultBtn", L"FCD8BA", &m_clrMultBtn},
        {L"MultVideoBK", L"E8DEC0", &m_clrMultVideoBK},
        {L"MultVideoBorder", L"d5d5d5", &m_clrMultVideoBorder},
        {L"MultBK", L"ffffff", &m_clrMultBK},
    };
    for (const auto& key : keys) {
        // "Sytem" is the section name the shipped style files use.
        const CString text = AfxGetProfileText(strFile, L"Sytem", key.key, key.defaultText, kValueChars);
        // The colour text is the colour value itself, blue first: "0000ff" is red.
        if (!text.IsEmpty())
            *key.colour = wcstoul(text, nullptr, 16);
    }
}
