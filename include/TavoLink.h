// CTavoLink: the abstract base of every link object of the chat view (invitation and file
// links, keyword links). A link range carries the object's 32-bit key in its text-colour field;
// the chat control calls the object only after finding that key among its live links.
#pragma once

#include "VoDef.h"

#include <windows.h>
#include <richedit.h>

class VO_API CTavoLink {
public:
    CTavoLink();
    // A copy is another link: it gets a key of its own.
    CTavoLink(const CTavoLink& other);
    CTavoLink& operator=(const CTavoLink& other);

    // Called by the chat control when the user clicks a range linked to this object.
    virtual void OnEnLink(ENLINK* pLink) = 0;
    virtual ~CTavoLink();

    // The key written into the text-colour field of the object's ranges. Keys are never 0 and
    // their high byte is never 0, so no real colour (RTF colours have a zero high byte: text
    // pasted from elsewhere) names a link.
    DWORD GetKey() const { return m_dwKey; }

    // Last key number handed out, process-wide (keys wrap after some four billion links).
    static LONG g_nLastKey;

private:
    static DWORD NextKey();

    DWORD m_dwKey;
};
