// Texts of one module: strings by identifier and dialog records by name.
#include "vo_lang/CLangProRC.h"

#include "MapKeys.h"

namespace {

bool IsEmptyName(LPCTSTR name)
{
    return name == nullptr || *name == L'\0';
}

} // namespace

CString CLangProRC::GetString(LPCTSTR id) const
{
    if (id == nullptr)
        return CString();
    const auto it = m_mapStrings.find(CString(id));
    return it == m_mapStrings.end() ? CString() : it->second;
}

CLangRCDlg* CLangProRC::GetDialog(LPCTSTR name)
{
    if (name == nullptr)
        return nullptr;
    const auto it = m_mapDialogs.find(CString(name));
    return it == m_mapDialogs.end() ? nullptr : &it->second;
}

void CLangProRC::SetString(LPCTSTR id, LPCTSTR text)
{
    if (IsEmptyName(id))
        return;
    m_mapStrings[CString(id)] = text != nullptr ? CString(text) : CString();
}

CLangRCDlg* CLangProRC::AddDialog(LPCTSTR name)
{
    if (IsEmptyName(name))
        return nullptr;
    return &m_mapDialogs[CString(name)];
}

std::vector<CString> CLangProRC::GetStringIds() const
{
    return KeysOf(m_mapStrings);
}

std::vector<CString> CLangProRC::GetDialogNames() const
{
    return KeysOf(m_mapDialogs);
}
