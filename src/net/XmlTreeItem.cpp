// CXmlTreeItem: one item of an XML tree with its links and packed position word.

#include <XmlTreeItem.h>

#include <utility>

namespace {

const DWORD kFieldMax = 0xFFFF; // largest depth or sibling index a position word holds

DWORD DepthOf(DWORD position)
{
    return position & kFieldMax;
}
DWORD IndexOf(DWORD position)
{
    return position >> 16;
}

} // namespace

CXmlTreeItem::CXmlTreeItem(CString name, CString text, CMapStringToString* attri)
    : m_pAttri(attri), m_strName(std::move(name)), m_strText(std::move(text)), m_pNext(nullptr), m_pChild(nullptr),
      m_pParent(nullptr), m_pPrev(nullptr), m_dwPosition(0)
{
}

CXmlTreeItem::~CXmlTreeItem()
{
    delete m_pAttri;
}

int CXmlTreeItem::SetName(CString name)
{
    m_strName = std::move(name);
    return 1;
}

int CXmlTreeItem::SetText(CString text)
{
    m_strText = std::move(text);
    return 1;
}

int CXmlTreeItem::SetAttri(CMapStringToString* attri)
{
    // Handing back the map the item holds must not destroy it.
    if (attri != m_pAttri) {
        delete m_pAttri;
        m_pAttri = attri;
    }
    return 1;
}

int CXmlTreeItem::SetChild(CXmlTreeItem* child)
{
    m_pChild = child;
    return 1;
}

int CXmlTreeItem::SetNext(CXmlTreeItem* next)
{
    m_pNext = next;
    return 1;
}

// The depth is merged with OR, not stored: an item that already holds position bits keeps them.
int CXmlTreeItem::SetParent(CXmlTreeItem* parent)
{
    if (parent) {
        const DWORD depth = DepthOf(parent->m_dwPosition);
        if (depth >= kFieldMax)
            return 0;
        m_dwPosition |= depth + 1;
    }
    m_pParent = parent;
    return 1;
}

int CXmlTreeItem::SetPrev(CXmlTreeItem* prev)
{
    if (prev) {
        const DWORD index = IndexOf(prev->m_dwPosition);
        if (index >= kFieldMax)
            return 0;
        m_dwPosition |= (index + 1) << 16;
    }
    m_pPrev = prev;
    return 1;
}

void CXmlTreeItem::LinkParent(CXmlTreeItem* parent)
{
    if (!SetParent(parent))
        m_pParent = parent;
}

void CXmlTreeItem::LinkPrev(CXmlTreeItem* prev)
{
    if (!SetPrev(prev))
        m_pPrev = prev;
}

CString CXmlTreeItem::GetName() const
{
    return m_strName;
}
CString CXmlTreeItem::GetText() const
{
    return m_strText;
}
CMapStringToString* CXmlTreeItem::GetAttri() const
{
    return m_pAttri;
}
CXmlTreeItem* CXmlTreeItem::GetChild() const
{
    return m_pChild;
}
CXmlTreeItem* CXmlTreeItem::GetNext() const
{
    return m_pNext;
}
CXmlTreeItem* CXmlTreeItem::GetParent() const
{
    return m_pParent;
}
CXmlTreeItem* CXmlTreeItem::GetPrev() const
{
    return m_pPrev;
}
DWORD CXmlTreeItem::GetPosition() const
{
    return m_dwPosition;
}
