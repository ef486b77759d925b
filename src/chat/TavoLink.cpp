// Link objects of the chat view: the key each is known by in the control's text.
#include <TavoLink.h>

namespace {
// Keys run from 0x01000000 up, leaving the values of real colours (high byte 0) unused.
const DWORD kFirstKey = 0x01000000;
const DWORD kKeyCount = 0xFF000000;
} // namespace

DWORD CTavoLink::NextKey()
{
    const DWORD dwNumber = static_cast<DWORD>(::InterlockedIncrement(&g_nLastKey));
    return kFirstKey + dwNumber % kKeyCount;
}

CTavoLink::CTavoLink() : m_dwKey(NextKey())
{
}

CTavoLink::CTavoLink(const CTavoLink&) : m_dwKey(NextKey())
{
}

CTavoLink& CTavoLink::operator=(const CTavoLink&)
{
    return *this; // the key names this object, not its contents
}

CTavoLink::~CTavoLink() = default;
