// CXmlSpaceMap: a reading of markup just deep enough to place the white space between tags.

#include "XmlSpaceMap.h"

#include <cwctype>
#include <cwchar>

namespace {

bool IsXmlSpace(wchar_t ch)
{
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n';
}

// White space in the widest sense: any control character and what the C library counts as space.
bool IsAnySpace(wchar_t ch)
{
    return ch <= L' ' || iswspace(ch);
}

// The position of the text find at or after p, or null.
const wchar_t* FindText(const wchar_t* p, const wchar_t* pEnd, const wchar_t* find)
{
    const size_t nFind = wcslen(find);
    for (; p + nFind <= pEnd; ++p) {
        if (wcsncmp(p, find, nFind) == 0)
            return p;
    }
    return nullptr;
}

bool StartsWith(const wchar_t* p, const wchar_t* pEnd, const wchar_t* prefix)
{
    const size_t nPrefix = wcslen(prefix);
    return static_cast<size_t>(pEnd - p) >= nPrefix && wcsncmp(p, prefix, nPrefix) == 0;
}

// The '>' that ends the tag starting at p, outside quoted attribute values, or null.
const wchar_t* TagEnd(const wchar_t* p, const wchar_t* pEnd)
{
    wchar_t quote = 0;
    for (; p < pEnd; ++p) {
        if (quote != 0) {
            quote = *p == quote ? 0 : quote;
        } else if (*p == L'"' || *p == L'\'') {
            quote = *p;
        } else if (*p == L'>') {
            return p;
        }
    }
    return nullptr;
}

} // namespace

CXmlSpaceMap::CXmlSpaceMap(const wchar_t* source, size_t length) : m_bKnown(true)
{
    if (source)
        Read(source, source + length);
    if (!m_open.empty())
        m_bKnown = false;
}

const CXmlSpaceMap::Element* CXmlSpaceMap::Find(size_t nElement) const
{
    if (!m_bKnown || nElement >= m_elements.size() || !m_elements[nElement].bKnown)
        return nullptr;
    return &m_elements[nElement];
}

// Markup is passed over up to its end; character data between two pieces of markup goes to the
// element open around it. Outside the root element nothing is recorded.
void CXmlSpaceMap::Read(const wchar_t* p, const wchar_t* const pEnd)
{
    const wchar_t* pData = p; // start of the character data before the next markup
    while (m_bKnown && p < pEnd) {
        if (*p != L'<') {
            ++p;
            continue;
        }
        AddCharacterData(pData, p);
        const wchar_t* pLast = nullptr; // the last character of the markup
        if (StartsWith(p, pEnd, L"<!--")) {
            pLast = FindText(p + 4, pEnd, L"-->");
            pLast = pLast ? pLast + 2 : nullptr;
            AddOtherChild();
        } else if (StartsWith(p, pEnd, L"<![CDATA[")) {
            pLast = FindText(p + 9, pEnd, L"]]>");
            pLast = pLast ? pLast + 2 : nullptr;
            AddOtherChild();
        } else if (StartsWith(p, pEnd, L"<?")) {
            pLast = FindText(p + 2, pEnd, L"?>");
            pLast = pLast ? pLast + 1 : nullptr;
            AddOtherChild();
        } else if (StartsWith(p, pEnd, L"<!")) {
            m_bKnown = false; // a document type
        } else if (StartsWith(p, pEnd, L"</")) {
            pLast = TagEnd(p, pEnd);
            if (m_open.empty())
                m_bKnown = false;
            else
                m_open.pop_back();
        } else {
            pLast = TagEnd(p, pEnd);
            AddChildElement();
            m_elements.emplace_back();
            m_hasText.push_back(false);
            if (pLast && pLast[-1] != L'/')
                m_open.push_back(m_elements.size() - 1);
        }
        if (!pLast) {
            m_bKnown = false;
            return;
        }
        p = pLast + 1;
        pData = p;
    }
}

// White space alone marks the element's start or the child element before it; other character
// data must stand alone in its element, without a character reference and without white space
// at its ends, for the DOM's text of it to be the data itself.
void CXmlSpaceMap::AddCharacterData(const wchar_t* pBegin, const wchar_t* pEnd)
{
    if (pBegin == pEnd || m_open.empty())
        return;
    const size_t nOpen = m_open.back();
    Element& element = m_elements[nOpen];
    const wchar_t* p = pBegin;
    while (p < pEnd && IsXmlSpace(*p))
        ++p;
    if (p == pEnd) {
        if (element.spaceAfter.empty())
            element.bSpaceFirst = true;
        else
            element.spaceAfter.back() = true;
        return;
    }
    const bool bReference = FindText(pBegin, pEnd, L"&#") != nullptr;
    if (bReference || m_hasText[nOpen] || !element.spaceAfter.empty() || IsAnySpace(*pBegin) || IsAnySpace(pEnd[-1]))
        element.bKnown = false;
    m_hasText[nOpen] = true;
}

void CXmlSpaceMap::AddChildElement()
{
    if (m_open.empty())
        return;
    const size_t nOpen = m_open.back();
    if (m_hasText[nOpen])
        m_elements[nOpen].bKnown = false; // mixed content
    m_elements[nOpen].spaceAfter.push_back(false);
}

void CXmlSpaceMap::AddOtherChild()
{
    if (!m_open.empty())
        m_elements[m_open.back()].bKnown = false;
}
