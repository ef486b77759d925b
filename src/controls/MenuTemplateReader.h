// MenuTemplateReader: reads a standard menu resource template (the format LoadMenuIndirect takes)
// into a tree of items, staying inside the resource's size. A template that is cut short, claims
// more than it holds, nests too deeply or is of another format gives a clear failure.
#pragma once

#include <afx.h>

#include <vector>

struct MenuTemplateItem {
    UINT nFlags; // MF_xxx flags of the item, MF_END removed
    UINT nID;    // command, 0 for separators and popups
    CString strText;
    std::vector<MenuTemplateItem> children; // the items of a popup (MF_POPUP)
};

class MenuTemplateReader {
public:
    MenuTemplateReader(const BYTE* pData, DWORD cbData);

    // The top-level items, or false when the template is malformed.
    bool Read(std::vector<MenuTemplateItem>& items);

    // Popups may nest this deep; deeper templates are refused.
    static const int kMaxDepth = 16;
    // At most this many items in one template.
    static const int kMaxItems = 4096;

private:
    bool ReadLevel(std::vector<MenuTemplateItem>& items, int nDepth);
    bool ReadWord(WORD& w);
    bool ReadText(CString& strText);

    const BYTE* m_pData;
    DWORD m_cbData;
    DWORD m_offset;
    int m_nItems;
};
