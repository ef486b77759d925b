// CXmlTextWriter: the XML text of a tree, written in one walk.
//
// The DOM writes an element's text node in front of its children, escapes '&', '<' and '>' in
// texts and also '"' in attribute values, writes an element without text and children as an
// empty-element tag, and keeps the attributes in the order they were set, which is the order the
// attribute map gives. Some DOMs put the children of an element without text one per line, each
// line indented by one tab per level below the top element, unless text stands in an element
// around them; others put nothing between the tags. The corpus test of the conversion compares
// the two texts.

#include "XmlTextWriter.h"

#include <afxmsxml.h>

#include <vector>

namespace {

// The longest name and text the XML parser reads back from a string: longer ones would be written
// and then not parse.
const int kMaxNameLength = 50000;   // characters
const int kMaxTextBytes = 9000000;  // in UTF-8, some way below the parser's 10,000,000
const int kMaxUtf8PerCharacter = 3; // a UTF-16 unit gives at most three bytes

bool IsXmlName(const CString& name)
{
    return name.GetLength() <= kMaxNameLength && AfxIsXmlName(name.GetString(), name.GetLength()) != FALSE;
}

bool IsShortEnough(const CString& text)
{
    if (text.GetLength() <= kMaxTextBytes / kMaxUtf8PerCharacter)
        return true;
    return text.GetLength() <= kMaxTextBytes && ::WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(),
                                                                      nullptr, 0, nullptr, nullptr) <= kMaxTextBytes;
}

bool IsXmlText(const CString& text)
{
    return IsShortEnough(text) && AfxIsXmlText(text.GetString(), text.GetLength()) != FALSE;
}

// Whether the DOM writes text as it stands, apart from the references to markup characters:
// control characters (tab, line feed, carriage return) it writes as references or changes.
bool HasNoControl(const CString& text)
{
    const wchar_t* p = text.GetString();
    const wchar_t* const pEnd = p + text.GetLength();
    for (; p < pEnd; ++p) {
        if (*p < L' ')
            return false;
    }
    return true;
}

const wchar_t kLineBreak[] = L"\r\n"; // the DOM's line break in the text it gives

bool IsUnprefixed(const CString& name)
{
    return name.Find(L':') < 0;
}

// Whether check(name, value) holds for every attribute of the item.
template <typename Check>
bool AllAttributes(CXmlTreeItem* item, Check check)
{
    CMapStringToString* attri = item->GetAttri();
    CString name;
    CString value;
    for (POSITION pos = attri ? attri->GetStartPosition() : nullptr; pos;) {
        attri->GetNextAssoc(pos, name, value);
        if (!check(name, value))
            return false;
    }
    return true;
}

} // namespace

bool CXmlTextWriter::IsWritable(CXmlTreeItem* item)
{
    return IsXmlName(item->m_strName) && IsXmlText(item->m_strText) &&
           AllAttributes(item,
                         [](const CString& name, const CString& value) { return IsXmlName(name) && IsXmlText(value); });
}

bool CXmlTextWriter::IsPlain(CXmlTreeItem* item)
{
    return IsWritable(item) && IsUnprefixed(item->m_strName) && HasNoControl(item->m_strText) &&
           AllAttributes(item, [](const CString& name, const CString& value) {
               return IsUnprefixed(name) && name != L"xmlns" && HasNoControl(value);
           });
}

// Depth first with one stack entry per open element: the next child to write and whether its
// children are laid out. An element's end tag is written when its children are done.
bool CXmlTextWriter::Write(CXmlTreeItem* item, bool bIndented, CString& text)
{
    struct Level {
        CXmlTreeItem* item;
        CXmlTreeItem* next;
        bool bLaidOut; // children one per line, indented by their depth
    };
    std::vector<Level> levels;
    for (CXmlTreeItem* open = item; open;) {
        if (!IsPlain(open))
            return false;
        const bool bInLayout = !levels.empty() && levels.back().bLaidOut;
        if (bInLayout)
            AppendIndent(levels.size(), text);
        WriteStartTag(open, text);
        if (HasContent(open)) {
            // The DOM lays out the children of an element without text, unless an element
            // around it holds text.
            const bool bLaidOut = bIndented && (levels.empty() || bInLayout) && open->m_strText.IsEmpty();
            if (bLaidOut)
                text += kLineBreak;
            AppendEscaped(open->m_strText, false, text);
            levels.push_back({open, open->GetChild(), bLaidOut});
        } else if (bInLayout) {
            text += kLineBreak;
        }
        open = nullptr;
        while (!open && !levels.empty()) {
            Level& level = levels.back();
            open = level.next;
            if (open) {
                level.next = open->GetNext();
                break;
            }
            if (level.bLaidOut)
                AppendIndent(levels.size() - 1, text);
            text += L"</";
            text += level.item->m_strName;
            text += L'>';
            levels.pop_back();
            if (!levels.empty() && levels.back().bLaidOut)
                text += kLineBreak;
        }
    }
    return true;
}

bool CXmlTextWriter::HasContent(CXmlTreeItem* item)
{
    return item->GetChild() || !item->m_strText.IsEmpty();
}

void CXmlTextWriter::AppendIndent(size_t depth, CString& text)
{
    for (size_t level = 0; level < depth; ++level)
        text += L'\t';
}

void CXmlTextWriter::WriteStartTag(CXmlTreeItem* item, CString& text)
{
    text += L'<';
    text += item->m_strName;
    if (CMapStringToString* attri = item->GetAttri()) {
        CString name;
        CString value;
        for (POSITION pos = attri->GetStartPosition(); pos;) {
            attri->GetNextAssoc(pos, name, value);
            text += L' ';
            text += name;
            text += L"=\"";
            AppendEscaped(value, true, text);
            text += L'"';
        }
    }
    text += HasContent(item) ? L">" : L"/>";
}

void CXmlTextWriter::AppendEscaped(const CString& value, bool bAttribute, CString& text)
{
    const wchar_t* p = value.GetString();
    const wchar_t* const pEnd = p + value.GetLength();
    const wchar_t* pPlain = p; // start of the characters not yet appended
    for (; p < pEnd; ++p) {
        const wchar_t* reference = *p == L'&'                 ? L"&amp;"
                                   : *p == L'<'               ? L"&lt;"
                                   : *p == L'>'               ? L"&gt;"
                                   : *p == L'"' && bAttribute ? L"&quot;"
                                                              : nullptr;
        if (!reference)
            continue;
        text.Append(pPlain, static_cast<int>(p - pPlain));
        text += reference;
        pPlain = p + 1;
    }
    text.Append(pPlain, static_cast<int>(pEnd - pPlain));
}
