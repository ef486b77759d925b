// Keyword links: one object per keyword text, process-wide, opened through the shell seam.
#include <TavoKeyLink.h>

#include "chat/ChatShell.h"

CTavoKeyLink::CTavoKeyLink(const CKeyWord* keyword) : m_pKeyWord(new CKeyWord(keyword ? *keyword : CKeyWord()))
{
}

CTavoKeyLink::CTavoKeyLink(const CTavoKeyLink& other) : CTavoLink(other), m_pKeyWord(new CKeyWord(*other.m_pKeyWord))
{
}

CTavoKeyLink& CTavoKeyLink::operator=(const CTavoKeyLink& other)
{
    *m_pKeyWord = *other.m_pKeyWord;
    return *this;
}

CTavoKeyLink::~CTavoKeyLink()
{
    delete m_pKeyWord;
}

void CTavoKeyLink::OnEnLink(ENLINK*)
{
    ChatShellOpen(m_pKeyWord->m_strTarget);
}

CTavoKeyLink* CTavoKeyLink::add(CKeyWord* keyword)
{
    if (keyword == nullptr || keyword->m_strKeyWord.IsEmpty())
        return nullptr;
    void* pFound = nullptr;
    if (m_mapKeys.Lookup(keyword->m_strKeyWord, pFound))
        return static_cast<CTavoKeyLink*>(pFound);
    CTavoKeyLink* pLink = new CTavoKeyLink(keyword);
    m_mapKeys.SetAt(keyword->m_strKeyWord, pLink);
    return pLink;
}

void CTavoKeyLink::releaseAll()
{
    POSITION pos = m_mapKeys.GetStartPosition();
    while (pos != nullptr) {
        CString strKey;
        void* pLink = nullptr;
        m_mapKeys.GetNextAssoc(pos, strKey, pLink);
        delete static_cast<CTavoKeyLink*>(pLink);
    }
    m_mapKeys.RemoveAll();
}

CTavoKeyLink* CTavoKeyLink::FromKey(DWORD dwKey)
{
    POSITION pos = m_mapKeys.GetStartPosition();
    while (pos != nullptr) {
        CString strKey;
        void* pLink = nullptr;
        m_mapKeys.GetNextAssoc(pos, strKey, pLink);
        if (static_cast<CTavoKeyLink*>(pLink)->GetKey() == dwKey)
            return static_cast<CTavoKeyLink*>(pLink);
    }
    return nullptr;
}
