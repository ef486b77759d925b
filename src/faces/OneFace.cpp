// COneFace: one catalogue entry.

#include <OneFace.h>
#include <VoHelpers.h>

#include "FacesGlobals.h"

#include <cwchar>

COneFace::COneFace(int index) : m_nIndex(index)
{
}

void COneFace::SetKey(CString& text)
{
    const int space = text.Find(L' ');
    if (space <= 0) {
        m_strKey1 = text;
    } else {
        m_strKey1 = text.Left(space);
        m_strKey2 = text.Mid(space + 1);
    }
    AddFirst(m_strKey1);
    AddFirst(m_strKey2);
}

void COneFace::AddFirst(const CString& key)
{
    if (key.IsEmpty() || g_strFirsts.Find(key[0]) >= 0)
        return;
    g_strFirsts += key[0];
}

void COneFace::SetTip(const wchar_t* text)
{
    m_strTip = text;
}

void COneFace::GetFileName(CString& path) const
{
    CString folder;
    GetExePath(folder);
    path.Format(L"%s\\%s\\%03d.gif", static_cast<LPCTSTR>(folder), static_cast<LPCTSTR>(g_strFacesFolder),
                m_nIndex + 1);
}

int COneFace::HasKey(const wchar_t* text, int* length) const
{
    ASSERT(text != nullptr && length != nullptr);
    for (const CString* key : {&m_strKey1, &m_strKey2}) {
        if (key->IsEmpty())
            continue;
        // Stops at text's terminator, so a text shorter than the shortcut never matches.
        if (_wcsnicmp(text, *key, key->GetLength()) == 0) {
            *length = key->GetLength();
            return 1;
        }
    }
    return 0;
}
