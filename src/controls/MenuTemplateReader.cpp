// Reading standard menu templates: a header of two words (version 0, extra header bytes), then
// per item a flags word, a command word for items that are not popups, and a null-terminated
// wide text; a popup's items follow it, and MF_END marks the last item of each level.
#include "controls/MenuTemplateReader.h"

MenuTemplateReader::MenuTemplateReader(const BYTE* pData, DWORD cbData)
    : m_pData(pData), m_cbData(pData ? cbData : 0), m_offset(0), m_nItems(0)
{
}

bool MenuTemplateReader::Read(std::vector<MenuTemplateItem>& items)
{
    items.clear();
    m_offset = 0;
    m_nItems = 0;
    WORD wVersion = 0;
    WORD cbHeader = 0;
    if (!ReadWord(wVersion) || !ReadWord(cbHeader) || wVersion != 0)
        return false;
    if (cbHeader > m_cbData - m_offset)
        return false;
    m_offset += cbHeader;
    return ReadLevel(items, 0);
}

bool MenuTemplateReader::ReadLevel(std::vector<MenuTemplateItem>& items, int nDepth)
{
    if (nDepth >= kMaxDepth)
        return false;
    for (;;) {
        WORD wFlags = 0;
        if (!ReadWord(wFlags) || ++m_nItems > kMaxItems)
            return false;
        MenuTemplateItem item = {static_cast<UINT>(wFlags & ~MF_END), 0, CString(), {}};
        WORD wID = 0;
        if (!(wFlags & MF_POPUP) && !ReadWord(wID))
            return false;
        item.nID = wID;
        if (!ReadText(item.strText))
            return false;
        if ((wFlags & MF_POPUP) && !ReadLevel(item.children, nDepth + 1))
            return false;
        items.push_back(std::move(item));
        if (wFlags & MF_END)
            return true;
    }
}

bool MenuTemplateReader::ReadWord(WORD& w)
{
    if (m_cbData - m_offset < sizeof(WORD))
        return false;
    ::CopyMemory(&w, m_pData + m_offset, sizeof(WORD));
    m_offset += sizeof(WORD);
    return true;
}

bool MenuTemplateReader::ReadText(CString& strText)
{
    strText.Empty();
    for (;;) {
        WORD ch = 0;
        if (!ReadWord(ch))
            return false;
        if (ch == 0)
            return true;
        strText += static_cast<wchar_t>(ch);
    }
}
