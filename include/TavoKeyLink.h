// CKeyWord and CTavoKeyLink: keyword links of the chat view. The client names words and what to
// open when one is clicked; one CTavoKeyLink per distinct keyword text serves every occurrence
// in every chat view, kept in the process-wide map m_mapKeys until releaseAll.
#pragma once

#include "TavoLink.h"
#include "VoDef.h"

#include <afxcoll.h>

// A keyword and the target the shell opens when it is clicked (an address, a path...).
struct VO_API CKeyWord {
    CKeyWord() = default;
    CKeyWord(const wchar_t* keyword, const wchar_t* target) : m_strKeyWord(keyword), m_strTarget(target) {}
    operator CString() const { return m_strKeyWord; }

    CString m_strKeyWord;
    CString m_strTarget;
};

class VO_API CTavoKeyLink : public CTavoLink {
public:
    // Copies the record.
    explicit CTavoKeyLink(const CKeyWord* keyword);
    CTavoKeyLink(const CTavoKeyLink& other);
    CTavoKeyLink& operator=(const CTavoKeyLink& other);

    // Opens the target with the shell (no verb, SW_SHOWDEFAULT); the click's details are unused.
    void OnEnLink(ENLINK* pLink) override;
    ~CTavoKeyLink() override;

    // The link of keyword's text: the one already in m_mapKeys (its target unchanged), else a
    // new one entered there. Null for a null record or an empty keyword.
    static CTavoKeyLink* add(CKeyWord* keyword);
    // Destroys every link of m_mapKeys and empties it. Ranges still carrying their keys are then
    // dead: the chat control finds no live link for them and does nothing on a click.
    static void releaseAll();
    // The live link whose key is dwKey, or null.
    static CTavoKeyLink* FromKey(DWORD dwKey);

    const CKeyWord* GetKeyWord() const { return m_pKeyWord; }

    // Keyword text -> CTavoKeyLink*; owns the links. User-interface thread only.
    static CMapStringToPtr m_mapKeys;

private:
    CKeyWord* m_pKeyWord;
};
